#pragma once

#include <string>

#include "cli/cli_options.h"

// The verbs about ports that need no register: ports [--long] and doctor [--port COMn] [--json].
namespace orvik::cli {

// The usage error in the verb's arguments, or empty.
std::string CheckPortsArguments(const CliOptions& options);
std::string CheckDoctorArguments(const CliOptions& options);

// Run the verb and return the exit status.
int RunPorts(const CliOptions& options);
// 0 when a register answered on a port checked, 1 otherwise.
int RunDoctor(const CliOptions& options);

}  // namespace orvik::cli
