#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "support/atomic_file.h"

namespace orvik::console {

// The protocol terminal's exchange log without a toolkit: what an entry is, how many the log
// keeps, and the report file it is saved as (Windows-1251 text with CR LF line ends, a sent
// command as ">" directly followed by its text, a reply as its text alone).

// The direction marker an entry carries; its value is what the page stores with the row.
enum class Direction : int { Received = 0, Sent = 1 };

struct LogEntry {
    std::u16string text;
    Direction direction = Direction::Received;
};

// The log keeps this many entries plus the one being added.
inline constexpr std::size_t kLogKeptBeforeAppend = 200;

// How many of the oldest entries go before one more is appended to a log of `count` entries,
// so that the log never holds more than kLogKeptBeforeAppend + 1.
std::size_t EntriesToDropBeforeAppend(std::size_t count);

// The exchange log itself: a bounded list of entries, oldest first. The terminal page shows it
// row for row and the report is written from it.
class TerminalLog {
  public:
    // Appends one entry, the oldest entries giving way first so that the log never holds more
    // than kLogKeptBeforeAppend + 1. Returns how many were dropped from the front.
    std::size_t Append(std::u16string text, Direction direction);
    void Clear() { m_entries.clear(); }

    std::span<const LogEntry> Entries() const { return m_entries; }
    std::size_t Size() const { return m_entries.size(); }
    bool Empty() const { return m_entries.empty(); }

  private:
    std::vector<LogEntry> m_entries;
};

// What is sent for one line of the command box: the line cut to the register's longest
// command line. An empty result means the line is skipped.
std::u16string TerminalLineToSend(std::u16string_view line);

// One line of the report without its line end.
std::u16string ReportLine(const LogEntry& entry);

// The report's bytes. Characters Windows-1251 lacks become "?" (see LosesCharactersInAnsi).
std::string FormatReport(std::span<const LogEntry> entries);

// Writes the report; the previous file is kept unless the new one was written whole.
support::FileWriteResult SaveReport(const std::filesystem::path& path,
                                    std::span<const LogEntry> entries);

// Whether a text holds a character that Windows-1251 cannot store.
bool LosesCharactersInAnsi(std::u16string_view text);

}  // namespace orvik::console
