// The register's status tokens and how the core judges them.
#include "device/protocol/status_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/orvik_core.h"
#include "res/string_table.h"
#include "tests/support/link_access_core.h"
#include "tests/support/recording_prompt.h"
#include "tests/unit/print_helpers.h"

using namespace orvik::device;

namespace {

struct Row {
    std::u16string_view token;
    int messageId;  // 0: not fatal
};

// Written out independently of the implementation, in the register's search order.
constexpr Row kExpected[] = {
    {u"SOFTBLOCK", 2000},  {u"SOFTNREP", 2001},    {u"SOFTSYSLOCK", 2002}, {u"SOFTCOMMAN", 2003},
    {u"SOFTPROTOC", 2004}, {u"SOFTZREPOR", 2005},  {u"SOFTFMFULL", 2006},  {u"SOFTTIMER", 2007},
    {u"SOFTPARAM", 2008},  {u"SOFTUPAS", 2009},    {u"SOFTCHECK", 2010},   {u"SOFTFACT", 2011},
    {u"SOFTSLWORK", 2012}, {u"SOFTSLPROG", 2013},  {u"SOFTSLZREP", 2014},  {u"SOFTSLNREP", 2015},
    {u"SOFTREGIST", 0},    {u"SOFTREPL", 0},       {u"SOFTMONEY", 2018},   {u"SOFTOVER", 2019},
    {u"HARDPAPER", 2020},  {u"HARDSENSOR", 2021},  {u"HARDPOINT", 2022},   {u"HARDTXD", 2023},
    {u"HARDTIMER", 2024},  {u"HARDMEMORY", 2025},  {u"HARDLCD", 2039},     {u"SHUTDOWN", 2040},
    {u"SOFTNEED", 2026},   {u"SOFTACTIVE", 2027},  {u"SOFTFMTEST", 2028},  {u"SOFTOPTEST", 2029},
    {u"SOFT24HOUR", 2030}, {u"SOFTDIFART", 2031},  {u"SOFTBADART", 2032},  {u"SOFTCOPY", 2033},
    {u"SOFTOVART", 2034},  {u"SOFTOVTRK", 2035},   {u"SOFTBADDISC", 2036}, {u"SOFFPOSNO", 2037},
    {u"SOFTBADCS", 2041},  {u"SOFTARTMODE", 2042}, {u"SOFTPAPER", 0},
};

TEST(StatusTable, HasEveryRowInOrder) {
    const auto table = orvik::device::StatusTable();
    ASSERT_EQ(table.size(), std::size(kExpected));
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(Utf8(table[i].token), Utf8(kExpected[i].token)) << "row " << i + 1;
        EXPECT_EQ(table[i].messageId, kExpected[i].messageId) << "row " << i + 1;
        EXPECT_EQ(table[i].fatal, kExpected[i].messageId != 0) << "row " << i + 1;
    }
}

TEST(StatusTable, FortyFatalThreeNot) {
    int fatal = 0;
    std::vector<std::string> warnings;
    for (const auto& row : orvik::device::StatusTable()) {
        if (row.fatal) {
            ++fatal;
        } else {
            warnings.push_back(Utf8(row.token));
        }
    }
    EXPECT_EQ(fatal, 40);
    EXPECT_EQ(warnings, (std::vector<std::string>{"SOFTREGIST", "SOFTREPL", "SOFTPAPER"}));
}

TEST(StatusTable, FatalMessagesExistInStringTable) {
    for (const auto& row : orvik::device::StatusTable()) {
        if (row.fatal) {
            EXPECT_NE(orvik::FindString(row.messageId), nullptr)
                << Utf8(row.token) << " -> " << row.messageId;
        }
    }
}

TEST(StatusTable, EveryTokenMatchesItself) {
    // Each token, alone in a reply, is found as itself: no earlier row is contained in it.
    for (const auto& row : orvik::device::StatusTable()) {
        const orvik::device::StatusToken* match = orvik::device::MatchStatus(row.token);
        ASSERT_NE(match, nullptr) << Utf8(row.token);
        EXPECT_EQ(match, &row) << Utf8(row.token) << " matched " << Utf8(match->token);
    }
    EXPECT_EQ(orvik::device::MatchStatus(u"READY"), nullptr);
    EXPECT_EQ(orvik::device::MatchStatus(u"softpaper"), nullptr) << "matching is case-sensitive";
}

class TranslateStatus : public testing::Test {
  protected:
    void SetUp() override { core.SetPrompt(&prompt); }

    std::string LastMessage() const { return Utf8(core.lastMessage); }
    std::string Text(int id) const { return Utf8(orvik::LoadString(id)); }
    std::vector<std::string> Shown() const {
        std::vector<std::string> shown;
        for (const auto& entry : prompt.entries) {
            EXPECT_EQ(entry.kind, RecordingPrompt::Kind::Error);
            shown.push_back(Utf8(entry.text));
        }
        return shown;
    }

