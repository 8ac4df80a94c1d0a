#include "console/sales_form.h"

#include <algorithm>
#include <string>

#include "console/receipt_numbers.h"
#include "res/string_table.h"

namespace orvik::console {
namespace {

constexpr int kQuantityDecimals = 3;

std::u16string Decimal(std::int64_t value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

std::u16string KindName(char16_t kind) {
    switch (kind) {
        case u'0':
            return LoadString(kStrTaxKindIncluded);
        case u'1':
            return LoadString(kStrTaxKindAdded);
        default:
            return LoadString(kStrTaxKindWinnings);
    }
}

}  // namespace

std::vector<TaxChoice> TaxChoicesFor(const ItemLimits& limits) {
    std::vector<TaxChoice> choices{{.slot = 0, .text = LoadString(kStrNoTax), .kind = 0}};
    if (!limits.registerKnown) {
        return choices;
    }
    const std::u16string letters = LoadString(kStrTaxLetters);
    for (std::size_t i = 0; i < limits.taxSlots.size(); ++i) {
        if (!TaxSlotProgrammed(limits, static_cast<int>(i + 1))) {
            continue;
        }
        const device::TaxSlot& slot = limits.taxSlots[i];
        const char16_t kind = slot.kind.front();
        std::u16string text{letters.at(i), u'-'};
        text += slot.name + u" " + slot.rateText + u" " + KindName(kind);
        choices.push_back({.slot = static_cast<int>(i + 1), .text = std::move(text), .kind = kind});
    }
    return choices;
}

ItemFields ItemFieldsOf(const SalesForm& form) {
    return ItemFields{.name = form.name,
                      .article = form.article,
                      .divisible = form.divisible,
                      .quantity = form.quantity,
                      .price = form.price,
                      .taxSlot1 = form.taxSlot1,
                      .taxSlot2 = form.taxSlot2,
                      .discountKind = form.discountKind,
                      .discountName = form.discountName,
                      .discountAmount = form.discountAmount};
}

FormFields FormFieldsOf(const SalesForm& form) {
    return FormFields{.printCount = form.printCount,
                      .receiptNumber = form.receiptNumber,
                      .barcode = form.barcode};
}

std::u16string NormalizeNumberField(NumberField field, std::u16string_view text, bool divisible,
                                    int moneyDecimals) {
    if (field == NumberField::Quantity) {
        return NormalizeNumberText(text, divisible ? kQuantityDecimals : 0, divisible);
    }
    return NormalizeNumberText(text, moneyDecimals, false);
}

ReceiptRow RowFromForm(const SalesForm& form) {
    ReceiptRow row;
    row.name = form.name;
    row.article = ReadInteger(form.article);
    row.divisible = form.divisible;
    row.quantity = EnteredNumber::FromText(form.quantity);
    row.price = EnteredNumber::FromText(form.price);
    row.taxSlot1 = form.taxSlot1;
    row.taxSlot2 = form.taxSlot2;
    row.discountKind = form.discountKind;
    if (form.discountKind != 0) {
        row.discountName = form.discountName;
        row.discountAmount = EnteredNumber::FromText(form.discountAmount);
    }
    row.compoundTax = form.compoundTax;
    row.isReturn = form.isReturn;
    return row;
}

void LoadRowIntoForm(const ReceiptRow& row, const std::vector<TaxChoice>& choices,
                     SalesForm& form) {
    form.isReturn = row.isReturn;
    form.name = row.name;
    form.article = Decimal(row.article);
    form.divisible = row.divisible;
    form.quantity = row.quantity.text;
    form.price = row.price.text;
    const auto offered = [&choices](int slot) {
        return std::any_of(choices.begin(), choices.end(),
                           [slot](const TaxChoice& choice) { return choice.slot == slot; });
    };
    if (offered(row.taxSlot1)) {
        form.taxSlot1 = row.taxSlot1;
    }
    if (offered(row.taxSlot2)) {
        form.taxSlot2 = row.taxSlot2;
    }
    // A kind the radio buttons do not have would leave none of them chosen.
    form.discountKind = std::clamp(row.discountKind, 0, 2);
    form.discountName = row.discountName;
    form.discountAmount = row.discountAmount.text;
    form.compoundTax = row.compoundTax;
}

void ClearLineFields(SalesForm& form) {
    form.name.clear();
    form.quantity.clear();
    form.price.clear();
    form.article = u"0";
    form.compoundTax = false;
}

void DropCompoundTaxWithoutTwoRates(SalesForm& form) {
    if (form.taxSlot1 == 0 || form.taxSlot2 == 0) {
        form.compoundTax = false;
    }
}

SalesButtons EnabledSalesButtons(const SalesForm& form, std::size_t rows, std::size_t selected,
                                 const device::RegisterCapabilities& caps) {
    return SalesButtons{
        .discountFields = form.discountKind != 0,
        .selectionActions = selected > 0,
        .receiptActions = rows > 0,
        .tapeModes = caps.tapeMode,
        .barcode = caps.barcode,
        .compoundTax = form.taxSlot1 != 0 && form.taxSlot2 != 0,
    };
}

}  // namespace orvik::console
