// The periodic fiscal reports of the real device core against the simulated register: the
// range as the register receives it, in order, in both forms.
#include <gtest/gtest.h>

#include "tests/integration/report_settings_fixture.h"

using namespace orvik::device;

namespace sim_test {
namespace {

using ReportPeriodicTest = ReportSettingsTest;

orvik::support::LocalDateTime Date(int year, int month, int day, int hour = 0, int minute = 0) {
    orvik::support::LocalDateTime date;
    date.year = year;
    date.month = month;
    date.day = day;
    date.hour = hour;
    date.minute = minute;
    return date;
}

TEST_F(ReportPeriodicTest, DatesGoOutAsYearMonthDayEarlierFirstInBothForms) {
    UseRegister({1, 4});
    EXPECT_EQ(core.PrintPeriodicReportByDates(Date(2009, 3, 5), Date(2009, 3, 31), false), S_OK);
    EXPECT_EQ(core.PrintPeriodicReportByDates(Date(2009, 3, 31), Date(2009, 3, 5), false), S_OK);
    EXPECT_EQ(core.PrintPeriodicReportByDates(Date(2009, 3, 5), Date(2009, 3, 31), true), S_OK);
    EXPECT_EQ(core.PrintPeriodicReportByDates(Date(2010, 1, 1), Date(2009, 12, 31), true), S_OK);
    // The same day twice, and the time of day plays no part even when it runs backwards.
    EXPECT_EQ(
        core.PrintPeriodicReportByDates(Date(2009, 3, 5, 23, 59), Date(2009, 3, 5, 0, 1), false),
        S_OK);
    EXPECT_EQ(TakeReceived(),
              (Texts{"IREP2009030520090331", "IREP2009030520090331", "FIRP2009030520090331",
                     "FIRP2009123120100101", "IREP2009030520090305"}));
    EXPECT_TRUE(prompt.entries.empty());
}

TEST_F(ReportPeriodicTest, DaysTheCalendarDoesNotHaveAreRefusedUnsent) {
    UseRegister({1, 8});
    EXPECT_EQ(core.PrintPeriodicReportByDates(Date(2009, 2, 29), Date(2009, 3, 5), false),
              E_INVALIDARG);
    EXPECT_EQ(core.PrintPeriodicReportByDates(Date(2009, 3, 5), Date(2009, 13, 1), true),
              E_INVALIDARG);
    EXPECT_EQ(core.PrintPeriodicReportByDates(Date(12009, 3, 5), Date(2009, 3, 5), true),
              E_INVALIDARG);
    EXPECT_TRUE(TakeReceivedBeforeMarker().empty());
    // A leap day is a day.
    EXPECT_EQ(core.PrintPeriodicReportByDates(Date(2008, 2, 29), Date(2008, 2, 1), false), S_OK);
    EXPECT_EQ(TakeReceived(), (Texts{"IREP2008020120080229"}));
}

TEST_F(ReportPeriodicTest, ZReportNumbersGoOutAsFourDigitsSmallerFirst) {
    UseRegister({0, 0});
    EXPECT_EQ(core.PrintPeriodicReportByNumbers(12, 15, false), S_OK);
    EXPECT_EQ(core.PrintPeriodicReportByNumbers(15, 12, false), S_OK);
    EXPECT_EQ(core.PrintPeriodicReportByNumbers(15, 12, true), S_OK);
    EXPECT_EQ(core.PrintPeriodicReportByNumbers(4000, 1, true), S_OK);
    EXPECT_EQ(core.PrintPeriodicReportByNumbers(7, 7, false), S_OK);
    EXPECT_EQ(TakeReceived(), (Texts{"IREN00120015", "IREN00120015", "FIRN00120015", "FIRN00014000",
                                     "IREN00070007"}));
}

TEST_F(ReportPeriodicTest, RefusedReportFailsWithTheRegistersMessage) {
    UseRegister({1, 3});
    sim.Faults().InjectStatus(u"IREN", u"SOFTSLZREP");
    EXPECT_EQ(core.PrintPeriodicReportByNumbers(1, 2, false), E_UNEXPECTED);
    EXPECT_EQ(prompt.Count(RecordingPrompt::Kind::Error), 1);
    EXPECT_FALSE(core.lastMessage.empty());
}

}  // namespace
}  // namespace sim_test
