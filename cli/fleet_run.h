#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/cli_options.h"

// One verb on several registers at once. Each register is served by a run of this program of
// its own with one --port, so that a register that does not answer holds only its own run, and
// a failure in one cannot reach another; at most --jobs runs go at a time. Every line a run
// prints comes out as it arrives, on the same stream, after the register's name; at the end a
// summary table says each register's result and message (with --json: one array of the runs'
// documents instead).
namespace orvik::cli {

struct FleetEntry {
    std::string name;
    int status = 0;        // the run's exit status (128 + the signal when one ended it)
    std::string message;   // the last line it wrote on standard error, or empty
    std::string document;  // with --json: the JSON document it printed
};

// Runs the verb of options on each register (names or ports as --port takes them), handing
// the runs the password through their environment. Returns 0 when every run succeeded, else
// the highest exit status.
int RunFleet(const CliOptions& options, const std::vector<std::string>& registers,
             const std::optional<std::string>& password);

// The summary table's text: a header line and one line per register, columns aligned by
// characters (names may be Cyrillic).
std::string FleetSummary(const std::vector<FleetEntry>& entries);
// With --json: one array of the runs' documents, each with "register" first.
std::string FleetJson(const std::vector<FleetEntry>& entries);

}  // namespace orvik::cli
