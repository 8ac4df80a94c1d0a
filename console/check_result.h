#pragma once

#include <optional>
#include <string>

// What a check of the receipt page's fields says: the field it refuses, with its string-table
// message, or nothing. The field checks and the receipt checks built of them share it.
namespace orvik::console {

// The page's fields a check can name, so that the page can put the focus there and the command
// line can name the column.
enum class ReceiptField {
    Name,
    Article,
    Divisible,
    Quantity,
    Price,
    TaxRate1,
    TaxRate2,
    DiscountKind,
    DiscountName,
    DiscountAmount,
    CompoundTax,
    ReturnFlag,
    PrintCount,
    ReceiptNumber,
    Barcode,
    Cash,
    Payment1,
    Payment2,
    Payment3,
};

// What a check refused: the field, the string-table id of the message and its text with the
// values filled in.
struct CheckFailure {
    ReceiptField field = ReceiptField::Name;
    int messageId = 0;
    std::u16string message;
};
// Nothing when every check passed.
using CheckResult = std::optional<CheckFailure>;

// The page's fields outside the item that its item scope reads as well.
struct FormFields {
    std::u16string printCount = u"1";     // "Напечатать чек"
    std::u16string receiptNumber = u"0";  // "Номер чека:"
    std::u16string barcode;               // the text beside "Штрихкод"
};

}  // namespace orvik::console
