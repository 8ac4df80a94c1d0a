#include "console/receipt_row.h"

#include "console/receipt_numbers.h"

namespace orvik::console {

RowLine ConvertRow(const ReceiptRow& row, int moneyDecimals) {
    RowLine converted;
    orvik::device::ReceiptLineRequest& line = converted.line;
    line.divisible = ReadInteger(row[kColDivisible]) != 0;
    line.quantity = QuantityToUnits(row[kColQuantity], line.divisible);
    line.name = row[kColName];
    line.price = MoneyToMinorUnits(row[kColPrice], moneyDecimals);
    line.taxSlot1 = ReadInteger(row[kColTax1]);
    line.taxSlot2 = ReadInteger(row[kColTax2]);
    line.article = ReadInteger(row[kColArticle]);
    // The list counts 0 none, 1 discount, 2 surcharge; the core one less.
    line.discountKind =
        static_cast<int>(static_cast<std::int64_t>(ReadInteger(row[kColDiscountKind])) - 1);
    line.discountName = row[kColDiscountName];
    line.discountAmount = MoneyToMinorUnits(row[kColDiscountAmount], moneyDecimals);
    converted.compoundTax = ReadInteger(row[kColCompoundTax]) != 0;
    return converted;
}

}  // namespace orvik::console
