// The reports page's rules without a window: the default date range after a refresh and the
// Z-report number fields.
#include <gtest/gtest.h>

#include "console/reports_page.h"
#include "tests/unit/print_helpers.h"

namespace {

using orvik::console::ParseZReportNumber;
using orvik::console::PreviousCalendarMonth;
using orvik::support::LocalDateTime;

LocalDateTime Date(int year, int month, int day, int hour = 0) {
    LocalDateTime date;
    date.year = year;
    date.month = month;
    date.day = day;
    date.hour = hour;
    return date;
}

std::string Text(const LocalDateTime& date) {
    char text[16];
    std::snprintf(text, sizeof(text), "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

struct MonthRow {
    LocalDateTime today;
    const char* from;
    const char* to;
};

TEST(ReportsPageRules, DefaultDatesCoverThePreviousCalendarMonth) {
    const MonthRow rows[] = {
        {Date(2025, 3, 15), "2025-02-01", "2025-02-28"},
        // A leap year's February has its 29th day; the range must not leave it out.
        {Date(2024, 3, 15), "2024-02-01", "2024-02-29"},
        {Date(2100, 3, 1), "2100-02-01", "2100-02-28"},
        {Date(2000, 3, 31), "2000-02-01", "2000-02-29"},
        // January: December of the year before.
        {Date(2025, 1, 10), "2024-12-01", "2024-12-31"},
        {Date(2025, 1, 1, 23), "2024-12-01", "2024-12-31"},
        {Date(2025, 5, 31), "2025-04-01", "2025-04-30"},
        {Date(2025, 12, 1), "2025-11-01", "2025-11-30"},
        {Date(2025, 8, 20), "2025-07-01", "2025-07-31"},
    };
    for (const MonthRow& row : rows) {
        const auto range = PreviousCalendarMonth(row.today);
        EXPECT_EQ(Text(range.from), row.from) << "today " << Text(row.today);
        EXPECT_EQ(Text(range.to), row.to) << "today " << Text(row.today);
        // Days only: the time of the refresh is not carried into the range.
        EXPECT_EQ(range.from.hour + range.to.hour, 0);
    }
}

struct NumberRow {
    std::u16string_view text;
    std::optional<std::int32_t> number;
};

TEST(ReportsPageRules, NumberFieldsTakeWholeNumbersFromOneTo4000) {
    const NumberRow rows[] = {
        {u"1", 1},
        {u"4000", 4000},
        {u"15", 15},
        {u"0015", 15},
        {u"0", std::nullopt},
        {u"0000", std::nullopt},
        {u"4001", std::nullopt},
        {u"", std::nullopt},
        {u"99999999999999999999", std::nullopt},
        {u"12a", std::nullopt},
        {u"-5", std::nullopt},
        {u"+5", std::nullopt},
        {u" 5", std::nullopt},
        {u"1.5", std::nullopt},
        {u"١٢", std::nullopt},  // digits of another script are not the field's digits
    };
    for (const NumberRow& row : rows) {
        EXPECT_EQ(ParseZReportNumber(row.text), row.number) << Utf8(row.text);
    }
}

TEST(ReportsPageRules, RefusedNumberNamesTheRange) {
    EXPECT_EQ(Utf8(orvik::console::ZReportNumberProblem()),
              "Please enter an integer between 1 and 4000.");
}

}  // namespace
