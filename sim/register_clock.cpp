#include "sim/register_clock.h"

#include <ctime>

namespace orvik::sim {

support::LocalDateTime RegisterClock::Now() const {
    return support::LocalDateTimeAt(std::time(nullptr) + static_cast<std::time_t>(m_offsetSeconds));
}

bool RegisterClock::Set(const support::LocalDateTime& when) {
    if (when.year < 1970 || when.year > 9999 ||
        !support::IsCalendarDate(when.year, when.month, when.day) ||
        !support::IsClockTime(when.hour, when.minute, when.second)) {
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

bool RegisterClock::SetTimeOfDay(int hour, int minute, int second) {
    support::LocalDateTime when = Now();
    when.hour = hour;
    when.minute = minute;
    when.second = second;
    return Set(when);
}

}  // namespace orvik::sim
