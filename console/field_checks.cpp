// The field checks the receipt checks are built of.
#include "console/field_checks.h"

#include "console/receipt_numbers.h"
#include "res/string_table.h"
#include "support/text_trim.h"

namespace orvik::console {

namespace field_checks {

std::u16string Number(std::int64_t value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

CheckFailure Fail(ReceiptField field, int id,
                  std::initializer_list<std::u16string_view> arguments) {
    return CheckFailure{field, id, FormatMessage(id, arguments)};
}

// A number text as a whole, or empty (which the page reads as 0).
bool IsNumberOrEmpty(std::u16string_view text) {
    return support::Trim(text).empty() || ReadDecimal(text).complete;
}

CheckResult TooLong(ReceiptField field, std::u16string_view text, std::size_t limit) {
    if (text.size() > limit) {
        return Fail(field, kStrFieldTooLong, {Number(static_cast<std::int64_t>(limit))});
    }
    return std::nullopt;
}

CheckResult OutOfRange(ReceiptField field, std::int64_t value, std::int64_t low,
                       std::int64_t high) {
    if (value < low || value > high) {
        return Fail(field, kStrFieldIntegerRange, {Number(low), Number(high)});
    }
    return std::nullopt;
}

CheckResult NotInteger(ReceiptField field, std::u16string_view text) {
    if (!IsInteger(text)) {
        return Fail(field, kStrFieldNotInteger);
    }
    return std::nullopt;
}

// Step 1 of the item and print scopes.
CheckResult CheckIntegers(std::u16string_view article, const FormFields& form) {
    if (auto failure = NotInteger(ReceiptField::Article, article)) {
        return failure;
    }
    if (auto failure = NotInteger(ReceiptField::PrintCount, form.printCount)) {
        return failure;
    }
    return NotInteger(ReceiptField::ReceiptNumber, form.receiptNumber);
}

CheckResult TooManyDecimals(ReceiptField field, std::u16string_view text, int moneyDecimals) {
    if (SignificantDecimals(text) > moneyDecimals) {
        return Fail(field, kStrMoneyTooManyDecimals,
                    {std::u16string(support::Trim(text)), Number(moneyDecimals)});
    }
    return std::nullopt;
}

}  // namespace field_checks
}  // namespace orvik::console
