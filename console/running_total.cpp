#include "console/running_total.h"

#include <algorithm>
#include <cstdlib>

#include "console/field_checks.h"
#include "console/receipt_checks.h"
#include "console/receipt_numbers.h"
#include "res/string_table.h"
#include "support/text_trim.h"

namespace orvik::console {
namespace {

std::int64_t TaxOf(const device::LineTaxes& taxes) {
    return taxes.included + taxes.added + taxes.winnings;
}

}  // namespace

std::vector<std::u16string> RunningTotalLines(const ReceiptPreview& preview, bool hasRegister,
                                              const device::TaxTable* slots, const SalesForm& form,
                                              int moneyDecimals) {
    if (!hasRegister || slots == nullptr) {
        return {LoadString(kStrTotalNoRegister)};
    }
    const auto money = [moneyDecimals](std::int64_t units) {
        return MinorUnitsToMoney(units, moneyDecimals);
    };
    const device::ReceiptTotals& totals = preview.totals;
    std::vector<std::u16string> lines{FormatMessage(kStrTotalDue, {money(preview.amountDue)})};
    if (totals.returnsSum != 0) {
        lines.push_back(FormatMessage(kStrTotalSales, {money(totals.salesSum)}));
        lines.push_back(FormatMessage(kStrTotalReturns, {money(totals.returnsSum)}));
    }
    const std::u16string letters = LoadString(kStrTaxLetters);
    for (std::size_t slot = 0; slot < slots->size(); ++slot) {
        const std::int64_t tax =
            TaxOf(preview.salesTaxBySlot[slot]) - TaxOf(preview.returnsTaxBySlot[slot]);
        if (tax == 0) {
            continue;
        }
        const device::TaxSlot& entry = (*slots)[slot];
        std::u16string name{letters.at(slot)};
        if (const std::u16string own = support::TrimBlanks(entry.name); !own.empty()) {
            name += u" " + own;
        }
        lines.push_back(FormatMessage(kStrTotalSlotTax, {name, entry.rateText, money(tax)}));
    }
    // A tax on winnings is taken off the amount due at the close, not added to it: the figure
    // with the tax added would be another amount, and the register takes this one.
    const std::int64_t winnings =
        static_cast<std::int64_t>(totals.salesWinningsTax) - totals.returnsWinningsTax;
    if (winnings != 0) {
        lines.push_back(FormatMessage(
            kStrTotalWinningsNote,
            {money(winnings), money(preview.amountDue), money(preview.amountDue + 2 * winnings)}));
    }
    if (preview.rowsLeftOut > 0) {
        lines.push_back(
            FormatMessage(kStrTotalRowsLeftOut,
                          {MinorUnitsToMoney(static_cast<std::int64_t>(preview.rowsLeftOut), 0)}));
    }
    if (form.compoundTax) {
        // Printing then pays the receipt in cash with the amount due, whatever the fields say:
        // payments filled in are said to be dropped, before the operator prints.
        const bool paymentsDropped =
            std::any_of(form.payments.begin(), form.payments.end(), [moneyDecimals](auto& text) {
                return !field_checks::IsNumberOrEmpty(text) ||
                       MoneyTextToUnits(text, moneyDecimals) != 0;
            });
        lines.push_back(paymentsDropped ? FormatMessage(kStrTotalCompoundDropsPayments,
                                                        {money(preview.amountDue)})
                                        : LoadString(kStrTotalCompoundBox));
        return lines;
    }
    // The payments as printing will hand them to the close, or why it will refuse them.
    const PaymentPlan plan =
        PlanPayments(preview.amountDue, PaymentTexts{.cash = form.cash, .payments = form.payments},
                     moneyDecimals);
    if (plan.failure) {
        lines.push_back(plan.failure->message);
        return lines;
    }
    const Payments& paid = plan.payments;
    const std::int64_t others =
        static_cast<std::int64_t>(paid.payment1) + paid.payment2 + paid.payment3;
    const std::int64_t cash = preview.amountDue < 0 ? -std::int64_t{paid.cash} : paid.cash;
    lines.push_back(
        FormatMessage(kStrTotalPaid, {money(cash + others), money(cash), money(others)}));
    if (preview.amountDue >= 0) {
        const std::int64_t change = cash + others - preview.amountDue;
        if (change >= 0) {
            lines.push_back(FormatMessage(kStrTotalChange, {money(change)}));
        } else {
            lines.push_back(FormatMessage(kStrTotalShort, {money(-change)}));
        }
    }
    return lines;
}

}  // namespace orvik::console
