#include "sim_options.h"

#include <string_view>

#include "port_names.h"

namespace orvik::sim {

namespace {

// Takes the value of an option given as "--name value" or "--name=value".
bool TakeValue(std::span<const char* const> args, std::size_t& i, std::string_view name,
               std::string* value, std::string* error) {
    const std::string_view arg = args[i];
    if (arg.size() > name.size() && arg[name.size()] == '=') {
        *value = std::string(arg.substr(name.size() + 1));
    } else if (i + 1 < args.size()) {
        *value = args[++i];
    } else {
        *error = std::string(name) + " needs a value";
        return false;
    }
    if (value->empty()) {
        *error = std::string(name) + " needs a value";
        return false;
    }
    return true;
}

bool IsOption(std::string_view arg, std::string_view name) {
    return arg == name || (arg.size() > name.size() && arg.substr(0, name.size()) == name &&
                           arg[name.size()] == '=');
}

}  // namespace

ParseOutcome ParseProgramOptions(std::span<const char* const> args, ProgramOptions* options,
                                 std::string* error) {
    bool portGiven = false;
    bool tapeGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--help" || arg == "-h") {
            return ParseOutcome::Help;
        }
        if (IsOption(arg, "--port")) {
            if (portGiven) {
                *error = "--port is given twice";
                return ParseOutcome::UsageError;
            }
            if (!TakeValue(args, i, "--port", &options->port, error)) {
                return ParseOutcome::UsageError;
            }
            if (!ParsePortName(options->port)) {
                *error = "\"" + options->port + "\" is not a port name (COM1 to COM24)";
                return ParseOutcome::UsageError;
            }
            portGiven = true;
        } else if (IsOption(arg, "--tape")) {
            if (tapeGiven) {
                *error = "--tape is given twice";
                return ParseOutcome::UsageError;
            }
            if (!TakeValue(args, i, "--tape", &options->tape, error)) {
                return ParseOutcome::UsageError;
            }
            tapeGiven = true;
        } else {
            *error = "unknown argument \"" + std::string(arg) + "\"";
            return ParseOutcome::UsageError;
        }
    }
    if (!portGiven) {
        *error = "--port is required";
        return ParseOutcome::UsageError;
    }
    return ParseOutcome::Run;
}

std::string UsageText() {
    return "Usage: orvik-sim --port COMn [--tape FILE]\n"
           "\n"
           "A simulated Orvik-683 cash register on a pseudo-terminal, linked as COMn in the\n"
           "ports folder ($ORVIK_PORTS_DIR, else $XDG_RUNTIME_DIR/orvik/ports, else\n"
           "/tmp/orvik-ports-<uid>), where the console and orvik-cli find it. Runs until\n"
           "interrupted (Ctrl+C, SIGTERM or SIGHUP) and then removes its link.\n"
           "\n"
           "Options:\n"
           "  --port COMn   the port name to serve, COM1 to COM24 (required)\n"
           "  --tape FILE   append a readable record of what the register received, answered\n"
           "                and printed to FILE (UTF-8 text)\n"
           "  --help        show this text\n"
           "\n"
           "Exit status: 0 after an interruption, 1 when the port cannot be set up, 2 for bad\n"
           "arguments.\n";
}

}  // namespace orvik::sim
