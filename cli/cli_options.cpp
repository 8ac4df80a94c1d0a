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
    return "Usage: orvik-cli [--port COMn] [--operator NAME] [--password TEXT] [--raw] VERB\n"
           "                 [ARGUMENTS]\n"
           "\n"
           "Every verb but ports first connects as the console does: it wakes the register,\n"
           "logs the operator in and reads the register's configuration; it disconnects at\n"
           "the end. The register's messages are printed on standard error, and a question\n"
           "(Retry or Cancel) is answered Cancel.\n"
           "\n"
           "Verbs:\n"
           "  ports                 print the COM names that exist, one per line\n"
           "  info                  print what the register reported at connect, one\n"
           "                        \"name: value\" per line (identification, clock, key,\n"
           "                        software, currency, counters, family and model, and one\n"
           "                        line per tax slot)\n"
           "  send TEXT...          send each TEXT as one command, as the terminal page does,\n"
           "                        and print \">TEXT\" and every reply until \"READY\" or\n"
           "                        3000 ms of silence\n"
           "\n"
           "Options:\n"
           "  --port COMn           the register's port (COM1 to COM24); needed by info, send\n"
           "  --operator NAME       the operator's name (default Касир); СЕРВІС opens a\n"
           "                        service session\n"
           "  --password TEXT       the operator's password (default none)\n"
           "  --raw                 send only: open the port without waking the register or\n"
           "                        logging in\n"
           "  --help                this text\n"
           "\n"
           "COM names resolve through the ports folder ($ORVIK_PORTS_DIR, else\n"
           "$XDG_RUNTIME_DIR/orvik/ports): an entry COMn there is a link to the device.\n"
           "Otherwise COM1-COM4 are /dev/ttyS0-3, COM5-COM14 /dev/ttyUSB0-9 and\n"
           "COM15-COM24 /dev/ttyACM0-9.\n"
           "\n"
           "Exit status: 0 success, 1 the register or the link failed, 2 usage error.\n";
}
