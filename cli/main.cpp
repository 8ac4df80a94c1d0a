// orvik-cli: the device core without a window, for scripts and tests.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/cli_verbs.h"
#include "cli/interrupt.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "help")) {
        std::fputs(orvik::cli::CliUsage(), stdout);
        return 0;
    }
    std::string error;
    const auto options = orvik::cli::ParseCliOptions(args, &error);
    if (!options) {
        std::fprintf(stderr, "orvik-cli: %s\n\n%s", error.c_str(), orvik::cli::CliUsage());
        return orvik::cli::kExitUsage;
    }
    orvik::cli::CatchInterrupts();
    return orvik::cli::RunVerb(*options);
}
