#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "device/protocol/receipt_commands.h"

namespace orvik::console {

// A line of the composed receipt, stored as the texts of its eleven list columns: every
// computation (total, printing, saving) reads the line back from those texts.

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

struct ReceiptRow {
    std::array<std::u16string, kColumnCount> columns;
    bool isReturn = false;  // the row's data value: 1 return, 0 sale

    const std::u16string& operator[](ReceiptColumn column) const { return columns[column]; }
    std::u16string& operator[](ReceiptColumn column) { return columns[column]; }
    bool operator==(const ReceiptRow&) const = default;
};

// A row as the device core registers it, and whether a compound-tax command precedes it.
struct RowLine {
    orvik::device::ReceiptLineRequest line;
    bool compoundTax = false;
};

// The row's texts converted: quantity in thousandths when the row is divisible, else pieces;
// price and discount amount in minor units; the discount kind as the core counts it (-1 none,
// 0 discount, 1 surcharge).
RowLine ConvertRow(const ReceiptRow& row, int moneyDecimals);

}  // namespace orvik::console
