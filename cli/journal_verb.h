#pragma once

#include <string>

#include "cli/cli_options.h"

// journal [--since YYYY-MM-DD] [--register SERIAL] [--json | --csv]: the receipt journal's
// copies, unknown outcomes first. Needs no register.
namespace orvik::cli {

// The usage error in the verb's arguments, or empty.
std::string CheckJournalArguments(const CliOptions& options);

// 0 when the journal was read, 1 when it cannot be opened.
int RunJournal(const CliOptions& options);

}  // namespace orvik::cli