    LinkAccessCore core;
    RecordingPrompt prompt;
};

TEST_F(TranslateStatus, PaperWarningLetsCommandGoOn) {
    core.lastMessage = u"earlier";
    EXPECT_TRUE(core.TranslateStatus(u"SOFTPAPER"));
    EXPECT_EQ(LastMessage(), "earlier");
    EXPECT_TRUE(prompt.entries.empty());
}

TEST_F(TranslateStatus, OtherWarningsLetCommandGoOn) {
    EXPECT_TRUE(core.TranslateStatus(u"SOFTREGIST"));
    EXPECT_TRUE(core.TranslateStatus(u"xxSOFTREPLxx"));
    EXPECT_EQ(LastMessage(), "");
    EXPECT_TRUE(prompt.entries.empty());
}

TEST_F(TranslateStatus, PaperOutIsFatalAndShownOnce) {
    EXPECT_FALSE(core.TranslateStatus(u"HARDPAPER"));
    EXPECT_EQ(LastMessage(), Text(2020));
    EXPECT_EQ(Shown(), std::vector<std::string>{Text(2020)});
}

TEST_F(TranslateStatus, KeyPositionTokenIsNotTakenForShorterOne) {
    EXPECT_FALSE(core.TranslateStatus(u"SOFTSLNREP"));
    EXPECT_EQ(LastMessage(), Text(2015));
    EXPECT_NE(Text(2015), Text(2001));
}

TEST_F(TranslateStatus, UnknownTokenShowsWholeReply) {
    EXPECT_FALSE(core.TranslateStatus(u"  SOFTWHATEVER 12"));
    EXPECT_EQ(LastMessage(), "  SOFTWHATEVER 12");
    EXPECT_EQ(Shown(), std::vector<std::string>{"  SOFTWHATEVER 12"});
}

TEST_F(TranslateStatus, ShutdownIsFatal) {
    EXPECT_FALSE(core.TranslateStatus(u"SHUTDOWN"));
    EXPECT_EQ(LastMessage(), Text(2040));
    EXPECT_EQ(Shown(), std::vector<std::string>{Text(2040)});
}

TEST_F(TranslateStatus, TokenInsideLongerReplyIsFound) {
    EXPECT_FALSE(core.TranslateStatus(u"12:00 HARDSENSOR;"));
    EXPECT_EQ(LastMessage(), Text(2021));
}

TEST_F(TranslateStatus, TwoTokensJudgedByTableOrder) {
    // SOFTPAPER comes last in the table, HARDPAPER earlier: the fatal one wins even though the
    // warning stands first in the reply.
    EXPECT_FALSE(core.TranslateStatus(u"SOFTPAPER HARDPAPER"));
    EXPECT_EQ(LastMessage(), Text(2020));
    // SOFTREGIST (row 17) comes before SOFTOVER (row 20): the reply passes.
    prompt.entries.clear();
    EXPECT_TRUE(core.TranslateStatus(u"SOFTOVER SOFTREGIST"));
    EXPECT_TRUE(prompt.entries.empty());
    // SOFTBLOCK (row 1) before SOFTNREP (row 2).
    EXPECT_FALSE(core.TranslateStatus(u"SOFTNREP SOFTBLOCK"));
    EXPECT_EQ(LastMessage(), Text(2000));
}

TEST_F(TranslateStatus, WithoutShowingMessagesResultAndTextAreTheSame) {
    core.showMessages = 0;
    EXPECT_FALSE(core.TranslateStatus(u"HARDPAPER"));
    EXPECT_EQ(LastMessage(), Text(2020));
    EXPECT_FALSE(core.TranslateStatus(u"SOFTWHATEVER"));
    EXPECT_EQ(LastMessage(), "SOFTWHATEVER");
    EXPECT_TRUE(core.TranslateStatus(u"SOFTPAPER"));
    EXPECT_EQ(LastMessage(), "SOFTWHATEVER");
    EXPECT_TRUE(prompt.entries.empty());
}

TEST_F(TranslateStatus, EveryFatalTokenShowsItsOwnMessage) {
    for (const Row& row : kExpected) {
        if (row.messageId == 0) {
            continue;
        }
        prompt.entries.clear();
        EXPECT_FALSE(core.TranslateStatus(row.token)) << Utf8(row.token);
        EXPECT_EQ(LastMessage(), Text(row.messageId)) << Utf8(row.token);
        EXPECT_EQ(Shown(), std::vector<std::string>{Text(row.messageId)}) << Utf8(row.token);
    }
}

}  // namespace
