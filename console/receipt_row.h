#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "device/protocol/receipt_commands.h"

namespace orvik::console {

// A line of the composed receipt. Its numbers are read once, when the row is made from the
// entry form (RowFromForm) or from a receipt file's texts (RowFromTexts); the total, the
// printing and the digest read those numbers, and only the list and the files write texts.

// The receipt list's columns, in the order the list shows them and a receipt file writes them.
enum ReceiptColumn : std::size_t {
    kColName = 0,          // the item name
    kColArticle = 1,       // article number in decimal
    kColDivisible = 2,     // "1" divisible (weighed) good, "0" otherwise
    kColQuantity = 3,      // the quantity text as typed
    kColPrice = 4,         // the price text
    kColTax1 = 5,          // tax slot of rate 1 (1 to 8), 0 for none
    kColTax2 = 6,          // tax slot of rate 2
    kColDiscountKind = 7,  // 0 none, 1 discount, 2 surcharge
    kColDiscountName = 8,
    kColDiscountAmount = 9,  // the amount text
    kColCompoundTax = 10,    // "1" tax on tax, "0" otherwise
    kColumnCount = 11,
};

// A row's texts, column by column.
using RowTexts = std::array<std::u16string, kColumnCount>;

// A quantity or amount as it was typed or as a file held it ("12,5", "1500" of a weighed good,
// "x"), which the list shows and the file keeps, and its value in millionths, which is only
// rounded to the register's decimals when it is printed or totalled: a row typed before the
// register is known counts the same once it is.
struct EnteredNumber {
    std::u16string text;
    std::int64_t millionths = 0;  // 0 when the text does not start with a number

    static EnteredNumber FromText(std::u16string text);
    bool operator==(const EnteredNumber&) const = default;
};

// The text a receipt file held in a whole-number column (article, flags, tax slots, discount
// kind) when it is not the row's number written plainly: " 7", "007", "2" for a flag, "x" or
// nothing. The list shows it and the file keeps it, and the row's checks judge it as it
// stands. Rows made from the form never hold one; a row is made anew rather than changed, so
// that a held text never stands beside a number that no longer reads from it.
struct HeldColumnText {
    ReceiptColumn column = kColArticle;
    std::u16string text;

    bool operator==(const HeldColumnText&) const = default;
};

struct ReceiptRow {
    std::u16string name;
    std::int32_t article = 0;
    bool divisible = false;  // a weighed good: its quantity counts thousandths
    EnteredNumber quantity;
    EnteredNumber price;
    std::int32_t taxSlot1 = 0;  // 1 to 8, 0 for none
    std::int32_t taxSlot2 = 0;
    std::int32_t discountKind = 0;  // 0 none, 1 discount, 2 surcharge
    std::u16string discountName;
    EnteredNumber discountAmount;
    bool compoundTax = false;  // tax on tax
    bool isReturn = false;     // the row's data value: 1 return, 0 sale
    std::vector<HeldColumnText> heldTexts;

    bool operator==(const ReceiptRow&) const = default;
};

// A row read from its column texts, as a receipt file holds them: whole numbers as ReadInteger
// reads them, a flag set when it reads other than 0, quantities and amounts as ReadDecimal
// reads them. The texts are kept where the numbers would not give them back.
ReceiptRow RowFromTexts(const RowTexts& texts, bool isReturn);

// The text of a column as the list shows it and a file writes it: the text entered or held,
// else the number written plainly. TextsOfRow(RowFromTexts(texts, r)) is texts.
std::u16string ColumnText(const ReceiptRow& row, ReceiptColumn column);
RowTexts TextsOfRow(const ReceiptRow& row);

// The text a whole-number column held, or nullptr when it was the number written plainly.
const std::u16string* HeldText(const ReceiptRow& row, ReceiptColumn column);

// A row as the device core registers it, and whether a compound-tax command precedes it.
struct RowLine {
    orvik::device::ReceiptLineRequest line;
    bool compoundTax = false;
};

// The row for the core: quantity in thousandths when the row is divisible, else pieces; price
// and discount amount in minor units (rounded half away from zero, held within 32 bits); the
// discount kind as the core counts it (-1 none, 0 discount, 1 surcharge).
RowLine ConvertRow(const ReceiptRow& row, int moneyDecimals);

}  // namespace orvik::console
