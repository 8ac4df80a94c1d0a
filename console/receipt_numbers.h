#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvik::console {

// The numbers of the receipt page and the cash dialog. On the page, money and quantities are
// texts with a fixed number of decimals; they become whole minor units, thousandths or pieces
// only when they are handed to the device core. Every conversion reads a comma as a point,
// ignores white space around the number and reads a text that does not start with a number
// as 0. Arithmetic is exact decimal: 1.15 with two decimals is 115 minor units, never 114.

// The most decimals a number is kept with; money and quantities use at most this many.
inline constexpr int kMaxDecimals = 6;

// A number read from the start of a text, exactly, in millionths.
struct DecimalNumber {
    std::int64_t millionths = 0;
    bool found = false;     // the text starts with a number
    bool complete = false;  // the whole text, white space aside, is that number
};

// Reads [sign] digits [. digits] (or [sign] . digits) after leading white space, a comma
// counting as the point. Digits beyond the sixth decimal are dropped; values beyond nine
// thousand billion are held at that bound.
DecimalNumber ReadDecimal(std::u16string_view text);

// The decimals a number text carries once trailing zeros are dropped: "3.50" has 1, "3.505"
// has 3, "12" has 0. A comma counts as the point.
int SignificantDecimals(std::u16string_view text);

// A value in millionths as a whole number of units of 10^-places, rounded half away from
// zero (places 0 to kMaxDecimals).
std::int64_t RoundToPlaces(std::int64_t millionths, int places);

// A whole number of units of 10^-places as text with exactly that many decimals, a point and
// a leading minus sign for negative values: FormatScaled(-200, 2) is "-2.00".
std::u16string FormatScaled(std::int64_t units, int places);

// Money texts and minor units, with the register's number of decimals.
std::int64_t MoneyTextToUnits(std::u16string_view text, int moneyDecimals);
// The same, held within the 32-bit range the device core takes.
std::int32_t MoneyToMinorUnits(std::u16string_view text, int moneyDecimals);
inline std::u16string MinorUnitsToMoney(std::int64_t units, int moneyDecimals) {
    return FormatScaled(units, moneyDecimals);
}

// A quantity text as thousandths of a divisible good, or as whole pieces; held within 32 bits.
std::int32_t QuantityToUnits(std::u16string_view text, bool divisible);

// The same from values already read, in millionths: minor units with the register's decimals,
// and a quantity's thousandths or pieces; each held within 32 bits.
std::int32_t MillionthsToMinorUnits(std::int64_t millionths, int moneyDecimals);
std::int32_t MillionthsToQuantityUnits(std::int64_t millionths, bool divisible);

// A whole number read from the start of a text ([sign] digits after white space, 0 without
// digits), held within 32 bits: the article, tax slot and flag columns.
std::int32_t ReadInteger(std::u16string_view text);
// Whether the whole text, white space aside, is such a whole number.
bool IsInteger(std::u16string_view text);

// What the page does to a number field when the user leaves it: its first line, at most 255
// characters, trimmed, read, and written with exactly `decimals` decimals. Under the
// thousandths rule (the quantity of a divisible good) a text without a point is read in
// thousandths: 1500 becomes 1.500, while 1.5 and 0.5 are taken as typed (1.500, 0.500).
std::u16string NormalizeNumberText(std::u16string_view text, int decimals, bool thousandthsRule);

// --- The cash dialog -------------------------------------------------------------------------

// An amount in minor units as the cash dialog reads it: first rounded to thousandths
// (floor(x * 1000 + 0.55) / 1000), then floor(value * 10^decimals + 0.5). 1,15 is 115 and
// 0.005 is 1 with two decimals.
std::int64_t CashDialogUnits(std::u16string_view text, int moneyDecimals);

// The drawer as the dialog shows it, from the text of the register's cash report after its
// key: the 11 characters from position 55 are the cash in minor units; "123.45 ГРН". An
// empty report leaves the dialog's initial "0.00"; a report too short gives a drawer of 0.
std::u16string FormatDrawerCash(std::u16string_view report, int moneyDecimals,
                                std::u16string_view currencyName);

// Whether the dialog's print button is enabled: an amount above 0, and for a cash out not
// above the drawer (the number at the start of the drawer text).
bool CashMoveAllowed(std::u16string_view amountText, bool cashOut, std::u16string_view drawerText,
                     int moneyDecimals);

}  // namespace orvik::console
