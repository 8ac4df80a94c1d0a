#include "console/receipt_row.h"

#include <algorithm>

#include "console/receipt_numbers.h"

namespace orvik::console {

namespace {

std::u16string Plain(std::int64_t value) {
    return FormatScaled(value, 0);
}

std::u16string Flag(bool on) {
    return on ? u"1" : u"0";
}

// A whole-number column's value, keeping its text when the value would not give it back.
std::int32_t ReadWhole(const RowTexts& texts, ReceiptColumn column, ReceiptRow& row) {
    const std::int32_t value = ReadInteger(texts[column]);
    if (texts[column] != Plain(value)) {
        row.heldTexts.push_back({column, texts[column]});
    }
    return value;
}

// A flag is set when it reads other than 0; only "0" and "1" are written plainly.
bool ReadFlag(const RowTexts& texts, ReceiptColumn column, ReceiptRow& row) {
    const bool on = ReadInteger(texts[column]) != 0;
    if (texts[column] != Flag(on)) {
        row.heldTexts.push_back({column, texts[column]});
    }
    return on;
}

}  // namespace

EnteredNumber EnteredNumber::FromText(std::u16string text) {
    const std::int64_t millionths = ReadDecimal(text).millionths;
    return EnteredNumber{std::move(text), millionths};
}

ReceiptRow RowFromTexts(const RowTexts& texts, bool isReturn) {
    ReceiptRow row;
    row.name = texts[kColName];
    row.article = ReadWhole(texts, kColArticle, row);
    row.divisible = ReadFlag(texts, kColDivisible, row);
    row.quantity = EnteredNumber::FromText(texts[kColQuantity]);
    row.price = EnteredNumber::FromText(texts[kColPrice]);
    row.taxSlot1 = ReadWhole(texts, kColTax1, row);
    row.taxSlot2 = ReadWhole(texts, kColTax2, row);
    row.discountKind = ReadWhole(texts, kColDiscountKind, row);
    row.discountName = texts[kColDiscountName];
    row.discountAmount = EnteredNumber::FromText(texts[kColDiscountAmount]);
    row.compoundTax = ReadFlag(texts, kColCompoundTax, row);
    row.isReturn = isReturn;
    return row;
}

const std::u16string* HeldText(const ReceiptRow& row, ReceiptColumn column) {
    const auto held =
        std::find_if(row.heldTexts.begin(), row.heldTexts.end(),
                     [column](const HeldColumnText& h) { return h.column == column; });
    return held == row.heldTexts.end() ? nullptr : &held->text;
}

std::u16string ColumnText(const ReceiptRow& row, ReceiptColumn column) {
    if (const std::u16string* held = HeldText(row, column)) {
        return *held;
    }
    switch (column) {
        case kColName:
            return row.name;
        case kColArticle:
            return Plain(row.article);
        case kColDivisible:
            return Flag(row.divisible);
        case kColQuantity:
            return row.quantity.text;
        case kColPrice:
            return row.price.text;
        case kColTax1:
            return Plain(row.taxSlot1);
        case kColTax2:
            return Plain(row.taxSlot2);
        case kColDiscountKind:
            return Plain(row.discountKind);
        case kColDiscountName:
            return row.discountName;
        case kColDiscountAmount:
            return row.discountAmount.text;
        case kColCompoundTax:
            return Flag(row.compoundTax);
        case kColumnCount:
            break;
    }
    return {};
}

RowTexts TextsOfRow(const ReceiptRow& row) {
    RowTexts texts;
    for (std::size_t column = 0; column < kColumnCount; ++column) {
        texts[column] = ColumnText(row, static_cast<ReceiptColumn>(column));
    }
    return texts;
}

RowLine ConvertRow(const ReceiptRow& row, int moneyDecimals) {
    RowLine converted;
    orvik::device::ReceiptLineRequest& line = converted.line;
    line.divisible = row.divisible;
    line.quantity = MillionthsToQuantityUnits(row.quantity.millionths, row.divisible);
    line.name = row.name;
    line.price = MillionthsToMinorUnits(row.price.millionths, moneyDecimals);
    line.taxSlot1 = row.taxSlot1;
    line.taxSlot2 = row.taxSlot2;
    line.article = row.article;
    // The list counts 0 none, 1 discount, 2 surcharge; the core one less.
    line.discountKind = static_cast<int>(static_cast<std::int64_t>(row.discountKind) - 1);
    line.discountName = row.discountName;
    line.discountAmount = MillionthsToMinorUnits(row.discountAmount.millionths, moneyDecimals);
    converted.compoundTax = row.compoundTax;
    return converted;
}

}  // namespace orvik::console
