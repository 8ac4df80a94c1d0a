#include "console/terminal_log.h"

#include <algorithm>

#include "device/terminal_exchange.h"
#include "support/text_codec.h"

namespace orvik::console {

namespace {

bool IsLineBreak(char16_t c) {
    return c == u'\r' || c == u'\n';
}

}  // namespace

std::size_t EntriesToDropBeforeAppend(std::size_t count) {
    return count > kLogKeptBeforeAppend ? count - kLogKeptBeforeAppend : 0;
}

std::size_t TerminalLog::Append(std::u16string text, Direction direction) {
    const std::size_t drop = EntriesToDropBeforeAppend(m_entries.size());
    m_entries.erase(m_entries.begin(), m_entries.begin() + static_cast<std::ptrdiff_t>(drop));
    m_entries.push_back({std::move(text), direction});
    return drop;
}

std::u16string TerminalLineToSend(std::u16string_view line) {
    return std::u16string(line.substr(0, device::kMaxTerminalLine));
}

std::u16string ReportLine(const LogEntry& entry) {
    std::u16string line;
    line.reserve(entry.text.size() + 1);
    if (entry.direction == Direction::Sent) {
        line += u'>';
    }
    // A reply holding a line break must not become two lines of the report.
    std::copy_if(entry.text.begin(), entry.text.end(), std::back_inserter(line),
                 [](char16_t c) { return !IsLineBreak(c); });
    return line;
}

std::string FormatReport(std::span<const LogEntry> entries) {
    std::u16string text;
    for (const LogEntry& entry : entries) {
        text += ReportLine(entry);
        text += u"\r\n";
    }
    return support::Encode(support::CodePage::Ansi1251, text);
}

support::FileWriteResult SaveReport(const std::filesystem::path& path,
                                    std::span<const LogEntry> entries) {
    return support::WriteFileReplacing(path, FormatReport(entries));
}

bool LosesCharactersInAnsi(std::u16string_view text) {
    return std::any_of(text.begin(), text.end(), [](char16_t c) {
        return c == 0xFFFD || (c != u'?' && support::EncodeChar(support::CodePage::Ansi1251, c) ==
                                                support::kDefaultChar);
    });
}

}  // namespace orvik::console
