#pragma once

#include <cstdint>
#include <string>

#include "support/local_time.h"

namespace orvik::device {

// The command texts of the register's periodic fiscal reports, built without a port. Both
// forms take their range in order, the earlier date or the smaller Z-report number first.

// Whether a date can travel in a report command: a day the calendar has, in a year the
// command's four year digits can hold (1 to 9999).
bool IsReportDate(const support::LocalDateTime& date);

// "IREP" (short form) or "FIRP" (full form), then both dates as YYYYMMDD, the earlier first.
// Only the date parts are used. Both dates must pass IsReportDate.
std::u16string BuildPeriodicReportByDatesCommand(const support::LocalDateTime& from,
                                                 const support::LocalDateTime& to, bool full);

// "IREN" (short form) or "FIRN" (full form), then both Z-report numbers as four digits, the
// smaller first.
std::u16string BuildPeriodicReportByNumbersCommand(std::int32_t from, std::int32_t to, bool full);

}  // namespace orvik::device
