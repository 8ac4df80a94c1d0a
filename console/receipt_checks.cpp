#include "console/receipt_checks.h"

#include <algorithm>
#include <limits>

#include "console/field_checks.h"
#include "console/receipt_numbers.h"
#include "res/string_table.h"
#include "support/text_codec.h"
#include "support/text_trim.h"

namespace orvik::console {

using namespace field_checks;

namespace {

constexpr int kQuantityDecimals = 3;

CheckResult CheckLengthsAndRanges(const ItemFields& item, const FormFields& form,
                                  const ItemLimits& limits) {
    const std::size_t nameLength = static_cast<std::size_t>(std::max(limits.maxNameLength, 0));
    if (auto failure = TooLong(ReceiptField::Name, item.name, nameLength)) {
        return failure;
    }
    if (auto failure = TooLong(ReceiptField::Quantity, item.quantity, kQuantityLength)) {
        return failure;
    }
    if (auto failure = TooLong(ReceiptField::Price, item.price, kMoneyLength)) {
        return failure;
    }
    if (auto failure =
            OutOfRange(ReceiptField::Article, ReadInteger(item.article), 1, limits.maxArticle)) {
        return failure;
    }
    if (auto failure =
            TooLong(ReceiptField::DiscountName, item.discountName, kDiscountNameLength)) {
        return failure;
    }
    if (auto failure = TooLong(ReceiptField::DiscountAmount, item.discountAmount, kMoneyLength)) {
        return failure;
    }
    if (auto failure = OutOfRange(ReceiptField::ReceiptNumber, ReadInteger(form.receiptNumber), 0,
                                  kMaxReceiptNumber)) {
        return failure;
    }
    return TooLong(ReceiptField::Barcode, form.barcode, kBarcodeLength);
}

// Steps 3 to 6: the page's own messages.
CheckResult CheckPageRules(const ItemFields& item, const ItemLimits& limits) {
    if (support::Trim(item.name).empty()) {
        return Fail(ReceiptField::Name, kStrItemNameEmpty);
    }
    if (!IsNumberOrEmpty(item.price) || ReadDecimal(item.price).millionths < 0) {
        return Fail(ReceiptField::Price, kStrItemPriceWrong);
    }
    if (item.discountKind != 0) {
        const DecimalNumber amount = ReadDecimal(item.discountAmount);
        if (support::Trim(item.discountName).empty()) {
            return Fail(ReceiptField::DiscountName, kStrDiscountIncomplete);
        }
        if (!amount.complete || amount.millionths <= 0) {
            return Fail(ReceiptField::DiscountAmount, kStrDiscountIncomplete);
        }
    }
    if (item.taxSlot1 != 0 && item.taxSlot1 == item.taxSlot2) {
        return Fail(ReceiptField::TaxRate2, kStrSameTaxTwice);
    }
    if (item.taxSlot1 != 0 && item.taxSlot2 != 0 && limits.registerKnown &&
        orvik::device::IsTaxSlot(item.taxSlot1) && orvik::device::IsTaxSlot(item.taxSlot2)) {
        const auto& slots = limits.taxSlots;
        if (slots[static_cast<std::size_t>(item.taxSlot1 - 1)].kind !=
            slots[static_cast<std::size_t>(item.taxSlot2 - 1)].kind) {
            return Fail(ReceiptField::TaxRate2, kStrTaxKindsDiffer);
        }
    }
    return std::nullopt;
}

CheckResult CheckText(ReceiptField field, std::u16string_view text) {
    for (const char16_t ch : text) {
        if (ch == u';' || ch < 0x20 || ch == 0x7F) {
            return Fail(field, kStrItemTextBreaksFormat, {std::u16string(text)});
        }
    }
    if (!std::all_of(text.begin(), text.end(), ReceiptTextCharOk)) {
        return Fail(field, kStrItemTextNotPrintable, {std::u16string(text)});
    }
    return std::nullopt;
}

CheckResult CheckQuantity(const ItemFields& item, const ItemLimits& limits) {
    const DecimalNumber quantity = ReadDecimal(item.quantity);
    if (!quantity.complete || quantity.millionths <= 0) {
        return Fail(ReceiptField::Quantity, kStrQuantityNotPositive, {item.quantity});
    }
    const int decimals = SignificantDecimals(item.quantity);
    if (!item.divisible && decimals > 0) {
        return Fail(ReceiptField::Quantity, kStrPieceQuantityNotWhole, {item.quantity});
    }
    if (item.divisible && (decimals > kQuantityDecimals || quantity.millionths < 1000)) {
        return Fail(ReceiptField::Quantity, kStrWeightTooFine, {item.quantity});
    }
    if (QuantityToUnits(item.quantity, item.divisible) > limits.maxQuantity) {
        return Fail(ReceiptField::Quantity, kStrLineQuantityTooLarge);
    }
    return std::nullopt;
}

CheckResult CheckTaxSlot(ReceiptField field, int slot, const ItemLimits& limits) {
    if (slot == 0) {
        return std::nullopt;
    }
    if (!orvik::device::IsTaxSlot(slot) ||
        (limits.registerKnown && !TaxSlotProgrammed(limits, slot))) {
        return Fail(field, kStrTaxSlotMissing, {Number(slot)});
    }
    return std::nullopt;
}

// Steps 7 to 11: what the register would otherwise register wrongly or not as shown.
CheckResult CheckRegistrable(const ItemFields& item, const ItemLimits& limits) {
    if (auto failure = CheckText(ReceiptField::Name, item.name)) {
        return failure;
    }
    if (item.discountKind != 0) {
        if (auto failure = CheckText(ReceiptField::DiscountName, item.discountName)) {
            return failure;
        }
    }
    if (auto failure = CheckQuantity(item, limits)) {
        return failure;
    }
    const int decimals = limits.moneyDecimals;
    if (auto failure = TooManyDecimals(ReceiptField::Price, item.price, decimals)) {
        return failure;
    }
    if (item.discountKind != 0) {
        if (auto failure =
                TooManyDecimals(ReceiptField::DiscountAmount, item.discountAmount, decimals)) {
            return failure;
        }
    }
    if (auto failure = CheckTaxSlot(ReceiptField::TaxRate1, item.taxSlot1, limits)) {
        return failure;
    }
    if (auto failure = CheckTaxSlot(ReceiptField::TaxRate2, item.taxSlot2, limits)) {
        return failure;
    }

    const std::int64_t price = MoneyTextToUnits(item.price, decimals);
    const std::int64_t discount =
        item.discountKind != 0 ? MoneyTextToUnits(item.discountAmount, decimals) : 0;
    const std::int64_t limit = orvik::device::kMaxLineFieldValue;
    const std::int32_t quantity = QuantityToUnits(item.quantity, item.divisible);
    const std::int64_t lineSum =
        price > limit
            ? price
            : orvik::device::LineSum(quantity, static_cast<std::int32_t>(price), item.divisible);
    if (item.discountKind == 1 && discount > lineSum) {
        return Fail(ReceiptField::DiscountAmount, kStrDiscountAboveLine,
                    {MinorUnitsToMoney(discount, decimals), MinorUnitsToMoney(lineSum, decimals)});
    }
    if (price > limit || lineSum > limit || discount > limit ||
        (item.discountKind == 2 && lineSum + discount > limit)) {
        return Fail(price > limit ? ReceiptField::Price : ReceiptField::Quantity,
                    kStrLineAmountOutOfRange);
    }
    return std::nullopt;
}

// A row's whole-number columns besides the article, with the range each must be in.
struct IntegerColumn {
    ReceiptColumn column;
    ReceiptField field;
    std::int64_t low;
    std::int64_t high;
    std::int64_t (*value)(const ReceiptRow&);
};
constexpr IntegerColumn kIntegerColumns[] = {
    {kColDivisible, ReceiptField::Divisible, 0, 1,
     [](const ReceiptRow& row) -> std::int64_t { return row.divisible; }},
    {kColTax1, ReceiptField::TaxRate1, 0, orvik::device::CPrinterInfo::kTaxSlotCount,
     [](const ReceiptRow& row) -> std::int64_t { return row.taxSlot1; }},
    {kColTax2, ReceiptField::TaxRate2, 0, orvik::device::CPrinterInfo::kTaxSlotCount,
     [](const ReceiptRow& row) -> std::int64_t { return row.taxSlot2; }},
    {kColDiscountKind, ReceiptField::DiscountKind, 0, 2,
     [](const ReceiptRow& row) -> std::int64_t { return row.discountKind; }},
    {kColCompoundTax, ReceiptField::CompoundTax, 0, 1,
     [](const ReceiptRow& row) -> std::int64_t { return row.compoundTax; }},
};

// A column a file wrote otherwise than plainly is judged as written: it may be no whole number
// at all, and a flag's text ("2", "-1") says more than the flag it sets.
CheckResult CheckIntegerColumn(const ReceiptRow& row, const IntegerColumn& column) {
    if (const std::u16string* held = HeldText(row, column.column)) {
        if (auto failure = NotInteger(column.field, *held)) {
            return failure;
        }
        return OutOfRange(column.field, ReadInteger(*held), column.low, column.high);
    }
    return OutOfRange(column.field, column.value(row), column.low, column.high);
}

}  // namespace

ItemLimits RegisterItemLimits(const orvik::device::CPrinterInfo& info,
                              const orvik::device::RegisterCapabilities& caps) {
    ItemLimits limits;
    limits.maxNameLength = caps.itemNameWidth;
    limits.maxArticle = info.maxArticleNumber;
    limits.moneyDecimals = std::clamp(info.decimalPointPosition, 0, kMaxDecimals);
    limits.maxQuantity = caps.maxLineQuantity;
    limits.registerKnown = true;
    limits.taxSlots = info.taxSlots;
    return limits;
}

bool TaxSlotProgrammed(const ItemLimits& limits, int slot) {
    if (!orvik::device::IsTaxSlot(slot)) {
        return false;
    }
    const orvik::device::TaxSlot& entry = limits.taxSlots[static_cast<std::size_t>(slot - 1)];
    return (entry.kind == u"0" || entry.kind == u"1" || entry.kind == u"2") &&
           !entry.rateText.empty();
}

bool ReceiptTextCharOk(char16_t ch) {
    using orvik::support::CodePage;
    using orvik::support::EncodeChar;
    using orvik::support::kDefaultChar;
    if (ch == u';' || ch < 0x20 || ch == 0x7F) {
        return false;
    }
    if (ch == u'?') {
        return true;
    }
    // The Ukrainian I travels to the register as the Latin one.
    const bool ukrainianI = ch == u'\u0406' || ch == u'\u0456';
    const bool printable = ukrainianI || EncodeChar(CodePage::Oem866, ch) != kDefaultChar;
    return printable && EncodeChar(CodePage::Ansi1251, ch) != kDefaultChar;
}

CheckResult CheckItem(const ItemFields& item, const FormFields& form, const ItemLimits& limits) {
    if (auto failure = CheckIntegers(item.article, form)) {
        return failure;
    }
    if (auto failure = CheckLengthsAndRanges(item, form, limits)) {
        return failure;
    }
    if (auto failure = CheckPageRules(item, limits)) {
        return failure;
    }
    return CheckRegistrable(item, limits);
}

ItemFields ItemFieldsOfRow(const ReceiptRow& row) {
    ItemFields item;
    item.name = row.name;
    item.article = ColumnText(row, kColArticle);
    item.divisible = row.divisible;
    item.quantity = row.quantity.text;
    item.price = row.price.text;
    item.taxSlot1 = row.taxSlot1;
    item.taxSlot2 = row.taxSlot2;
    item.discountKind = row.discountKind;
    item.discountName = row.discountName;
    item.discountAmount = row.discountAmount.text;
    return item;
}

CheckResult CheckRow(const ReceiptRow& row, const ItemLimits& limits) {
    if (const std::u16string* article = HeldText(row, kColArticle)) {
        if (auto failure = NotInteger(ReceiptField::Article, *article)) {
            return failure;
        }
    }
    for (const IntegerColumn& column : kIntegerColumns) {
        if (auto failure = CheckIntegerColumn(row, column)) {
            return failure;
        }
    }
    return CheckItem(ItemFieldsOfRow(row), FormFields{}, limits);
}

std::optional<RowFailure> CheckRows(std::span<const ReceiptRow> rows, const ItemLimits& limits) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (auto failure = CheckRow(rows[i], limits)) {
            return RowFailure{i, std::move(*failure)};
        }
    }
    return std::nullopt;
}

}  // namespace orvik::console
