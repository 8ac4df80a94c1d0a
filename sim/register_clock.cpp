#include "register_clock.h"

#include <ctime>

namespace orvik::sim {

LocalDateTime CRegisterClock::Now() const {
    const std::time_t now = std::time(nullptr) + static_cast<std::time_t>(m_offsetSeconds);
    std::tm parts{};
    localtime_r(&now, &parts);
    LocalDateTime result;
    result.year = parts.tm_year + 1900;
    result.month = parts.tm_mon + 1;
    result.day = parts.tm_mday;
    result.hour = parts.tm_hour;
    result.minute = parts.tm_min;
    // The register's clock has no leap second.
    result.second = parts.tm_sec > 59 ? 59 : parts.tm_sec;
    return result;
}

bool CRegisterClock::Set(const LocalDateTime& when) {
    if (when.year < 1970 || when.year > 9999 || !IsCalendarDate(when.year, when.month, when.day) ||
        !IsClockTime(when.hour, when.minute, when.second)) {
        return false;
    }
    std::tm parts{};
    parts.tm_year = when.year - 1900;
    parts.tm_mon = when.month - 1;
    parts.tm_mday = when.day;
    parts.tm_hour = when.hour;
    parts.tm_min = when.minute;
    parts.tm_sec = when.second;
    parts.tm_isdst = -1;  // whatever daylight saving says for that day
    const std::time_t target = std::mktime(&parts);
    if (target == static_cast<std::time_t>(-1)) {
        return false;
    }
    m_offsetSeconds =
        static_cast<std::int64_t>(target) - static_cast<std::int64_t>(std::time(nullptr));
    return true;
}

bool CRegisterClock::SetTimeOfDay(int hour, int minute, int second) {
    LocalDateTime when = Now();
    when.hour = hour;
    when.minute = minute;
    when.second = second;
    return Set(when);
}

}  // namespace orvik::sim
