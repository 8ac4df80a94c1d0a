// The command texts of the periodic fiscal reports.
#include "device/protocol/report_commands.h"

#include <gtest/gtest.h>

#include "tests/unit/print_helpers.h"

using namespace orvik::support;
using namespace orvik::device;

using orvik::device::BuildPeriodicReportByDatesCommand;
using orvik::device::BuildPeriodicReportByNumbersCommand;
using orvik::device::IsReportDate;
using orvik::support::LocalDateTime;

namespace {
LocalDateTime Date(int year, int month, int day) {
    LocalDateTime date;
    date.year = year;
    date.month = month;
    date.day = day;
    return date;
}
}  // namespace

TEST(PeriodicReportByDates, YearOutranksMonthOutranksDay) {
    EXPECT_EQ(Utf8(BuildPeriodicReportByDatesCommand(Date(2009, 1, 1), Date(2008, 12, 31), false)),
              "IREP2008123120090101");
    EXPECT_EQ(Utf8(BuildPeriodicReportByDatesCommand(Date(2009, 2, 1), Date(2009, 1, 31), false)),
              "IREP2009013120090201");
    EXPECT_EQ(Utf8(BuildPeriodicReportByDatesCommand(Date(2009, 3, 6), Date(2009, 3, 5), false)),
              "IREP2009030520090306");
    // Years before 1000 keep four digits.
    EXPECT_EQ(Utf8(BuildPeriodicReportByDatesCommand(Date(999, 1, 2), Date(999, 1, 2), false)),
              "IREP0999010209990102");
}

TEST(PeriodicReportByDates, OnlyDaysTheCommandCanHoldAreReportDates) {
    EXPECT_TRUE(IsReportDate(Date(2009, 3, 5)));
    EXPECT_TRUE(IsReportDate(Date(2008, 2, 29)));
    EXPECT_TRUE(IsReportDate(Date(1, 1, 1)));
    EXPECT_TRUE(IsReportDate(Date(9999, 12, 31)));
    EXPECT_FALSE(IsReportDate(Date(2009, 2, 29)));
    EXPECT_FALSE(IsReportDate(Date(2009, 4, 31)));
    EXPECT_FALSE(IsReportDate(Date(2009, 0, 5)));
    EXPECT_FALSE(IsReportDate(Date(2009, 13, 5)));
    EXPECT_FALSE(IsReportDate(Date(2009, 3, 0)));
    EXPECT_FALSE(IsReportDate(Date(0, 3, 5)));
    EXPECT_FALSE(IsReportDate(Date(10000, 1, 1)));
    EXPECT_FALSE(IsReportDate(Date(-2009, 3, 5)));
}

TEST(PeriodicReportByNumbers, BeyondFourDigitsTheProtocolCuts) {
    // The page and the command line keep the numbers within 1 to 4000.
    EXPECT_EQ(Utf8(BuildPeriodicReportByNumbersCommand(12345, 1, false)), "IREN00011234");
    EXPECT_EQ(Utf8(BuildPeriodicReportByNumbersCommand(-1, 3, true)), "FIRN42940003");
}
