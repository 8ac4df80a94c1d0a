#include "device/protocol/receipt_math.h"

#include <algorithm>
#include <cstdlib>

#include "device/protocol/register_capabilities.h"
#include "support/text_trim.h"

namespace orvik::device {

namespace {

using support::IsDigit;

constexpr std::int64_t kHundredthsPerUnit = 10000;  // a rate of 100.00 % in hundredths
// Rates beyond this are not rates; the cap keeps the products far from overflowing.
constexpr std::int64_t kMaxRateHundredths = 100'000'000;
// The register corrects a line's tax by its own figure when they differ by less than this.
constexpr std::int64_t kLineTaxTolerance = 3;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) {
        --q;
    }
    return q;
}

std::int64_t CeilDiv(std::int64_t a, std::int64_t b) {
    return -FloorDiv(-a, b);
}

// Sums kept in 32 bits wrap as the register's counters do.
std::int32_t Wrap(std::int64_t value) {
    return static_cast<std::int32_t>(value);
}

void AddTo(std::int32_t& field, std::int64_t amount) {
    field = Wrap(field + amount);
}

char16_t KindOf(const TaxSlot& slot) {
    return slot.kind.empty() ? u'\0' : slot.kind.front();
}

}  // namespace

std::u16string FormatArticleCode(std::int32_t value) {
    if (value <= 9999) {
        return FormatNumber(value, 4);
    }
    static constexpr std::u16string_view kThousands = u"0123456789ABCDEFGHIJK";
    // The register reads "K" as twenty thousand, so model 8's articles up to 20688 keep a code
    // of their own instead of falling onto article value % 1000.
    std::int32_t thousands = value / 1000;
    if (thousands >= static_cast<std::int32_t>(kThousands.size())) {
        thousands = 0;
    }
    return kThousands[static_cast<std::size_t>(thousands)] + FormatNumber(value % 1000, 3);
}

std::int64_t TaxRateHundredths(std::u16string_view rateText) {
    std::size_t i = 0;
    while (i < rateText.size() && (rateText[i] == u' ' || rateText[i] == u'\t')) {
        ++i;
    }
    std::int64_t whole = 0;
    for (; i < rateText.size() && IsDigit(rateText[i]); ++i) {
        whole = std::min(whole * 10 + (rateText[i] - u'0'), kMaxRateHundredths);
    }
    std::int64_t fraction = 0;
    if (i < rateText.size() && (rateText[i] == u'.' || rateText[i] == u',')) {
        ++i;
        // Two places; missing digits are zeros, further digits are below a hundredth.
        for (int place = 0; place < 2; ++place) {
            const bool digit = i < rateText.size() && IsDigit(rateText[i]);
            fraction = fraction * 10 + (digit ? rateText[i++] - u'0' : 0);
            if (!digit) {
                i = rateText.size();
            }
        }
    }
    return std::min(whole * 100 + fraction, kMaxRateHundredths);
}

std::int64_t LineSum(std::int32_t quantity, std::int32_t price, bool divisible) {
    const std::int64_t q = quantity > 0 ? quantity : 1;
    const std::int64_t product = static_cast<std::int64_t>(price) * q;
    return divisible ? FloorDiv(product + 500, 1000) : product;
}

LineDiscount EffectiveDiscount(int kind, std::int64_t amount, std::int64_t lineSum) {
    LineDiscount discount;
    if (kind != kDiscount && kind != kSurcharge) {
        return discount;
    }
    if (kind == kDiscount && amount > lineSum) {
        amount = lineSum;
    }
    if (amount <= 0) {
        return discount;
    }
    discount.kind = kind;
    discount.amount = amount;
    return discount;
}

std::int64_t ApplyDiscount(std::int64_t lineSum, const LineDiscount& discount) {
    if (discount.kind == kSurcharge) {
        return lineSum + discount.amount;
    }
    if (discount.kind == kDiscount) {
        return lineSum - std::min(discount.amount, lineSum);
    }
    return lineSum;
}

LineTaxes ComputeLineTaxes(const TaxTable& slots, int taxSlot1, int taxSlot2, std::int64_t sum) {
    LineTaxes taxes;
    for (const int slot : {taxSlot1, taxSlot2}) {
        if (!IsTaxSlot(slot)) {
            continue;
        }
        const TaxSlot& tax = slots[static_cast<std::size_t>(slot - 1)];
        const std::int64_t rate = TaxRateHundredths(tax.rateText);
        switch (KindOf(tax)) {
            case u'0':
                // The part of a price that already holds tax at rate r is s * r / (1 + r).
                taxes.included += CeilDiv(sum * rate, kHundredthsPerUnit + rate);
                break;
            case u'1':
                taxes.added += FloorDiv(sum * rate, kHundredthsPerUnit);
                break;
            case u'2':
                taxes.winnings += FloorDiv(sum * rate, kHundredthsPerUnit);
                break;
            default:
                break;
        }
    }
    return taxes;
}

