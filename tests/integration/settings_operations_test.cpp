// The settings operations of the real device core against the simulated register: the command
// texts on each register, the per-model header limits, and the article mode read back.
#include <gtest/gtest.h>

#include <string>

#include "device/protocol/settings_commands.h"
#include "res/string_table.h"
#include "tests/integration/report_settings_fixture.h"
#include "tests/support/core_timings.h"

using namespace orvik::device;

namespace sim_test {
namespace {

using SettingsOperationsTest = ReportSettingsTest;

orvik::support::LocalDateTime Time(int hour, int minute, int second) {
    orvik::support::LocalDateTime time;
    time.year = 2031;
    time.month = 12;
    time.day = 24;
    time.hour = hour;
    time.minute = minute;
    time.second = second;
    return time;
}

TEST_F(SettingsOperationsTest, ClockSendsOnlyTheTimeOfDay) {
    UseRegister({1, 4});
    EXPECT_EQ(core.SetClock(Time(14, 7, 9)), S_OK);
    EXPECT_EQ(core.SetClock(Time(0, 0, 0)), S_OK);
    EXPECT_EQ(core.SetClock(Time(23, 59, 59)), S_OK);
    EXPECT_EQ(TakeReceived(), (Texts{"CTIM140709", "CTIM000000", "CTIM235959"}));

    // A time the clock does not have would be read as another one: refused unsent.
    EXPECT_EQ(core.SetClock(Time(24, 0, 0)), E_INVALIDARG);
    EXPECT_EQ(core.SetClock(Time(123, 0, 0)), E_INVALIDARG);
    EXPECT_EQ(core.SetClock(Time(12, 60, 0)), E_INVALIDARG);
    EXPECT_EQ(core.SetClock(Time(12, 0, -1)), E_INVALIDARG);
    EXPECT_TRUE(TakeReceivedBeforeMarker().empty());
    EXPECT_TRUE(prompt.entries.empty());
}

TEST_F(SettingsOperationsTest, DateTimeQueryReturnsTheRegistersDigitsOrNothing) {
    UseRegister({0, 1});
    const std::u16string answer = core.QueryDateTime();
    EXPECT_EQ(Utf8(answer), "20090305140709");
    const auto clock = orvik::device::ParseRegisterDateTime(answer);
    ASSERT_TRUE(clock.has_value());
    EXPECT_EQ(clock->year, 2009);
    EXPECT_EQ(clock->second, 9);

    // A status token: empty, nothing shown.
    sim.Faults().InjectStatus(u"GETD", u"SOFTSLPROG");
    EXPECT_TRUE(core.QueryDateTime().empty());
    EXPECT_TRUE(prompt.entries.empty());

    // No answer: empty, with the no-answer message.
    ChangeTimings(core,
                  [&](orvik::device::CoreTimings& t) { t.configReplyTimeout = kShortTimeoutMs; });
    sim.Faults().Silence(u"GETD", 1);
    EXPECT_TRUE(core.QueryDateTime().empty());
    EXPECT_EQ(ShownErrors(), (Texts{Message(orvik::kStrNoAnswer)}));
    EXPECT_EQ(TakeReceived(), (Texts{"GETD", "GETD", "GETD"}));
}

TEST_F(SettingsOperationsTest, CutterOptionsAreAskedOfModel8Only) {
    UseRegister({1, 8});
    EXPECT_EQ(Utf8(core.QueryCutterOptions()), "101");
    EXPECT_EQ(TakeReceived(), (Texts{"CUTR"}));

    // Elsewhere "CUTR" alone would be taken as a setting.
    for (const RegisterKind& kind : kAllRegisters) {
        if (kind.family == 1 && kind.model == 8) {
            continue;
        }
        UseRegister(kind);
        EXPECT_TRUE(core.QueryCutterOptions().empty()) << Describe(kind);
        EXPECT_TRUE(TakeReceivedBeforeMarker().empty()) << Describe(kind);
    }
}

TEST_F(SettingsOperationsTest, CutterAndBeeperOnFamily1WithThePartialCutOnModel8) {
    UseRegister({1, 3});
    EXPECT_EQ(core.SetCutterAndBeeper(5, 0, 1), S_OK);
    EXPECT_EQ(core.SetCutterAndBeeper(0, -2, 1), S_OK);
    UseRegister({1, 7});
    EXPECT_EQ(core.SetCutterAndBeeper(1, 1, 0), S_OK);
    UseRegister({1, 8});
    EXPECT_EQ(core.SetCutterAndBeeper(5, 0, 1), S_OK);
    EXPECT_EQ(core.SetCutterAndBeeper(0, 1, 0), S_OK);
    EXPECT_EQ(TakeReceived(), (Texts{"CUTR10", "CUTR01", "CUTR11", "CUTR101", "CUTR010"}));

    for (const RegisterKind& kind :
         {RegisterKind{0, 0}, RegisterKind{0, 1}, RegisterKind{-1, -1}}) {
        UseRegister(kind);
        EXPECT_EQ(core.SetCutterAndBeeper(1, 1, 1), E_FAIL) << Describe(kind);
        EXPECT_TRUE(TakeReceivedBeforeMarker().empty()) << Describe(kind);
    }
    EXPECT_TRUE(prompt.entries.empty());
}

TEST_F(SettingsOperationsTest, ArticleModeIsReadBackFromTheCountersAfterSuccess) {
    UseRegister({1, 8});
    core.articleMode = 0;
    core.printerInfo.lastZReportNumber = 1;
    EXPECT_EQ(core.SetArticleMode(2), S_OK);
    EXPECT_EQ(TakeReceived(), (Texts{"ARMO2", "GLCN"}));
    // The register's answer, not the requested mode, is what the core now knows.
    EXPECT_EQ(core.articleMode, 2);
    EXPECT_EQ(core.printerInfo.maxArticleNumber, 999999999);
    EXPECT_EQ(core.printerInfo.zReportMade, 1);
    EXPECT_EQ(core.printerInfo.lastZReportNumber, 42);
}

TEST_F(SettingsOperationsTest, RefusedArticleModeIsNotReadBack) {
    UseRegister({1, 6});
    core.articleMode = 1;
    sim.Faults().InjectStatus(u"ARMO", u"SOFTSLPROG");
    EXPECT_EQ(core.SetArticleMode(0), E_UNEXPECTED);
    EXPECT_EQ(TakeReceivedBeforeMarker(), (Texts{"ARMO0"}));
    EXPECT_EQ(core.articleMode, 1);
    EXPECT_EQ(ShownErrors(), (Texts{Message(2013)}));
}

TEST_F(SettingsOperationsTest, HeaderAndFooterAreCutToTheRegistersLine) {
    const std::u16string forty = u"Магазин \"Орвик\" - добро пожаловать!!!!!!";
    ASSERT_EQ(forty.size(), 40u);
    const std::string utf8Forty = Utf8(forty);
    const auto first = [&](std::size_t n) { return Utf8(forty.substr(0, n)); };

    UseRegister({1, 2});
    EXPECT_EQ(core.SetHeaderText(forty), S_OK);
    EXPECT_EQ(core.SetFooterText(forty), S_OK);
    EXPECT_EQ(TakeReceived(), (Texts{"HEAD" + first(36), "BOTM" + first(36)}));

    UseRegister({1, 4});
    EXPECT_EQ(core.SetHeaderText(forty), S_OK);
    EXPECT_EQ(core.SetFooterText(forty), S_OK);
    EXPECT_EQ(TakeReceived(), (Texts{"HEAD" + utf8Forty, "BOTM" + utf8Forty}));

    UseRegister({0, 0});
    EXPECT_EQ(core.SetHeaderText(forty), S_OK);
    EXPECT_EQ(core.SetFooterText(forty), S_OK);
    EXPECT_EQ(TakeReceived(), (Texts{"HEAD" + first(18), "BOTM" + first(18)}));

    // Shorter texts go out whole, an empty one as the bare command.
    UseRegister({0, 1});
    EXPECT_EQ(core.SetHeaderText(u"Касса 1"), S_OK);
    EXPECT_EQ(core.SetFooterText(u""), S_OK);
    EXPECT_EQ(TakeReceived(), (Texts{"HEADКасса 1", "BOTM"}));
}

TEST_F(SettingsOperationsTest, TheRecordOfTheHeaderIsTheLineTheRegisterTook) {
    const std::u16string forty = u"Магазин \"Орвик\" - добро пожаловать!!!!!!";
    UseRegister({1, 2});
    const std::u16string before = core.PrinterInfo().ownerLine3;
    sim.RegisterCommand(u"HEAD", [](std::u16string_view, orvik::sim::RegisterState&) {
        return orvik::sim::Replies{u"HARDPAPER"};
    });
    EXPECT_EQ(core.SetHeaderText(forty), E_UNEXPECTED);
    EXPECT_EQ(core.PrinterInfo().ownerLine3, before);

    sim.RegisterCommand(u"HEAD", [](std::u16string_view, orvik::sim::RegisterState&) {
        return orvik::sim::Replies{u"READY"};
    });
    EXPECT_EQ(core.SetHeaderText(forty), S_OK);
    // The line the register took, cut to what it prints.
    EXPECT_EQ(core.PrinterInfo().ownerLine3, forty.substr(0, 36));
}

TEST_F(SettingsOperationsTest, HeaderLimitOfEveryModel) {
    const std::u16string fifty(50, u'Ж');
    for (const RegisterKind& kind : kAllRegisters) {
        UseRegister(kind);
        const std::size_t expected = kind.family == 0 ? 18 : (kind.model >= 3 ? 43 : 36);
        EXPECT_EQ(core.SetHeaderText(fifty), S_OK) << Describe(kind);
        const Texts sent = TakeReceived();
        ASSERT_EQ(sent.size(), 1u) << Describe(kind);
        EXPECT_EQ(sent[0], "HEAD" + Utf8(fifty.substr(0, expected))) << Describe(kind);
    }
}

TEST_F(SettingsOperationsTest, UnknownRegisterKeepsItsHeaderAndFooter) {
    // Before a configuration has been read the line limit is not known; an empty line would
    // erase what the register prints.
    UseRegister({-1, -1});
    EXPECT_EQ(core.SetHeaderText(u"Касса"), E_FAIL);
    EXPECT_EQ(core.SetFooterText(u"Дякуємо"), E_FAIL);
    EXPECT_TRUE(TakeReceivedBeforeMarker().empty());
    EXPECT_TRUE(prompt.entries.empty());
}

TEST_F(SettingsOperationsTest, TaxModesMessageSetAndDepartment) {
    UseRegister({0, 1});
    EXPECT_EQ(core.SetTaxCalculationMode(0), S_OK);
    EXPECT_EQ(core.SetTaxCalculationMode(1), S_OK);
    EXPECT_EQ(core.SetTaxPrintMode(0), S_OK);
    EXPECT_EQ(core.SetTaxPrintMode(1), S_OK);
    for (int set = 0; set <= 3; ++set) {
        EXPECT_EQ(core.SetMessageSet(set), S_OK);
    }
    // The page's default mnemonic: its Ukrainian i travels as a Latin i.
    EXPECT_EQ(core.SetDepartmentMnemonic(u"Відд."), S_OK);
    EXPECT_EQ(TakeReceived(), (Texts{"PPMD", "PPMD1", "PPOD1", "PPOD", "TMOD0", "TMOD1", "TMOD2",
                                     "TMOD3", "DEPTВiдд."}));
}

TEST_F(SettingsOperationsTest, DepartmentGoesOutAsGivenUpToTheLongestCommand) {
    UseRegister({1, 4});
    const std::u16string longest(250, u'Ы');
    EXPECT_EQ(core.SetDepartmentMnemonic(longest), S_OK);
    EXPECT_EQ(TakeReceived(), (Texts{"DEPT" + Utf8(longest)}));
    EXPECT_EQ(core.SetDepartmentMnemonic(longest + u"Ы"), E_INVALIDARG);
    EXPECT_TRUE(TakeReceivedBeforeMarker().empty());
}

TEST_F(SettingsOperationsTest, RefusedSettingFailsWithTheRegistersMessage) {
    UseRegister({1, 4});
    sim.Faults().InjectStatus(u"HEAD", u"SOFTSLPROG");
    EXPECT_EQ(core.SetHeaderText(u"Касса"), E_UNEXPECTED);
    EXPECT_EQ(ShownErrors(), (Texts{Message(2013)}));

    ChangeTimings(core, [&](orvik::device::CoreTimings& t) { t.replyTimeout = kShortTimeoutMs; });
    sim.Faults().Silence(u"TMOD", 1);
    EXPECT_EQ(core.SetMessageSet(2), E_ABORT);
    EXPECT_EQ(Utf8(core.lastMessage), Message(orvik::kStrNoAnswer));
}

}  // namespace
}  // namespace sim_test
