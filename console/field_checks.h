#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "console/check_result.h"

// The pieces the receipt checks are built of: each refuses one field with its string-table
// message, or lets it pass. Shared by the item, print-scope and payment checks.
namespace orvik::console::field_checks {

// Limits of the receipt page's fields.
inline constexpr std::size_t kQuantityLength = 7;
inline constexpr std::size_t kMoneyLength = 10;
inline constexpr std::size_t kDiscountNameLength = 13;
inline constexpr std::size_t kBarcodeLength = 17;
inline constexpr std::int32_t kMaxReceiptNumber = 99999;
inline constexpr std::int32_t kMaxPrintCount = 100;

std::u16string Number(std::int64_t value);

CheckFailure Fail(ReceiptField field, int id,
                  std::initializer_list<std::u16string_view> arguments = {});

// A number text as a whole, or empty (which the page reads as 0).
bool IsNumberOrEmpty(std::u16string_view text);

// "Please enter no more than %1 characters."
CheckResult TooLong(ReceiptField field, std::u16string_view text, std::size_t limit);
// "Please enter an integer between %1 and %2."
CheckResult OutOfRange(ReceiptField field, std::int64_t value, std::int64_t low, std::int64_t high);
// "Please enter an integer."
CheckResult NotInteger(ReceiptField field, std::u16string_view text);
// Step 1 of the item and print scopes: article, print count and receipt number whole numbers.
CheckResult CheckIntegers(std::u16string_view article, const FormFields& form);
// An amount with more decimals than the register's currency.
CheckResult TooManyDecimals(ReceiptField field, std::u16string_view text, int moneyDecimals);

}  // namespace orvik::console::field_checks