void AddSlotTurnover(ReceiptTotals& totals, bool returnLine, int taxSlot1, int taxSlot2,
                     std::int64_t sum) {
    auto& turnover = returnLine ? totals.returnsByTaxSlot : totals.salesByTaxSlot;
    for (const int slot : {taxSlot1, taxSlot2}) {
        if (IsTaxSlot(slot)) {
            AddTo(turnover[static_cast<std::size_t>(slot - 1)], sum);
        }
    }
}

std::int32_t RegisterLineInTotals(ReceiptTotals& totals, const TaxTable& slots, bool returnLine,
                                  int taxSlot1, int taxSlot2, std::int64_t sum,
                                  std::int64_t deviceAmount) {
    LineTaxes taxes = ComputeLineTaxes(slots, taxSlot1, taxSlot2, sum);
    AddSlotTurnover(totals, returnLine, taxSlot1, taxSlot2, sum);
    if (deviceAmount != 0) {
        // The register's own figure wins where it is only a rounding away from the console's.
        if (std::llabs(taxes.added - deviceAmount) < kLineTaxTolerance) {
            taxes.added = deviceAmount;
        }
        if (std::llabs(taxes.winnings - deviceAmount) < kLineTaxTolerance) {
            taxes.winnings = deviceAmount;
        }
    } else {
        deviceAmount = taxes.added - taxes.winnings;
    }
    if (returnLine) {
        AddTo(totals.returnsSum, sum);
        AddTo(totals.returnsIncludedTax, taxes.included);
        AddTo(totals.returnsAddedTax, taxes.added);
        AddTo(totals.returnsWinningsTax, taxes.winnings);
    } else {
        AddTo(totals.salesSum, sum);
        AddTo(totals.salesIncludedTax, taxes.included);
        AddTo(totals.salesAddedTax, taxes.added);
        AddTo(totals.salesWinningsTax, taxes.winnings);
    }
    return Wrap(deviceAmount + sum);
}

LineTaxes SlotTaxOnTurnover(const TaxSlot& slot, std::int64_t turnover) {
    LineTaxes tax;
    const std::int64_t rate = TaxRateHundredths(slot.rateText);
    switch (KindOf(slot)) {
        case u'0':
            tax.included = CeilDiv(turnover * rate, kHundredthsPerUnit + rate);
            break;
        case u'1':
            // floor(r * turnover + 0.5): the slot's tax rounded to the nearest minor unit.
            tax.added = FloorDiv(turnover * rate + kHundredthsPerUnit / 2, kHundredthsPerUnit);
            break;
        case u'2':
            tax.winnings = FloorDiv(turnover * rate + kHundredthsPerUnit / 2, kHundredthsPerUnit);
            break;
        default:
            break;
    }
    return tax;
}

void RecomputeReceiptTaxes(ReceiptTotals& totals, const TaxTable& slots) {
    std::int64_t salesAdded = 0;
    std::int64_t returnsAdded = 0;
    std::int64_t salesWinnings = 0;
    std::int64_t returnsWinnings = 0;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const LineTaxes sales = SlotTaxOnTurnover(slots[i], totals.salesByTaxSlot[i]);
        const LineTaxes returns = SlotTaxOnTurnover(slots[i], totals.returnsByTaxSlot[i]);
        salesAdded += sales.added;
        returnsAdded += returns.added;
        salesWinnings += sales.winnings;
        returnsWinnings += returns.winnings;
    }
    totals.salesAddedTax = Wrap(salesAdded);
    totals.returnsAddedTax = Wrap(returnsAdded);
    totals.salesWinningsTax = Wrap(salesWinnings);
    totals.returnsWinningsTax = Wrap(returnsWinnings);
}

std::int64_t AmountDue(const ReceiptTotals& totals) {
    return static_cast<std::int64_t>(totals.salesSum) + totals.salesAddedTax -
           totals.salesWinningsTax - totals.returnsSum - totals.returnsAddedTax +
           totals.returnsWinningsTax;
}

std::int32_t MaxLineQuantity(std::int32_t family, std::int32_t model, std::int32_t articleMode) {
    return CapabilitiesOf(family, model, articleMode).maxLineQuantity;
}

LineAmounts PreviewLine(const TaxTable& slots, std::int32_t quantity, std::int32_t price,
                        bool divisible, int taxSlot1, int taxSlot2, int discountKind,
                        std::int32_t discountAmount) {
    const std::int64_t lineSum = LineSum(quantity, price, divisible);
    const std::int64_t sum =
        ApplyDiscount(lineSum, EffectiveDiscount(discountKind, discountAmount, lineSum));
    const LineTaxes taxes = ComputeLineTaxes(slots, taxSlot1, taxSlot2, sum);
    return LineAmounts{Wrap(sum), Wrap(taxes.included), Wrap(taxes.added), Wrap(taxes.winnings)};
}

bool LineFitsCommand(std::int32_t price, std::int64_t lineSum, const LineDiscount& discount) {
    return price >= 0 && lineSum >= 0 && lineSum <= kMaxLineFieldValue &&
           discount.amount <= kMaxLineFieldValue;
}

}  // namespace orvik::device
