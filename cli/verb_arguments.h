#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "support/local_time.h"

namespace orvik::cli {

// Reading the arguments of the verbs that talk to the register. Every check runs before the
// command line connects, so that a mistyped argument sends nothing.

// Decimals of the currencies registers keep: an amount with more cannot be any register's, and
// is refused before connecting.
inline constexpr int kMaxCurrencyDecimals = 2;

// A whole decimal number from min to max, digits only (no sign, no blanks).
std::optional<std::int32_t> ParseNumberInRange(std::string_view text, std::int32_t min,
                                               std::int32_t max);

// A calendar date written YYYY-MM-DD (the time fields stay 0).
std::optional<orvik::support::LocalDateTime> ParseCalendarDate(std::string_view text);

// A time of day written HH:MM:SS on a 24-hour clock (the date fields stay at their defaults).
std::optional<orvik::support::LocalDateTime> ParseTimeOfDay(std::string_view text);

// The text as the register's code page has it; nothing when a character is not in it (the
// register would print "?" instead).
std::optional<std::u16string> RegisterText(std::string_view utf8);

// "YYYY-MM-DD HH:MM:SS".
std::string FormatDateTime(const orvik::support::LocalDateTime& value);

// The text as a JSON string, quotes included.
std::string JsonString(std::string_view text);

}  // namespace orvik::cli
