#include "sim/sim_options.h"

#include <set>
#include <string_view>

#include "device/link/port_names.h"
#include "sim/control_input.h"
#include "sim/key_position.h"
#include "support/text_codec.h"

namespace orvik::sim {

namespace {

// The register compares this many characters of the password.
constexpr std::size_t kMaxPasswordLength = 10;

// Takes the value of an option given as "--name value" or "--name=value".
bool TakeValue(std::span<const char* const> args, std::size_t& i, std::string_view name,
               std::string* value, std::string* error, bool allowEmpty = false) {
    const std::string_view arg = args[i];
    if (arg.size() > name.size() && arg[name.size()] == '=') {
        *value = std::string(arg.substr(name.size() + 1));
    } else if (arg.size() == name.size() && i + 1 < args.size()) {
        *value = args[++i];
    } else {
        *error = std::string(name) + " needs a value";
        return false;
    }
    if (value->empty() && !allowEmpty) {
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
    std::set<std::string_view> given;
    auto once = [&](std::string_view name) {
        if (!given.insert(name).second) {
            *error = std::string(name) + " is given twice";
            return false;
        }
        return true;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--help" || arg == "-h") {
            return ParseOutcome::Help;
        }
        if (IsOption(arg, "--port")) {
            if (!once("--port") || !TakeValue(args, i, "--port", &options->port, error)) {
                return ParseOutcome::UsageError;
            }
            if (!device::ParsePortName(options->port)) {
                *error = "\"" + options->port + "\" is not a port name (COM1 to COM24)";
                return ParseOutcome::UsageError;
            }
        } else if (IsOption(arg, "--tape")) {
            if (!once("--tape") || !TakeValue(args, i, "--tape", &options->tape, error)) {
                return ParseOutcome::UsageError;
            }
        } else if (IsOption(arg, "--profile")) {
            if (!once("--profile") || !TakeValue(args, i, "--profile", &options->profile, error)) {
                return ParseOutcome::UsageError;
            }
            if (!FindProfile(options->profile)) {
                *error = "there is no register profile \"" + options->profile +
                         "\" (see --help for the list)";
                return ParseOutcome::UsageError;
            }
        } else if (IsOption(arg, "--password")) {
            if (!once("--password") ||
                !TakeValue(args, i, "--password", &options->password, error, true)) {
                return ParseOutcome::UsageError;
            }
            if (support::FromUtf8(options->password).size() > kMaxPasswordLength) {
                *error = "--password takes at most 10 characters";
                return ParseOutcome::UsageError;
            }
        } else if (IsOption(arg, "--key")) {
            if (!once("--key") || !TakeValue(args, i, "--key", &options->key, error)) {
                return ParseOutcome::UsageError;
            }
            if (!KeyFromLetter(options->key)) {
                *error = "\"" + options->key + "\" is no key position (R, X, Z, P or O)";
                return ParseOutcome::UsageError;
            }
        } else if (arg == "--no-cnal1") {
            if (!once(arg)) {
                return ParseOutcome::UsageError;
            }
            options->answersTaxNames = false;
        } else if (arg == "--only-57600") {
            if (!once(arg)) {
                return ParseOutcome::UsageError;
            }
            options->wakeOnlyAt57600 = true;
        } else {
            *error = "unknown argument \"" + std::string(arg) + "\"";
            return ParseOutcome::UsageError;
        }
    }
    if (!given.contains("--port")) {
        *error = "--port is required";
        return ParseOutcome::UsageError;
    }
    return ParseOutcome::Run;
}

std::string UsageText() {
    std::string text =
        "Usage: orvik-sim --port COMn [--tape FILE] [--profile NAME] [--password TEXT]\n"
        "                 [--no-cnal1] [--only-57600] [--key R|X|Z|P|O]\n"
        "\n"
        "A simulated Orvik-683 cash register on a pseudo-terminal, linked as COMn in the\n"
        "ports folder ($ORVIK_PORTS_DIR, else $XDG_RUNTIME_DIR/orvik/ports, else\n"
        "/tmp/orvik-ports-<uid>), where the console and orvik-cli find it. Runs until\n"
        "interrupted (Ctrl+C, SIGTERM or SIGHUP) and then removes its link.\n"
        "\n"
        "Options:\n"
        "  --port COMn      the port name to serve, COM1 to COM24 (required)\n"
        "  --tape FILE      append a readable record of what the register received, answered\n"
        "                   and printed to FILE (UTF-8 text)\n"
        "  --profile NAME   the register to be (default " +
        std::string(kDefaultProfileName) +
        ", see below)\n"
        "  --password TEXT  the operator password the register accepts, at most 10\n"
        "                   characters (default 0000; --password= for none); the service\n"
        "                   log-in takes the same password\n"
        "  --no-cnal1       do not answer \"CNAL1\" (the tax names), as some registers do not\n"
        "  --only-57600     hear the wake-up byte only at 57600 baud, so that the console\n"
        "                   must fall back from 115200\n"
        "  --key POSITION   start with the key in R (registration), X (X report), Z (Z\n"
        "                   report), P (programming) or O (off), and check it: a command\n"
        "                   the position does not allow is refused as a register refuses\n"
        "                   it. Without --key the register is in service mode and no\n"
        "                   command checks the key. On family 1 model 7, which has no key,\n"
        "                   the position gives the starting access level (O 0, R 1, X and\n"
        "                   Z 2, P 3) and the console's \"SVSL\" commands change it.\n"
        "  --help           show this text\n"
        "\n"
        "Profiles (the console derives the family and model from the serial number and the\n"
        "software; it never derives model 5, so no profile is model 5):\n";
    for (const RegisterProfile& profile : RegisterProfiles()) {
        text += "  " + DescribeProfile(profile) + "\n";
    }
    text +=
        "The last one is a register the console does not know; it takes it for family 1\n"
        "model 4.\n"
        "\n"
        "Key positions, once checked: R for receipts (the zero receipt among them), X for\n"
        "the X, article, discount and hardware reports, Z for the Z report and the fiscal\n"
        "memory reports, P for the settings; O refuses them all. Queries answer in every\n"
        "position. On family 1 model 7 level 1 allows all but the X, Z, article and\n"
        "discount reports, which need level 2 (the console switches to it for them).\n"
        "\n"
        "Control lines: while it runs, orvik-sim reads lines on its standard input, one\n"
        "action each, as a person does things to a register by hand:\n" +
        ControlLinesHelp() +
        "\n"
        "Exit status: 0 after an interruption, 1 when the port cannot be set up, 2 for bad\n"
        "arguments.\n";
    return text;
}

}  // namespace orvik::sim
