// The settings and reports pages' state against the real core and a simulated register, with
// no window: the Z-report sequence the page and the command line share, and what a refresh
// reads from the register on each kind of register.
#include <gtest/gtest.h>

#include "console/device_settings_page.h"
#include "console/reports_page.h"
#include "console/z_report_sequence.h"
#include "tests/integration/report_settings_fixture.h"

using namespace orvik::device;

namespace sim_test {
namespace {

using orvik::console::DeviceSettingsState;
using orvik::console::ReportsPageState;
using orvik::console::RunZReport;
using orvik::console::ZReportKind;
using orvik::support::LocalDateTime;

using ConsolePageStateTest = ReportSettingsTest;

const RegisterKind kModel8{1, 8};
const RegisterKind kModel4{1, 4};

LocalDateTime Today() {
    return LocalDateTime{2025, 3, 15, 10, 20, 30};
}

TEST_F(ConsolePageStateTest, ZReportReadsTheCountersWhateverItsResult) {
    UseRegister(kModel8);
    auto outcome = RunZReport(core, ZReportKind::Ordinary);
    EXPECT_EQ(outcome.result, S_OK);
    EXPECT_TRUE(outcome.countersRead);
    EXPECT_EQ(TakeReceived(), (Texts{"NREP", "GLCN"}));
    // The counters answer: last Z report 42, a Z report made.
    EXPECT_EQ(core.printerInfo.lastZReportNumber, 42);
    EXPECT_EQ(core.printerInfo.zReportMade, 1);

    // Refused (the key is not at Z): the register's counters are still asked for.
    core.printerInfo.lastZReportNumber = 1;
    sim.Faults().InjectStatus(u"NREP", u"SOFTSLNREP");
    outcome = RunZReport(core, ZReportKind::Ordinary);
    EXPECT_FALSE(Succeeded(outcome.result));
    EXPECT_TRUE(outcome.countersRead);
    EXPECT_EQ(TakeReceived(), (Texts{"NREP", "GLCN"}));
    EXPECT_EQ(core.printerInfo.lastZReportNumber, 42);
    EXPECT_EQ(prompt.entries.size(), 1u);

    outcome = RunZReport(core, ZReportKind::Zero);
    EXPECT_EQ(outcome.result, S_OK);
    EXPECT_EQ(TakeReceived(), (Texts{"nrep", "GLCN"}));
}

TEST_F(ConsolePageStateTest, ZeroZReportSendsNothingToOtherRegisters) {
    for (const RegisterKind& kind : kAllRegisters) {
        if (kind.family == 1 && kind.model == 8) {
            continue;
        }
        UseRegister(kind);
        const auto outcome = RunZReport(core, ZReportKind::Zero);
        EXPECT_EQ(outcome.result, E_FAIL) << Describe(kind);
        EXPECT_FALSE(outcome.countersRead) << Describe(kind);
        EXPECT_TRUE(TakeReceivedBeforeMarker().empty()) << Describe(kind);
    }
}

TEST_F(ConsolePageStateTest, SettingsRefreshReadsWhatTheRegisterTells) {
    core.SetLocalClock(Today);
    core.articleMode = 2;
    core.printerInfo.ownerLine3 = u"Кафе              ";

    DeviceSettingsState settings;
    UseRegister(kModel8);
    settings.Refresh(&core);
    EXPECT_EQ(TakeReceived(), (Texts{"GETD", "CUTR"}));
    // "CUTR101": cutter on, beeper off, partial cut on.
    EXPECT_TRUE(settings.values.cutter);
    EXPECT_FALSE(settings.values.beeper);
    EXPECT_TRUE(settings.values.partialCut);
    EXPECT_TRUE(settings.Capabilities().partialCut);
    // The clock as the register reads it: 2009-03-05 14:07:09.
    EXPECT_EQ(settings.values.clock.year, 2009);
    EXPECT_EQ(settings.values.clock.hour, 14);
    EXPECT_EQ(settings.values.clock.second, 9);
    EXPECT_EQ(settings.values.articleMode, 2);
    EXPECT_EQ(Utf8(settings.values.header), "Кафе");

    // Another register is not asked for its cutter: the page keeps what it had.
    settings.values.beeper = true;
    UseRegister(kModel4);
    settings.Refresh(&core);
    EXPECT_EQ(TakeReceived(), (Texts{"GETD"}));
    EXPECT_TRUE(settings.values.beeper);
    EXPECT_FALSE(settings.Capabilities().partialCut);

    // A clock with month 13 is no time: the computer's is offered.
    sim.RegisterCommand(u"GETD", [](std::u16string_view, orvik::sim::RegisterState&) {
        return orvik::sim::Replies{u"GETD20091305140709", u"READY"};
    });
    settings.Refresh(&core);
    EXPECT_EQ(settings.values.clock.year, 2025);
    EXPECT_EQ(settings.values.clock.hour, 10);
    EXPECT_EQ(settings.values.clock.second, 30);
    EXPECT_TRUE(prompt.entries.empty());
}

TEST_F(ConsolePageStateTest, ReportsRefreshOffersTheZeroZReportOnModel8Only) {
    core.SetLocalClock(Today);
    ReportsPageState reports;
    reports.Refresh(nullptr);
    EXPECT_FALSE(reports.ZeroZReportVisible() || reports.ZeroZReportEnabled());

    struct Row {
        RegisterKind kind;
        int zReportMade;
        bool visible;
        bool enabled;
    };
    const Row rows[] = {
        {kModel8, 0, true, false}, {kModel8, 1, true, true},  {kModel4, 1, false, false},
        {{0, 0}, 1, false, false}, {{1, 7}, 1, false, false},
    };
    for (const Row& row : rows) {
        UseRegister(row.kind);
        core.printerInfo.zReportMade = row.zReportMade;
        core.printerInfo.lastZReportNumber = 17;
        reports.values.fromNumber = u"5";
        reports.Refresh(&core);
        EXPECT_EQ(reports.ZeroZReportVisible(), row.visible) << Describe(row.kind);
        EXPECT_EQ(reports.ZeroZReportEnabled(), row.enabled) << Describe(row.kind);
        EXPECT_EQ(Utf8(reports.values.fromNumber), "1");
        EXPECT_EQ(Utf8(reports.values.toNumber), "17");
        EXPECT_EQ(reports.values.fromDate.month, 2);
        EXPECT_EQ(reports.values.toDate.day, 28);
    }
    // A refresh asks the register nothing.
    EXPECT_TRUE(TakeReceivedBeforeMarker().empty());
}

}  // namespace
}  // namespace sim_test
