#pragma once

#include <optional>
#include <string>

#include "cli/cli_options.h"

// Where orvik-cli takes the operator's password from, first found first: --password (which
// other users see in the process list), --password-file FILE, the environment's ORVIK_PASSWORD,
// and at last a prompt on the terminal with the typing not shown, when standard input is one.
// Without any of them the password is empty.
namespace orvik::cli {

struct PasswordSource {
    std::optional<std::string> password;  // nothing when it could not be had
    std::string error;                    // why; empty when the prompt was interrupted
};

// The password for options (whose password field is then ignored unless --password gave it).
PasswordSource FindPassword(const CliOptions& options);

}  // namespace orvik::cli
