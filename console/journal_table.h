#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "console/receipt_journal.h"

// The receipt journal as a table, the same in "orvik-cli journal" and the window's
// "Журнал чеков": time, register, receipt number, total, cash, outcome, copy K of N.
namespace orvik::console {

inline constexpr std::size_t kJournalColumnCount = 7;
using JournalCells = std::array<std::u16string, kJournalColumnCount>;

// The command line's column names, and the window's (from the string table).
JournalCells JournalColumnNames(bool windowTexts);

// A copy's cells; the outcome in the journal's own words ("registered", "not registered",
// "unknown", "cancelled") or, for the window, in the string table's.
JournalCells JournalRowCells(const JournalCopy& copy, bool windowTexts);

// "Журнал чеков FILE недоступен: REASON. Чек не напечатан." (kStrJournalUnusable).
std::u16string JournalUnusableText(std::string_view path, std::string_view reason);

// What the page says of a receipt the journal holds from a close that went unanswered: when it
// was sent, and the register's number for it or that nobody knows yet.
std::u16string HeldReceiptText(const JournalCopy& held);

// Local "YYYY-MM-DD HH:MM:SS" of a moment in seconds since the epoch.
std::u16string JournalTime(std::int64_t seconds);

// One line of a CSV file (RFC 4180: fields with a comma, a quote or a line break quoted, quotes
// doubled), in UTF-8, ending with CR LF. A field starting with "=", "+", "-" or "@" that is not
// a number is led by "'", so that a spreadsheet does not take it for a formula.
std::string CsvLine(std::span<const std::u16string> cells);

// A CSV file of copies: the column names, then one line per copy in the order given.
std::string JournalCsv(std::span<const JournalCopy> copies, bool windowTexts);

}  // namespace orvik::console
