#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orvik::cli {

// The command line: global options, then a verb and its arguments.
struct CliOptions {
    std::string port;                // the register (the first when several are given)
    std::vector<std::string> ports;  // every --port, in order
    bool all = false;                // --all: every register of the registers file
    int jobs = 4;                    // --jobs N: registers served at once
    bool json = false;               // --json: one JSON document on standard output
    // The global options a run on one register of several takes over, with their values: all
    // but --port, --all, --jobs and the password options (the password goes by environment).
    std::vector<std::string> forwarded;
    std::string operatorName = "Касир";
    bool operatorGiven = false;  // --operator was given: a registers file's operator yields
    std::string password;
    bool passwordGiven = false;  // --password was given (an empty one too)
    std::string passwordFile;    // --password-file FILE
    bool raw = false;
    std::string tracePath;  // --trace FILE: the protocol trace is written there
    std::string verb;
    std::vector<std::string> arguments;
};

// Parses argv; on a usage error returns nothing and puts the reason in *error.
std::optional<CliOptions> ParseCliOptions(const std::vector<std::string>& args, std::string* error);

// The usage text printed by --help and after a usage error.
const char* CliUsage();

}  // namespace orvik::cli
