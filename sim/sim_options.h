#pragma once

#include <span>
#include <string>

// The command line of orvik-sim.
namespace orvik::sim {

struct ProgramOptions {
    std::string port;  // "COM1" to "COM24"
    std::string tape;  // empty: no tape
};

enum class ParseOutcome { Run, Help, UsageError };

// Reads the arguments after the program name. On a usage error *error says what is wrong.
ParseOutcome ParseProgramOptions(std::span<const char* const> args, ProgramOptions* options,
                                 std::string* error);

std::string UsageText();

}  // namespace orvik::sim
