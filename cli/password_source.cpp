#include "cli/password_source.h"

#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "support/regular_file.h"
#include "support/text_codec.h"
#include "support/text_line_reader.h"

namespace orvik::cli {

namespace {

// A password file holds one short line; anything larger is not one.
constexpr std::size_t kMaxPasswordFileBytes = 4096;

// The text up to the first line end.
std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find_first_of("\r\n"));
}

PasswordSource ReadPasswordFile(const std::string& path) {
    const support::RegularFileRead file = support::ReadRegularFile(path, kMaxPasswordFileBytes);
    if (!file.read) {
        return {std::nullopt, "cannot read the password file " + path + ": " +
                                  support::ToUtf8(support::SystemErrorText(file.error))};
    }
    return {FirstLine(file.bytes), {}};
}

// Asks on the terminal with echo off, restoring it whatever happens. A signal ends the read
// (the handlers do not restart it): nothing, and no error of its own.
PasswordSource AskOnTerminal(const CliOptions& options) {
    std::fprintf(stderr, "Password of %s on %s: ", options.operatorName.c_str(),
                 options.port.c_str());
    std::fflush(stderr);
    termios saved{};
    const bool quiet = ::tcgetattr(STDIN_FILENO, &saved) == 0;
    if (quiet) {
        termios silent = saved;
        silent.c_lflag &= static_cast<tcflag_t>(~ECHO);
        silent.c_lflag |= ICANON;
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &silent);
    }
    std::string typed;
    char byte = 0;
    PasswordSource result;
    for (;;) {
        const ssize_t count = ::read(STDIN_FILENO, &byte, 1);
        if (count == 1 && byte != '\n' && typed.size() < kMaxPasswordFileBytes) {
            typed += byte;
            continue;
        }
        if (count == 1 || count == 0) {
            result.password = FirstLine(typed);
        } else if (errno != EINTR) {
            result.error = "cannot read the password from the terminal";
        }
        break;
    }
    if (quiet) {
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    }
    std::fputc('\n', stderr);
    return result;
}

}  // namespace

PasswordSource FindPassword(const CliOptions& options) {
    if (options.passwordGiven) {
        return {options.password, {}};
    }
    if (!options.passwordFile.empty()) {
        return ReadPasswordFile(options.passwordFile);
    }
    if (const char* fromEnvironment = std::getenv("ORVIK_PASSWORD")) {
        return {std::string(fromEnvironment), {}};
    }
    if (::isatty(STDIN_FILENO)) {
        return AskOnTerminal(options);
    }
    return {std::string(), {}};
}

}  // namespace orvik::cli
