#pragma once

#include "cli/cli_options.h"

namespace orvik::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// Runs the verb and returns the exit status.
int RunVerb(const CliOptions& options);

}  // namespace orvik::cli
