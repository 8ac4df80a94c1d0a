#include "device/protocol/report_commands.h"

#include <tuple>
#include <utility>

#include "device/protocol/number_format.h"

namespace orvik::device {

namespace {

constexpr int kLastWritableYear = 9999;

std::u16string FormatReportDate(const support::LocalDateTime& date) {
    return FormatNumber(date.year, 4) + FormatNumber(date.month, 2) + FormatNumber(date.day, 2);
}

bool IsEarlierDate(const support::LocalDateTime& a, const support::LocalDateTime& b) {
    return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
}

}  // namespace

bool IsReportDate(const support::LocalDateTime& date) {
    return date.year >= 1 && date.year <= kLastWritableYear &&
           support::IsCalendarDate(date.year, date.month, date.day);
}

std::u16string BuildPeriodicReportByDatesCommand(const support::LocalDateTime& from,
                                                 const support::LocalDateTime& to, bool full) {
    const bool swap = IsEarlierDate(to, from);
    const support::LocalDateTime& first = swap ? to : from;
    const support::LocalDateTime& last = swap ? from : to;
    return (full ? u"FIRP" : u"IREP") + FormatReportDate(first) + FormatReportDate(last);
}

std::u16string BuildPeriodicReportByNumbersCommand(std::int32_t from, std::int32_t to, bool full) {
    if (from > to) {
        std::swap(from, to);
    }
    return (full ? u"FIRN" : u"IREN") + FormatNumber(from, 4) + FormatNumber(to, 4);
}

}  // namespace orvik::device
