// The print scope and the payments of a receipt, declared in console/receipt_checks.h: what
// the close is handed, refused before anything is sent when it would not be what the user meant.
#include <algorithm>
#include <array>
#include <limits>

#include "console/field_checks.h"
#include "console/receipt_checks.h"
#include "console/receipt_numbers.h"
#include "res/string_table.h"
#include "support/text_trim.h"

namespace orvik::console {

using namespace field_checks;

namespace {

// One payment field read into minor units: a number (empty is 0), below 0 only where allowed,
// no more decimals than the currency, within the ten digits of the close command.
CheckResult ReadPayment(ReceiptField field, std::u16string_view text, int moneyDecimals,
                        bool negativeAllowed, std::int64_t& units) {
    const std::u16string shown(support::Trim(text));
    if (!IsNumberOrEmpty(text)) {
        return Fail(field, kStrPaymentNotANumber, {shown});
    }
    units = MoneyTextToUnits(text, moneyDecimals);
    if (units < 0 && !negativeAllowed) {
        return Fail(field, kStrPaymentNegative, {shown});
    }
    if (auto failure = TooManyDecimals(field, text, moneyDecimals)) {
        return failure;
    }
    if ((units < 0 ? -units : units) > std::numeric_limits<std::int32_t>::max()) {
        return Fail(field, kStrPaymentTooLarge, {shown});
    }
    return std::nullopt;
}

}  // namespace

CheckResult CheckPrintScope(std::u16string_view article, const FormFields& form,
                            const PaymentTexts& money) {
    if (auto failure = CheckIntegers(article, form)) {
        return failure;
    }
    if (auto failure =
            OutOfRange(ReceiptField::PrintCount, ReadInteger(form.printCount), 1, kMaxPrintCount)) {
        return failure;
    }
    // Receipt numbers have five digits at most.
    if (auto failure = OutOfRange(ReceiptField::ReceiptNumber, ReadInteger(form.receiptNumber), 0,
                                  kMaxReceiptNumber)) {
        return failure;
    }
    if (auto failure = TooLong(ReceiptField::Cash, money.cash, kMoneyLength)) {
        return failure;
    }
    constexpr ReceiptField kPaymentFields[] = {ReceiptField::Payment1, ReceiptField::Payment2,
                                               ReceiptField::Payment3};
    for (std::size_t i = 0; i < money.payments.size(); ++i) {
        if (auto failure = TooLong(kPaymentFields[i], money.payments[i], kMoneyLength)) {
            return failure;
        }
    }
    return TooLong(ReceiptField::Barcode, form.barcode, kBarcodeLength);
}

PaymentPlan PlanPayments(std::int64_t amountDue, const PaymentTexts& money, int moneyDecimals) {
    constexpr ReceiptField kPaymentFields[] = {ReceiptField::Payment1, ReceiptField::Payment2,
                                               ReceiptField::Payment3};
    const bool refund = amountDue < 0;
    PaymentPlan plan;
    std::array<std::int64_t, 3> others{};
    for (std::size_t i = 0; i < others.size(); ++i) {
        plan.failure =
            ReadPayment(kPaymentFields[i], money.payments[i], moneyDecimals, false, others[i]);
        if (plan.failure) {
            return plan;
        }
    }
    // Payments 1 to 3 above the amount due would make the cash negative: the register would
    // hand out change it never took in.
    const std::int64_t othersSum = others[0] + others[1] + others[2];
    if (othersSum > (refund ? -amountDue : amountDue)) {
        const auto first = std::find_if(others.begin(), others.end(), [](auto v) { return v > 0; });
        const auto Money = [moneyDecimals](std::int64_t units) {
            return MinorUnitsToMoney(units, moneyDecimals);
        };
        plan.failure = Fail(kPaymentFields[first - others.begin()], kStrPaymentsExceedTotal,
                            {Money(others[0]), Money(others[1]), Money(others[2]), Money(othersSum),
                             Money(amountDue)});
        return plan;
    }
    // A refund's cash is paid back: the page shows it with a minus sign.
    std::int64_t cash = 0;
    plan.failure = ReadPayment(ReceiptField::Cash, money.cash, moneyDecimals, refund, cash);
    if (plan.failure) {
        return plan;
    }
    plan.payments = Payments{
        static_cast<std::int32_t>(cash < 0 ? -cash : cash), static_cast<std::int32_t>(others[0]),
        static_cast<std::int32_t>(others[1]), static_cast<std::int32_t>(others[2])};
    return plan;
}

}  // namespace orvik::console
