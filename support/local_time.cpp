#include "support/local_time.h"

#include <ctime>

namespace orvik::support {

LocalDateTime CurrentLocalDateTime() {
    return LocalDateTimeAt(std::time(nullptr));
}

LocalDateTime LocalDateTimeAt(std::time_t moment) {
    std::tm parts{};
    localtime_r(&moment, &parts);
    LocalDateTime result;
    result.year = parts.tm_year + 1900;
    result.month = parts.tm_mon + 1;
    result.day = parts.tm_mday;
    result.hour = parts.tm_hour;
    result.minute = parts.tm_min;
    result.second = parts.tm_sec > 59 ? 59 : parts.tm_sec;
    return result;
}

bool IsCalendarDate(int year, int month, int day) {
    if (month < 1 || month > 12 || day < 1) {
        return false;
    }
    static constexpr int kDaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int days = (month == 2 && leap) ? 29 : kDaysInMonth[month - 1];
    return day <= days;
}

bool IsClockTime(int hour, int minute, int second) {
    return hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
}

}  // namespace orvik::support
