#include "cli_options.h"

std::optional<CliOptions> ParseCliOptions(const std::vector<std::string>& args,
                                          std::string* error) {
    CliOptions options;
    std::size_t i = 0;
    auto takeValue = [&](const std::string& name, std::string& target) {
        if (i + 1 >= args.size()) {
            *error = name + " needs a value";
            return false;
        }
        target = args[++i];
        return true;
    };
    for (; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--port") {
            if (!takeValue(arg, options.port)) {
                return std::nullopt;
            }
        } else if (arg == "--operator") {
            if (!takeValue(arg, options.operatorName)) {
                return std::nullopt;
            }
        } else if (arg == "--password") {
            if (!takeValue(arg, options.password)) {
                return std::nullopt;
            }
        } else if (arg == "--raw") {
            options.raw = true;
        } else if (arg.rfind("--", 0) == 0 && arg != "--help") {
            *error = "unknown option " + arg;
            return std::nullopt;
        } else {
            break;
        }
    }
    if (i == args.size()) {
        *error = "no verb given";
        return std::nullopt;
    }
    options.verb = args[i];
    options.arguments.assign(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
    return options;
}

const char* CliUsage() {
    return "Usage: orvik-cli [--port COMn] [--raw] VERB [ARGUMENTS]\n"
           "\n"
           "Verbs:\n"
           "  ports                 print the COM names that exist, one per line\n"
           "  send TEXT...          send each TEXT as one command and print the replies\n"
           "                        until \"READY\" or 3000 ms of silence (needs --port)\n"
           "\n"
           "Options:\n"
           "  --port COMn           the register's port (COM1 to COM24)\n"
           "  --raw                 open the port without waking the register or logging in\n"
           "  --help                this text\n"
           "\n"
           "COM names resolve through the ports folder ($ORVIK_PORTS_DIR, else\n"
           "$XDG_RUNTIME_DIR/orvik/ports): an entry COMn there is a link to the device.\n"
           "Otherwise COM1-COM4 are /dev/ttyS0-3, COM5-COM14 /dev/ttyUSB0-9 and\n"
           "COM15-COM24 /dev/ttyACM0-9.\n"
           "\n"
           "Exit status: 0 success, 1 the register or the link failed, 2 usage error.\n";
}
