#pragma once

#include <span>
#include <string>

#include "sim/profiles.h"

// The command line of orvik-sim.
namespace orvik::sim {

struct ProgramOptions {
    std::string port;  // "COM1" to "COM24"
    std::string tape;  // empty: no tape
    std::string profile = std::string(kDefaultProfileName);
    std::string password = "0000";  // UTF-8
    bool answersTaxNames = true;
    bool wakeOnlyAt57600 = false;
    // The key position to start in (R, X, Z, P or O), checked from the start; empty: service
    // mode, in which no command checks the key.
    std::string key;
};

enum class ParseOutcome { Run, Help, UsageError };

// Reads the arguments after the program name. On a usage error *error says what is wrong.
ParseOutcome ParseProgramOptions(std::span<const char* const> args, ProgramOptions* options,
                                 std::string* error);

std::string UsageText();

}  // namespace orvik::sim
