// The report operations of the real device core against the simulated register: what each
// sends on every register, the access-level switches of family 1 model 7, and the open receipt
// cancelled first.
#include <gtest/gtest.h>

#include <functional>

#include "res/string_table.h"
#include "tests/integration/report_settings_fixture.h"
#include "tests/support/core_timings.h"

using namespace orvik::device;

namespace sim_test {
namespace {

using ReportOperationsTest = ReportSettingsTest;

struct Report {
    const char* name;
    HRESULT (COrvikCore::*run)();
    const char* command;
    bool cancelsReceipt;
};

// The reports that family 1 model 7 prints at access level 2.
const Report kLeveledReports[] = {
    {"X report", &COrvikCore::PrintXReport, "ZREP1", false},
    {"Z report", &COrvikCore::PrintZReport, "NREP", true},
    {"article report", &COrvikCore::PrintArticleReport, "ARTZ", true},
    {"discount report", &COrvikCore::PrintDiscountReport, "DIZV", true},
};

const Report kPlainReports[] = {
    {"zero receipt", &COrvikCore::PrintZeroReceipt, "NULL", false},
    {"hardware state", &COrvikCore::PrintHardwareState, "HDZV", false},
};

const std::string kLevel2 = "SVSL28391";
const std::string kLevel1 = "SVSL17260";

TEST_F(ReportOperationsTest, EveryRegisterButModel7GetsTheReportCommandAlone) {
    for (const RegisterKind& kind : kAllRegisters) {
        if (kind.family == 1 && kind.model == 7) {
            continue;
        }
        UseRegister(kind);
        for (const Report& report : kLeveledReports) {
            EXPECT_EQ((core.*report.run)(), S_OK) << report.name << ", " << Describe(kind);
            EXPECT_EQ(TakeReceived(), (Texts{report.command}))
                << report.name << ", " << Describe(kind);
        }
        for (const Report& report : kPlainReports) {
            EXPECT_EQ((core.*report.run)(), S_OK) << report.name << ", " << Describe(kind);
            EXPECT_EQ(TakeReceived(), (Texts{report.command}))
                << report.name << ", " << Describe(kind);
        }
    }
    EXPECT_TRUE(prompt.entries.empty());
}

TEST_F(ReportOperationsTest, Model7PrintsAtLevel2AndGoesBackToLevel1) {
    UseRegister({1, 7});
    for (const Report& report : kLeveledReports) {
        EXPECT_EQ((core.*report.run)(), S_OK) << report.name;
        EXPECT_EQ(TakeReceived(), (Texts{kLevel2, report.command, kLevel1})) << report.name;
    }
    // The zero receipt and the hardware state need no level.
    for (const Report& report : kPlainReports) {
        EXPECT_EQ((core.*report.run)(), S_OK) << report.name;
        EXPECT_EQ(TakeReceived(), (Texts{report.command})) << report.name;
    }
}

TEST_F(ReportOperationsTest, Model7GoesBackToLevel1WhenTheReportIsRefused) {
    UseRegister({1, 7});
    for (const Report& report : kLeveledReports) {
        prompt.entries.clear();
        sim.Faults().InjectStatus(
            std::u16string(orvik::support::FromUtf8(report.command)).substr(0, 4), u"SOFTSLNREP");
        EXPECT_EQ((core.*report.run)(), E_UNEXPECTED) << report.name;
        EXPECT_EQ(TakeReceived(), (Texts{kLevel2, report.command, kLevel1})) << report.name;
        // The report's refusal is the one message; the switch back succeeded silently.
        EXPECT_EQ(ShownErrors(), (Texts{Message(2015)})) << report.name;
    }
}

TEST_F(ReportOperationsTest, Model7GoesBackToLevel1WhenTheReportGetsNoAnswer) {
    UseRegister({1, 7});
    ChangeTimings(core, [&](orvik::device::CoreTimings& t) { t.replyTimeout = kShortTimeoutMs; });
    sim.Faults().Silence(u"NREP", 1);
    EXPECT_EQ(core.PrintZReport(), E_ABORT);
    EXPECT_EQ(TakeReceived(), (Texts{kLevel2, "NREP", kLevel1}));
    EXPECT_EQ(ShownErrors(), (Texts{Message(orvik::kStrNoAnswer)}));
}

TEST_F(ReportOperationsTest, Model7RefusedLevelSwitchDoesNotStopTheReportNorDecideItsResult) {
    UseRegister({1, 7});
    sim.Faults().InjectStatus(u"SVSL", u"SOFTSLPROG", 1);
    EXPECT_EQ(core.PrintXReport(), S_OK);
    EXPECT_EQ(TakeReceived(), (Texts{kLevel2, "ZREP1", kLevel1}));
    EXPECT_EQ(ShownErrors(), (Texts{Message(2013)}));

    // Refused on the way back: the report's own success is still the result.
    prompt.entries.clear();
    sim.Scripts().Add(u"SVSL", {u"READY"}, 1);
    sim.Scripts().Add(u"SVSL", {u"SOFTSLPROG"}, 1);
    EXPECT_EQ(core.PrintDiscountReport(), S_OK);
    EXPECT_EQ(TakeReceived(), (Texts{kLevel2, "DIZV", kLevel1}));
    EXPECT_EQ(ShownErrors(), (Texts{Message(2013)}));
}

TEST_F(ReportOperationsTest, OpenReceiptIsCancelledBeforeZArticleAndDiscountReports) {
    for (const RegisterKind& kind : {RegisterKind{1, 4}, RegisterKind{1, 7}}) {
        UseRegister(kind);
        const bool model7 = kind.model == 7;
        for (const Report& report : kLeveledReports) {
            core.receiptOpen = true;
            EXPECT_EQ((core.*report.run)(), S_OK) << report.name << ", " << Describe(kind);
            Texts expected;
            if (report.cancelsReceipt) {
                expected.push_back("CANC");
            }
            if (model7) {
                expected.push_back(kLevel2);
            }
            expected.push_back(report.command);
            if (model7) {
                expected.push_back(kLevel1);
            }
            EXPECT_EQ(TakeReceived(), expected) << report.name << ", " << Describe(kind);
            // The X report leaves the receipt as it is.
            EXPECT_EQ(core.receiptOpen, !report.cancelsReceipt) << report.name;
        }
    }
}

TEST_F(ReportOperationsTest, WithoutAnOpenReceiptNothingIsCancelled) {
    UseRegister({1, 4});
    core.receiptOpen = false;
    EXPECT_EQ(core.PrintZReport(), S_OK);
    EXPECT_EQ(core.PrintArticleReport(), S_OK);
    EXPECT_EQ(core.PrintDiscountReport(), S_OK);
    EXPECT_EQ(TakeReceived(), (Texts{"NREP", "ARTZ", "DIZV"}));
}

TEST_F(ReportOperationsTest, FamilyZeroCancelsFirstToo) {
    UseRegister({0, 1});
    ChangeTimings(core, [&](orvik::device::CoreTimings& t) { t.cancelPause = 10; });
    core.receiptOpen = true;
    EXPECT_EQ(core.PrintZReport(), S_OK);
    EXPECT_EQ(TakeReceived(), (Texts{"CANC", "NREP"}));
    EXPECT_FALSE(core.receiptOpen);
}

TEST_F(ReportOperationsTest, RefusedCancelLeavesTheReceiptOpenAndTheRegisterJudgesTheReport) {
    UseRegister({1, 4});
    core.receiptOpen = true;
    sim.Faults().InjectStatus(u"CANC", u"SOFTSLWORK");
    sim.Faults().InjectStatus(u"NREP", u"SOFTNREP");
    EXPECT_EQ(core.PrintZReport(), E_UNEXPECTED);
    EXPECT_EQ(TakeReceived(), (Texts{"CANC", "NREP"}));
    EXPECT_TRUE(core.receiptOpen);
    EXPECT_EQ(ShownErrors(), (Texts{Message(2012), Message(2001)}));
}

TEST_F(ReportOperationsTest, ZeroZReportOnlyOnModel8) {
    UseRegister({1, 8});
    EXPECT_EQ(core.PrintZeroZReport(), S_OK);
    EXPECT_EQ(TakeReceived(), (Texts{"nrep"}));

    for (const RegisterKind& kind : kAllRegisters) {
        if (kind.family == 1 && kind.model == 8) {
            continue;
        }
        UseRegister(kind);
        core.receiptOpen = true;
        EXPECT_EQ(core.PrintZeroZReport(), E_FAIL) << Describe(kind);
        EXPECT_TRUE(TakeReceivedBeforeMarker().empty()) << Describe(kind);
    }
    UseRegister({-1, -1});
    EXPECT_EQ(core.PrintZeroZReport(), E_FAIL);
    EXPECT_TRUE(TakeReceivedBeforeMarker().empty());
    EXPECT_TRUE(prompt.entries.empty());
}

TEST_F(ReportOperationsTest, RefusedReportReturnsTheRegistersVerdict) {
    UseRegister({1, 6});
    sim.Faults().InjectStatus(u"ZREP", u"SOFTSLZREP");
    EXPECT_EQ(core.PrintXReport(), E_UNEXPECTED);
    EXPECT_EQ(Utf8(core.lastMessage), Message(2014));

    ChangeTimings(core, [&](orvik::device::CoreTimings& t) { t.replyTimeout = kShortTimeoutMs; });
    sim.Faults().Silence(u"HDZV", 1);
    EXPECT_EQ(core.PrintHardwareState(), E_ABORT);
    EXPECT_EQ(Utf8(core.lastMessage), Message(orvik::kStrNoAnswer));
    EXPECT_EQ(TakeReceived(), (Texts{"ZREP1", "HDZV"}));
}

}  // namespace
}  // namespace sim_test
