// The terminal's exchange log: how many entries it keeps, what a line sends, and the report
// file's bytes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/terminal_log.h"
#include "support/text_codec.h"
#include "tests/unit/scratch_folder.h"

using namespace orvik::console;

namespace {

using namespace orvik::console;

std::string Cp1251(std::u16string_view text) {
    return orvik::support::Encode(orvik::support::CodePage::Ansi1251, text);
}

TEST(TerminalLog, KeepsTwoHundredEntriesPlusTheOneBeingAdded) {
    EXPECT_EQ(EntriesToDropBeforeAppend(0), 0u);
    EXPECT_EQ(EntriesToDropBeforeAppend(200), 0u);
    EXPECT_EQ(EntriesToDropBeforeAppend(201), 1u);
    EXPECT_EQ(EntriesToDropBeforeAppend(260), 60u);

    // 250 exchanges of a command and its "READY", appended as the page appends them.
    TerminalLog log;
    std::size_t dropped = 0;
    for (int exchange = 0; exchange < 250; ++exchange) {
        dropped += log.Append(u"CMD" + orvik::support::FromUtf8(std::to_string(exchange)),
                              Direction::Sent);
        ASSERT_LE(log.Size(), 201u);
        dropped += log.Append(u"READY", Direction::Received);
        ASSERT_LE(log.Size(), 201u);
    }
    ASSERT_EQ(log.Size(), 201u);
    // The 500 entries lose their oldest 299: the log starts with exchange 149's reply.
    EXPECT_EQ(dropped, 299u);
    const auto entries = log.Entries();
    EXPECT_EQ(entries.front().text, u"READY");
    EXPECT_EQ(entries[1].text, u"CMD150");
    EXPECT_EQ(entries[1].direction, Direction::Sent);
    EXPECT_EQ(entries.back().text, u"READY");
    EXPECT_EQ(entries.back().direction, Direction::Received);
    EXPECT_EQ(entries[entries.size() - 2].text, u"CMD249");
    // The report is written from the log as it stands.
    EXPECT_EQ(FormatReport(entries).substr(0, 16), "READY\r\n>CMD150\r\n");

    log.Clear();
    EXPECT_TRUE(log.Empty());
    EXPECT_EQ(log.Append(u"NULL", Direction::Sent), 0u);
    EXPECT_EQ(log.Size(), 1u);
}

TEST(TerminalLog, ALineIsSentAsItsFirst254Characters) {
    const std::u16string longLine = u"DATE" + std::u16string(296, u'Ж');
    ASSERT_EQ(longLine.size(), 300u);
    EXPECT_EQ(TerminalLineToSend(longLine), longLine.substr(0, 254));
    const std::u16string exact(254, u'1');
    EXPECT_EQ(TerminalLineToSend(exact), exact);
    // Typed text goes out as it is: blanks, letter case and comment marks included.
    EXPECT_EQ(TerminalLineToSend(u" #prep  "), u" #prep  ");
    EXPECT_EQ(TerminalLineToSend(u""), u"");
}

TEST(TerminalLog, ReportMarksSentCommandsAndEndsEveryLineWithCrLf) {
    const std::vector<LogEntry> exchange{{u"PREP", Direction::Sent},
                                         {u"READY", Direction::Received}};
    EXPECT_EQ(FormatReport(exchange), ">PREP\r\nREADY\r\n");

    const std::vector<LogEntry> mixed{
        {u"FISC Хлеб", Direction::Sent},
        {u"SOFTBLOCK", Direction::Received},
        {u"два\r\nряда\n", Direction::Received},  // a reply's line breaks are dropped
        {u"", Direction::Sent},
        {u">", Direction::Received},
    };
    EXPECT_EQ(FormatReport(mixed), Cp1251(u">FISC Хлеб\r\nSOFTBLOCK\r\nдваряда\r\n>\r\n>\r\n"));
    EXPECT_EQ(FormatReport({}), "");

    ScratchFolder folder;
    const auto path = folder / "exchange.rpt";
    EXPECT_EQ(SaveReport(path, exchange).status, orvik::support::FileWriteStatus::Written);
    EXPECT_EQ(ReadBytes(path), ">PREP\r\nREADY\r\n");
}

TEST(TerminalLog, TellsWhichTextsWindows1251CannotStore) {
    EXPECT_FALSE(LosesCharactersInAnsi(u"Касир ЁёЇїЄєЎў №€ ?"));
    EXPECT_FALSE(LosesCharactersInAnsi(u""));
    EXPECT_TRUE(LosesCharactersInAnsi(u"╔═╗"));  // the wire's box drawing
    EXPECT_TRUE(LosesCharactersInAnsi(u"中"));
    EXPECT_TRUE(LosesCharactersInAnsi(u"a\uFFFDb"));
}

}  // namespace
