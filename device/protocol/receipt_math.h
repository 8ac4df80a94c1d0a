#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "device/protocol/number_format.h"
#include "device/protocol/printer_info.h"

namespace orvik::device {

// The running sums of an open receipt, kept by the device core from one OpenReceipt to the
// next. Money is in minor units of the register's currency; sums wrap like the register's
// 32-bit counters.
struct ReceiptTotals {
    std::int32_t salesSum = 0;  // sale lines after their discounts and surcharges
    std::int32_t returnsSum = 0;
    std::int32_t salesAddedTax = 0;     // kind "1"
    std::int32_t salesIncludedTax = 0;  // kind "0"
    std::int32_t salesWinningsTax = 0;  // kind "2"
    std::int32_t returnsAddedTax = 0;
    std::int32_t returnsIncludedTax = 0;
    std::int32_t returnsWinningsTax = 0;
    // Turnover per tax slot, index = slot number - 1.
    std::array<std::int32_t, CPrinterInfo::kTaxSlotCount> salesByTaxSlot{};
    std::array<std::int32_t, CPrinterInfo::kTaxSlotCount> returnsByTaxSlot{};
};

// The amounts of one receipt line: its sum after the discount or surcharge and its taxes.
struct LineAmounts {
    std::int32_t lineSum = 0;
    std::int32_t includedTax = 0;
    std::int32_t addedTax = 0;
    std::int32_t winningsTax = 0;
};

using TaxTable = std::array<TaxSlot, CPrinterInfo::kTaxSlotCount>;

// The arithmetic of receipts, without a port: line sums, discounts, taxes and the amount due.

// Discount kinds of a receipt line.
inline constexpr int kNoDiscount = -1;
inline constexpr int kDiscount = 0;
inline constexpr int kSurcharge = 1;

// The largest number a nine-digit field of the line command holds.
inline constexpr std::int64_t kMaxLineFieldValue = 999'999'999;

// Four characters: up to 9999 four digits; from 10000 a letter for the thousands (A for 10,
// B for 11 ... J for 19; "0" from 20 up) and three digits.
std::u16string FormatArticleCode(std::int32_t value);

// Whether a tax slot number names one of the eight slots.
inline bool IsTaxSlot(int slot) {
    return slot >= 1 && slot <= CPrinterInfo::kTaxSlotCount;
}

// A slot's rate in hundredths of a percent, read exactly from its rate text ("20.00" is 2000);
// 0 when the text holds no number.
std::int64_t TaxRateHundredths(std::u16string_view rateText);

// The line sum of a quantity (pieces, or thousandths of a divisible good) at a price. A
// quantity of 0 or below counts as 1; thousandths are rounded half up to the minor unit.
std::int64_t LineSum(std::int32_t quantity, std::int32_t price, bool divisible);

// A line's discount or surcharge as the register is sent it: kinds other than discount and
// surcharge, and amounts of 0 or below, become no discount; a discount above the line sum
// becomes the line sum.
struct LineDiscount {
    int kind = kNoDiscount;
    std::int64_t amount = 0;
};
LineDiscount EffectiveDiscount(int kind, std::int64_t amount, std::int64_t lineSum);

// The line sum after its discount (subtracted) or surcharge (added).
std::int64_t ApplyDiscount(std::int64_t lineSum, const LineDiscount& discount);

// The taxes of a line sum s under the two slots (each 1 to 8; other numbers are skipped):
// included ceil(s*r/(1+r)), added floor(r*s), winnings floor(r*s), by the slot's kind.
struct LineTaxes {
    std::int64_t included = 0;
    std::int64_t added = 0;
    std::int64_t winnings = 0;
};
LineTaxes ComputeLineTaxes(const TaxTable& slots, int taxSlot1, int taxSlot2, std::int64_t sum);

// Adds a line sum to the turnover of each of its two slots (1 to 8), of the sales or returns.
void AddSlotTurnover(ReceiptTotals& totals, bool returnLine, int taxSlot1, int taxSlot2,
                     std::int64_t sum);

// What the register's answer to a line does to the receipt: the taxes of the line, corrected by
// the amount the register reported (deviceAmount, 0 when it reported none), go into the sums,
// and so does the line sum. Returns the line's total, its sum plus the register's amount.
std::int32_t RegisterLineInTotals(ReceiptTotals& totals, const TaxTable& slots, bool returnLine,
                                  int taxSlot1, int taxSlot2, std::int64_t sum,
                                  std::int64_t deviceAmount);

// The tax of one slot on a receipt's turnover in it (its sales or its returns), as the close
// computes it: an added tax or a tax on winnings rounded to the nearest minor unit, an included
// tax as the part of the turnover that holds it, rounded up (shown per slot; the close keeps
// the included taxes summed line by line).
LineTaxes SlotTaxOnTurnover(const TaxSlot& slot, std::int64_t turnover);

// The close replaces the added tax and the tax on winnings summed line by line with the
// rounded tax of each slot's turnover. The included taxes stay.
void RecomputeReceiptTaxes(ReceiptTotals& totals, const TaxTable& slots);

// What the customer pays: sales plus their added tax less their tax on winnings, less the
// returns with the opposite signs.
std::int64_t AmountDue(const ReceiptTotals& totals);

// The line quantity limit of a register (the capabilities' maxLineQuantity): 999999 for family
// 1 models 5, 6 and 8 in article mode 2, otherwise 99999.
std::int32_t MaxLineQuantity(std::int32_t family, std::int32_t model, std::int32_t articleMode);

// The amounts of one line without touching any sums: line sum, discount, taxes.
LineAmounts PreviewLine(const TaxTable& slots, std::int32_t quantity, std::int32_t price,
                        bool divisible, int taxSlot1, int taxSlot2, int discountKind,
                        std::int32_t discountAmount);

// Whether the price, the line sum and the discount amount fit the nine-digit fields of the
// line command (a negative price does not).
bool LineFitsCommand(std::int32_t price, std::int64_t lineSum, const LineDiscount& discount);

}  // namespace orvik::device
