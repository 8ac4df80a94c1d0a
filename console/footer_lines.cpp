#include "console/footer_lines.h"

#include "support/text_codec.h"

namespace orvik::console {

namespace {

// Reads the leading decimal digits of a column, as the page's columns are read back.
int LeadingNumber(std::u16string_view text) {
    int value = 0;
    for (const char16_t ch : text) {
        if (ch < u'0' || ch > u'9' || value > 1000) {
            break;
        }
        value = value * 10 + (ch - u'0');
    }
    return value;
}

}  // namespace

std::u16string JournalText(const FooterLine& line) {
    return line.journal ? u"1" : u"0";
}

std::u16string FormatText(const FooterLine& line) {
    const int format = (line.doubleWidth ? 1 : 0) + (line.doubleHeight ? 2 : 0);
    return std::u16string(1, static_cast<char16_t>(u'0' + format));
}

FooterLine FooterLineFromColumns(std::u16string_view text, std::u16string_view journal,
                                 std::u16string_view format) {
    const int formatDigit = LeadingNumber(format);
    return FooterLine{std::u16string(text), LeadingNumber(journal) != 0, (formatDigit & 1) != 0,
                      (formatDigit & 2) != 0};
}

std::size_t FooterLineLimit(bool doubleWidth) {
    return doubleWidth ? kDoubleWidthFooterLineLength : kFooterLineLength;
}

std::optional<char16_t> FirstUnprintableCharacter(std::u16string_view text) {
    for (const char16_t ch : text) {
        const bool ukrainianI = ch == u'\u0406' || ch == u'\u0456';
        // Control characters would break the command's text.
        const bool control = ch < 0x20 || ch == 0x7F;
        const bool missing =
            ch != u'?' && !ukrainianI &&
            support::EncodeChar(support::CodePage::Oem866, ch) == support::kDefaultChar;
        if (control || missing) {
            return ch;
        }
    }
    return std::nullopt;
}

FooterLineCheck CheckFooterLine(std::u16string_view text, bool doubleWidth) {
    const std::size_t limit = FooterLineLimit(doubleWidth);
    if (text.size() > limit) {
        return {FooterLineProblem::TooLong, limit, 0};
    }
    if (text.empty()) {
        return {FooterLineProblem::Empty, 0, 0};
    }
    if (const auto ch = FirstUnprintableCharacter(text)) {
        return {FooterLineProblem::NotInCodePage, 0, *ch};
    }
    return {};
}

void FooterList::Select(std::optional<std::size_t> row) {
    m_selected = row && *row < m_rows.size() ? row : std::nullopt;
}

bool FooterList::Add(FooterLine line) {
    if (!CanAdd()) {
        return false;
    }
    m_rows.push_back(std::move(line));
    m_selected = m_rows.size() - 1;
    return true;
}

bool FooterList::ChangeSelected(FooterLine line) {
    if (!m_selected) {
        return false;
    }
    m_rows[*m_selected] = std::move(line);
    return true;
}

bool FooterList::DeleteSelected() {
    if (!m_selected) {
        return false;
    }
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(*m_selected));
    m_selected.reset();
    return true;
}

bool FooterList::MoveSelectedUp() {
    if (!CanMoveUp()) {
        return false;
    }
    std::swap(m_rows[*m_selected], m_rows[*m_selected - 1]);
    --*m_selected;
    return true;
}

bool FooterList::MoveSelectedDown() {
    if (!CanMoveDown()) {
        return false;
    }
    std::swap(m_rows[*m_selected], m_rows[*m_selected + 1]);
    ++*m_selected;
    return true;
}

std::vector<std::u16string> FooterCommands(std::span<const FooterLine> rows) {
    if (rows.empty()) {
        return {u"BOTm"};
    }
    std::vector<std::u16string> commands;
    commands.reserve(kMaxFooterLines);
    for (std::size_t i = 0; i < kMaxFooterLines; ++i) {
        std::u16string command = u"BOTm";
        command += static_cast<char16_t>(u'0' + i);
        if (i < rows.size()) {
            command += JournalText(rows[i]) + FormatText(rows[i]) +
                       rows[i].text.substr(0, kFooterLineLength);
        }
        commands.push_back(std::move(command));
    }
    return commands;
}

}  // namespace orvik::console
