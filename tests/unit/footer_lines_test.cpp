// The receipt footer: a line's encoding in the list, the checks of a line as it is entered,
// the list's editing and buttons, and the commands that set the footer.
#include <gtest/gtest.h>

#include "console/footer_lines.h"
#include "tests/unit/print_helpers.h"

using namespace orvik::console;

namespace {

FooterList ListOf(std::size_t rows) {
    FooterList list;
    for (std::size_t i = 0; i < rows; ++i) {
        list.Add(FooterLine{u"Строка " + std::u16string(1, static_cast<char16_t>(u'0' + i))});
    }
    return list;
}

TEST(FooterLineColumns, EncodeAndDecodeBothWays) {
    struct Row {
        bool journal, width, height;
        const char* journalText;
        const char* formatText;
    };
    for (const Row& row : std::vector<Row>{{false, false, false, "0", "0"},
                                           {true, false, false, "1", "0"},
                                           {false, true, false, "0", "1"},
                                           {false, false, true, "0", "2"},
                                           {true, true, true, "1", "3"}}) {
        const FooterLine line{u"Текст", row.journal, row.width, row.height};
        EXPECT_EQ(Utf8(JournalText(line)), row.journalText);
        EXPECT_EQ(Utf8(FormatText(line)), row.formatText);
        // Editing the row checks the same boxes again.
        EXPECT_EQ(FooterLineFromColumns(line.text, JournalText(line), FormatText(line)), line)
            << row.formatText;
    }
    // Any journal number but 0 is the journal.
    EXPECT_TRUE(FooterLineFromColumns(u"x", u"7", u"0").journal);
    EXPECT_FALSE(FooterLineFromColumns(u"x", u"", u"").journal);
}

TEST(FooterLineCheck, LengthFirstThenEmptyThenTheCodePage) {
    struct Case {
        const char* what;
        std::u16string text;
        bool doubleWidth;
        FooterLineProblem problem;
        std::size_t limit = 0;
        char16_t character = 0;
    };
    const std::u16string thirty(30, u'Ж');
    const std::vector<Case> cases{
        {"30 characters in double width", thirty, true, FooterLineProblem::TooLong, 21},
        {"30 characters in normal width", thirty, false, FooterLineProblem::None},
        {"21 in double width", std::u16string(21, u'Ж'), true, FooterLineProblem::None},
        {"43 in normal width", std::u16string(43, u'a'), false, FooterLineProblem::None},
        {"44 in normal width", std::u16string(44, u'a'), false, FooterLineProblem::TooLong, 43},
        {"empty", u"", false, FooterLineProblem::Empty},
        {"a euro sign", u"Ціна 5 €", false, FooterLineProblem::NotInCodePage, 0, u'€'},
        {"a Ukrainian Є is in the code page", u"ДЯКУЄМО", false, FooterLineProblem::None},
        {"the Ukrainian I travels as the Latin one", u"ДЯКІ", false, FooterLineProblem::None},
        {"a question mark is a character", u"Чому?", false, FooterLineProblem::None},
        {"a tab", u"a\tb", false, FooterLineProblem::NotInCodePage, 0, u'\t'},
    };
    for (const Case& c : cases) {
        const FooterLineCheck check = CheckFooterLine(c.text, c.doubleWidth);
        EXPECT_EQ(check.problem, c.problem) << c.what;
        if (c.problem == FooterLineProblem::TooLong) {
            EXPECT_EQ(check.limit, c.limit) << c.what;
        }
        if (c.problem == FooterLineProblem::NotInCodePage) {
            EXPECT_EQ(check.character, c.character) << c.what;
        }
    }
}

TEST(FooterListEditing, AddSelectsAndTenRowsFillTheList) {
    FooterList list = ListOf(9);
    EXPECT_EQ(list.Selected(), 8u);
    EXPECT_TRUE(list.CanAdd());
    EXPECT_TRUE(list.Add(FooterLine{u"десятая"}));
    EXPECT_FALSE(list.CanAdd());
    EXPECT_FALSE(list.Add(FooterLine{u"одиннадцатая"}));
    EXPECT_EQ(list.Rows().size(), 10u);
    // Deleting one makes room again and leaves nothing selected.
    list.Select(3);
    EXPECT_TRUE(list.DeleteSelected());
    EXPECT_TRUE(list.CanAdd());
    EXPECT_FALSE(list.Selected());
    EXPECT_FALSE(list.CanChange());
    EXPECT_FALSE(list.DeleteSelected());
}

TEST(FooterListEditing, RowsMoveOnePlaceAndStaySelected) {
    FooterList list = ListOf(3);
    list.Select(0);
    EXPECT_FALSE(list.CanMoveUp());
    EXPECT_TRUE(list.CanMoveDown());
    EXPECT_TRUE(list.MoveSelectedDown());
    EXPECT_EQ(list.Selected(), 1u);
    EXPECT_EQ(Utf8(list.Rows()[1].text), "Строка 0");
    EXPECT_TRUE(list.MoveSelectedDown());
    EXPECT_FALSE(list.CanMoveDown());
    EXPECT_FALSE(list.MoveSelectedDown());
    EXPECT_TRUE(list.MoveSelectedUp());
    EXPECT_EQ(list.Selected(), 1u);
    std::vector<std::string> order;
    for (const FooterLine& line : list.Rows()) {
        order.push_back(Utf8(line.text));
    }
    EXPECT_EQ(order, (std::vector<std::string>{"Строка 1", "Строка 0", "Строка 2"}));
    // A selection outside the list is none.
    list.Select(7);
    EXPECT_FALSE(list.Selected());
    EXPECT_FALSE(list.MoveSelectedUp());
}

TEST(FooterListEditing, ChangeWritesTheSelectedRow) {
    FooterList list = ListOf(2);
    list.Select(0);
    const FooterLine changed{u"Новая", true, true, true};
    EXPECT_TRUE(list.ChangeSelected(changed));
    EXPECT_EQ(list.Rows()[0], changed);
    EXPECT_EQ(list.Selected(), 0u);
}

TEST(FooterCommands, TwoRowsAreTenCommands) {
    const std::vector<FooterLine> rows{{u"Спасибо", true, false, false},
                                       {u"ЗА ПОКУПКУ", false, true, true}};
    std::vector<std::string> commands;
    for (const std::u16string& command : FooterCommands(rows)) {
        commands.push_back(Utf8(command));
    }
    EXPECT_EQ(commands,
              (std::vector<std::string>{"BOTm010Спасибо", "BOTm103ЗА ПОКУПКУ", "BOTm2", "BOTm3",
                                        "BOTm4", "BOTm5", "BOTm6", "BOTm7", "BOTm8", "BOTm9"}));
}

TEST(FooterCommands, AnEmptyListErasesTheFooterAndTextsAreCut) {
    EXPECT_EQ(FooterCommands({}), std::vector<std::u16string>{u"BOTm"});
    const std::vector<FooterLine> longRow{{std::u16string(50, u'x')}};
    EXPECT_EQ(FooterCommands(longRow)[0], u"BOTm000" + std::u16string(43, u'x'));
}

}  // namespace
