#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "console/receipt_register.h"
#include "console/receipt_row.h"

namespace orvik::console {

// How the rows are registered when the receipt is printed: from the first return row on,
// every row is a return, a sale row included.
std::vector<bool> RowsRegisteredAsReturns(std::span<const ReceiptRow> rows);

// The amount the register will ask for the rows, in minor units: the line sums after their
// discounts, with the taxes the close computes per tax slot, added taxes added and taxes on
// winnings subtracted; returns with the opposite signs. A row whose amounts the core refuses
// (its quantity above the line limit: the core shows why) adds nothing. 0 without a register.
std::int64_t ComputeReceiptTotal(std::span<const ReceiptRow> rows, int moneyDecimals,
                                 IReceiptRegister* reg);

// The same computation with what it passes through on the way: the receipt's sums after the
// close's tax recompute, each tax slot's tax, and how many rows the core refused. This is what
// the receipt page shows as its running total, so that it is the number the register prints.
struct ReceiptPreview {
    device::ReceiptTotals totals;
    std::int64_t amountDue = 0;
    // The tax of each slot (index slot - 1) on the sales and on the returns.
    std::array<device::LineTaxes, device::CPrinterInfo::kTaxSlotCount> salesTaxBySlot{};
    std::array<device::LineTaxes, device::CPrinterInfo::kTaxSlotCount> returnsTaxBySlot{};
    std::size_t rowsLeftOut = 0;
};
ReceiptPreview PreviewReceipt(std::span<const ReceiptRow> rows, int moneyDecimals,
                              IReceiptRegister* reg);

// The page's cash and payment fields after recalculation: the three payments written back as
// money texts (an empty one as 0), the cash as the total less the payments, negative when
// they exceed it.
struct CashFields {
    std::u16string cash;
    std::array<std::u16string, 3> payments;
};
CashFields RecalculateCash(std::int64_t total, const std::array<std::u16string, 3>& payments,
                           int moneyDecimals);

}  // namespace orvik::console
