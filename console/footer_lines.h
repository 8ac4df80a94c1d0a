#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The receipt footer of up to ten lines without a toolkit: a line and its encoding in the
// footer list, the checks of a line as it is entered, the list with its selection and buttons,
// and the commands that set the footer on the register.
namespace orvik::console {

inline constexpr std::size_t kMaxFooterLines = 10;
// The characters a footer line holds; half as many in double width.
inline constexpr std::size_t kFooterLineLength = 43;
inline constexpr std::size_t kDoubleWidthFooterLineLength = 21;

struct FooterLine {
    std::u16string text;
    bool journal = false;  // printed on the journal tape as well
    bool doubleWidth = false;
    bool doubleHeight = false;

    bool operator==(const FooterLine&) const = default;
};

// The list's columns "Журнал" ("1" or "0") and "Формат" (double width + 2 x double height).
std::u16string JournalText(const FooterLine& line);
std::u16string FormatText(const FooterLine& line);
// A line from the three columns: journal when "Журнал" is a number other than 0, double width
// and double height from bits 0 and 1 of "Формат".
FooterLine FooterLineFromColumns(std::u16string_view text, std::u16string_view journal,
                                 std::u16string_view format);

// How many characters the line may have: 21 in double width, otherwise 43.
std::size_t FooterLineLimit(bool doubleWidth);

enum class FooterLineProblem {
    None,
    TooLong,        // more than FooterLineLimit characters
    Empty,          // no text
    NotInCodePage,  // a character the register cannot print (the offending one is given)
};

struct FooterLineCheck {
    FooterLineProblem problem = FooterLineProblem::None;
    std::size_t limit = 0;   // for TooLong
    char16_t character = 0;  // for NotInCodePage
};

// The checks of the line dialog's OK, in its order: the length, then an empty text. A
// character the register's code page lacks (it would print "?") or a control character is
// refused last.
FooterLineCheck CheckFooterLine(std::u16string_view text, bool doubleWidth);

// The first character of text that the register cannot print, if any. The Ukrainian and the
// Latin I are the same letter on the register.
std::optional<char16_t> FirstUnprintableCharacter(std::u16string_view text);

// The footer list as the page shows it: its rows and the selected one.
class FooterList {
  public:
    const std::vector<FooterLine>& Rows() const { return m_rows; }
    std::optional<std::size_t> Selected() const { return m_selected; }
    // Selects the row (nothing for an index outside the list).
    void Select(std::optional<std::size_t> row);

    bool CanAdd() const { return m_rows.size() < kMaxFooterLines; }
    bool CanChange() const { return m_selected.has_value(); }
    bool CanMoveUp() const { return m_selected && *m_selected > 0; }
    bool CanMoveDown() const { return m_selected && *m_selected + 1 < m_rows.size(); }

    // Appends a row and selects it; false when the list is full.
    bool Add(FooterLine line);
    // Writes the selected row; false without a selection.
    bool ChangeSelected(FooterLine line);
    // Deletes the selected row; no row is selected afterwards.
    bool DeleteSelected();
    // Move the selected row one place; it stays selected.
    bool MoveSelectedUp();
    bool MoveSelectedDown();

  private:
    std::vector<FooterLine> m_rows;
    std::optional<std::size_t> m_selected;
};

// The commands that set the footer: for lines 0 to 9, "BOTm", the line number, the journal
// digit, the format digit and the text (at most 43 characters) for a row that exists and
// "BOTm" with the number alone for one that does not. An empty list is one "BOTm", which
// erases the whole footer.
std::vector<std::u16string> FooterCommands(std::span<const FooterLine> rows);

}  // namespace orvik::console
