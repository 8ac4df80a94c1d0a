#include "console/receipt_total.h"

#include "console/receipt_numbers.h"

namespace orvik::console {

std::vector<bool> RowsRegisteredAsReturns(std::span<const ReceiptRow> rows) {
    std::vector<bool> returns;
    returns.reserve(rows.size());
    bool returning = false;
    for (const ReceiptRow& row : rows) {
        returning = returning || row.isReturn;
        returns.push_back(returning);
    }
    return returns;
}

ReceiptPreview PreviewReceipt(std::span<const ReceiptRow> rows, int moneyDecimals,
                              IReceiptRegister* reg) {
    ReceiptPreview preview;
    if (reg == nullptr) {
        return preview;
    }
    const std::vector<bool> returns = RowsRegisteredAsReturns(rows);
    device::ReceiptTotals& totals = preview.totals;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const RowLine row = ConvertRow(rows[i], moneyDecimals);
        device::LineAmounts amounts;
        if (!device::Succeeded(reg->PreviewLineAmounts(row.line, amounts))) {
            ++preview.rowsLeftOut;
            continue;
        }
        // The sums as the core keeps them while the lines are registered (wrapping as its
        // 32-bit sums do); the taxes follow from the slot turnovers as at the close.
        device::AddSlotTurnover(totals, returns[i], row.line.taxSlot1, row.line.taxSlot2,
                                amounts.lineSum);
        std::int32_t& sum = returns[i] ? totals.returnsSum : totals.salesSum;
        sum = static_cast<std::int32_t>(static_cast<std::int64_t>(sum) + amounts.lineSum);
    }
    const device::TaxTable& slots = reg->TaxSlots();
    device::RecomputeReceiptTaxes(totals, slots);
    for (std::size_t slot = 0; slot < slots.size(); ++slot) {
        preview.salesTaxBySlot[slot] =
            device::SlotTaxOnTurnover(slots[slot], totals.salesByTaxSlot[slot]);
        preview.returnsTaxBySlot[slot] =
            device::SlotTaxOnTurnover(slots[slot], totals.returnsByTaxSlot[slot]);
    }
    preview.amountDue = device::AmountDue(totals);
    return preview;
}

std::int64_t ComputeReceiptTotal(std::span<const ReceiptRow> rows, int moneyDecimals,
                                 IReceiptRegister* reg) {
    return PreviewReceipt(rows, moneyDecimals, reg).amountDue;
}

CashFields RecalculateCash(std::int64_t total, const std::array<std::u16string, 3>& payments,
                           int moneyDecimals) {
    CashFields fields;
    std::int64_t cash = total;
    for (std::size_t i = 0; i < payments.size(); ++i) {
        const std::int64_t units = MoneyTextToUnits(payments[i], moneyDecimals);
        cash -= units;
        fields.payments[i] = MinorUnitsToMoney(units, moneyDecimals);
    }
    fields.cash = MinorUnitsToMoney(cash, moneyDecimals);
    return fields;
}

}  // namespace orvik::console
