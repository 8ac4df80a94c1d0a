#pragma once

#include <functional>
#include <string>

#include "cli/cli_options.h"

// orvik-cli --json: what a verb prints for people becomes one JSON document on standard output.
//
//   {"verb":"info","port":"COM3","status":0,"outcome":"ok",
//    "values":{"serialNumber":"6000008901",...},
//    "lines":["serialNumber: 6000008901",...],
//    "messages":[{"number":3012,"kind":"error","text":"..."}]}
//
// "values" holds each "name: value" line the verb prints (a name printed twice holds the list
// of its values); "lines" every line as printed; "messages" the register's and the console's
// messages with their numbers in the string table (null for a status word the table does not
// know); "outcome" names the exit status. doctor and journal print their own JSON as "report".
namespace orvik::cli {

// "ok", "failed", "usage", "unknown", "held", "interrupted", "terminated" or "error".
const char* OutcomeName(int status);

// Runs `run` with standard output captured and prints the document instead; returns its status.
int RunAsJsonDocument(const CliOptions& options, const std::function<int()>& run);

// The document's text for what was printed (exposed for the tests).
std::string JsonDocument(const CliOptions& options, int status, const std::string& printed);

}  // namespace orvik::cli
