#pragma once

#include <ctime>

namespace orvik::support {

// The local calendar date and time, as the register's configuration replies need them: an
// invalid date or time the register reports is replaced by the present one.

struct LocalDateTime {
    int year = 2000;  // four digits
    int month = 1;    // 1 to 12
    int day = 1;      // 1 to 31
    int hour = 0;     // 0 to 23
    int minute = 0;
    int second = 0;
};

// The present local date and time of this computer.
LocalDateTime CurrentLocalDateTime();

// A moment in the local time zone, a leap second read as second 59 (a register's clock has none).
LocalDateTime LocalDateTimeAt(std::time_t moment);

// Whether the calendar has this day (leap years included).
bool IsCalendarDate(int year, int month, int day);

// Whether hours, minutes and seconds make a time of a 24-hour clock.
bool IsClockTime(int hour, int minute, int second);

}  // namespace orvik::support
