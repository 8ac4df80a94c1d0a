// orvik-cli: the device core without a window, for scripts and tests.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/cli_verbs.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "help")) {
        std::fputs(CliUsage(), stdout);
        return 0;
    }
    std::string error;
    const auto options = ParseCliOptions(args, &error);
    if (!options) {
        std::fprintf(stderr, "orvik-cli: %s\n\n%s", error.c_str(), CliUsage());
        return kExitUsage;
    }
    return RunVerb(*options);
}
