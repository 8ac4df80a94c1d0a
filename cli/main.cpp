// orvik-cli: the device core without a window, for scripts and tests.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/cli_verbs.h"
#include "cli/interrupt.h"
#include "res/language.h"
#include "support/text_codec.h"

namespace {

int Run(const std::vector<std::string>& args) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "help")) {
        std::fputs(orvik::cli::CliUsage(), stdout);
        return orvik::cli::kExitOk;
    }
    std::string error;
    const auto options = orvik::cli::ParseCliOptions(args, &error);
    if (!options) {
        std::fprintf(stderr, "orvik-cli: %s\n\n%s", orvik::support::EscapeControls(error).c_str(),
                     orvik::cli::CliUsage());
        return orvik::cli::kExitUsage;
    }
    orvik::cli::CatchInterrupts();
    return orvik::cli::RunVerb(*options);
}

}  // namespace

int main(int argc, char** argv) {
    // The register's messages in the language of the locale, as the console's; the usage text
    // and the lines a script reads stay as they are.
    orvik::SetLanguage(orvik::LanguageFromEnvironment());
    const int status = Run(std::vector<std::string>(argv + 1, argv + argc));
    // What a script reads must have reached it: a full disk or a closed pipe is a failure.
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        const int err = errno;
        std::fprintf(stderr, "orvik-cli: cannot write standard output: %s\n",
                     err != 0 ? std::strerror(err) : "write error");
        return orvik::cli::kExitFailed;
    }
    return status;
}
