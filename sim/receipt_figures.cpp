#include "sim/receipt_figures.h"

#include "res/string_table.h"

namespace orvik::sim {

namespace {

constexpr std::int64_t kWholeRate = 10000;  // 100.00 % in hundredths

// The article limits of the registers.
constexpr std::int64_t kAccountingCodeLimit = 999'999'999;
constexpr std::int64_t kDefaultArticleLimit = 1999;

const std::u16string& Letters() {
    static const std::u16string kLetters = orvik::LoadString(orvik::kStrTaxLetters);
    return kLetters;
}

bool IsModel(const RegisterState& state, std::initializer_list<int> models) {
    if (state.identity.family != 1) {
        return false;
    }
    for (const int model : models) {
        if (state.identity.model == model) {
            return true;
        }
    }
    return false;
}

TaxFigures SideTaxes(const RegisterState& state, const SlotAmounts& turnovers) {
    TaxFigures total;
    for (std::size_t i = 0; i < kTaxSlotCount; ++i) {
        if (turnovers[i] == 0 || !IsProgrammed(state.taxes[i])) {
            continue;
        }
        const TaxFigures slot = SlotTaxOf(state.taxes[i], turnovers[i]);
        total.included += slot.included;
        total.added += slot.added;
        total.winnings += slot.winnings;
    }
    return total;
}

}  // namespace

bool IsProgrammed(const TaxRate& tax) {
    return !tax.date.empty();
}

std::int64_t RateHundredths(const TaxRate& tax) {
    std::int64_t rate = 0;
    for (const char16_t ch : tax.rate) {
        if (ch < u'0' || ch > u'9') {
            return 0;
        }
        rate = rate * 10 + (ch - u'0');
    }
    return rate;
}

char16_t SlotLetter(int slot) {
    if (slot < 1 || slot > static_cast<int>(kTaxSlotCount) ||
        static_cast<std::size_t>(slot) > Letters().size()) {
        return u'?';
    }
    return Letters()[static_cast<std::size_t>(slot - 1)];
}

int SlotOfLetter(char16_t letter) {
    for (int slot = 1; slot <= static_cast<int>(kTaxSlotCount); ++slot) {
        if (SlotLetter(slot) == letter) {
            return slot;
        }
    }
    return 0;
}

std::int64_t LineSumOf(std::int64_t quantity, std::int64_t price, bool divisible) {
    const std::int64_t counted = quantity > 0 ? quantity : 1;
    // Both are at most nine digits, so the product stays far inside 64 bits.
    return divisible ? (price * counted + 500) / 1000 : price * counted;
}

TaxFigures LineTaxOf(const TaxRate& tax, std::int64_t base) {
    TaxFigures figures;
    const std::int64_t rate = RateHundredths(tax);
    if (base <= 0 || rate == 0) {
        return figures;
    }
    switch (tax.kind) {
        case u'0':
            figures.included = (base * rate + kWholeRate + rate - 1) / (kWholeRate + rate);
            break;
        case u'1':
            figures.added = base * rate / kWholeRate;
            break;
        case u'2':
            figures.winnings = base * rate / kWholeRate;
            break;
        default:
            break;
    }
    return figures;
}

TaxFigures SlotTaxOf(const TaxRate& tax, std::int64_t turnover) {
    TaxFigures figures;
    const std::int64_t rate = RateHundredths(tax);
    if (turnover <= 0 || rate == 0) {
        return figures;
    }
    const std::int64_t rounded = (turnover * rate + kWholeRate / 2) / kWholeRate;
    switch (tax.kind) {
        case u'0':
            figures.included = LineTaxOf(tax, turnover).included;
            break;
        case u'1':
            figures.added = rounded;
            break;
        case u'2':
            figures.winnings = rounded;
            break;
        default:
            break;
    }
    return figures;
}

TaxFigures SalesTaxes(const RegisterState& state, const ReceiptInProgress& receipt) {
    return SideTaxes(state, receipt.salesBySlot);
}

TaxFigures ReturnsTaxes(const RegisterState& state, const ReceiptInProgress& receipt) {
    return SideTaxes(state, receipt.returnsBySlot);
}

std::int64_t AmountDue(const RegisterState& state, const ReceiptInProgress& receipt) {
    const TaxFigures sales = SalesTaxes(state, receipt);
    const TaxFigures returns = ReturnsTaxes(state, receipt);
    return receipt.salesSum + sales.added - sales.winnings - receipt.returnsSum - returns.added +
           returns.winnings;
}

std::int64_t ArticleLimit(const RegisterState& state) {
    const int model = state.identity.model;
    if (state.identity.family != 1) {
        return kDefaultArticleLimit;
    }
    switch (model) {
        case 3:
        case 4:
            return 9999;
        case 5:
        case 6:
            return UsesAccountingCodes(state) ? kAccountingCodeLimit : 9999;
        case 7:
            return 4999;
        case 8:
            return UsesAccountingCodes(state) ? kAccountingCodeLimit : 20688;
        default:
            return kDefaultArticleLimit;
    }
}

bool KnowsAccountingCodes(const RegisterState& state) {
    return IsModel(state, {5, 6, 8});
}

bool UsesAccountingCodes(const RegisterState& state) {
    return KnowsAccountingCodes(state) && state.counters.articleMode == 2;
}

}  // namespace orvik::sim
