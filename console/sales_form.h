#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "console/receipt_checks.h"
#include "console/receipt_row.h"
#include "device/protocol/receipt_math.h"
#include "device/protocol/register_capabilities.h"

// The receipt page's fields, the limits it takes from the register and the rules that turn
// the entry form into a list row and back. The page's widgets only mirror these values.
namespace orvik::console {

// Every field of the receipt page, as the user typed it where the user types.
struct SalesForm {
    std::u16string name;
    bool divisible = false;  // "Товар весовой (делимый)"
    std::u16string quantity;
    std::u16string price;
    std::u16string article = u"0";  // digits only
    int taxSlot1 = 0;               // the chosen rate's slot; 0 "НЕ ОБЛАГАЕТСЯ"
    int taxSlot2 = 0;
    bool compoundTax = false;  // "Сложный налог(налог на налог)"
    int discountKind = 0;      // 0 none, 1 discount, 2 surcharge
    std::u16string discountName;
    std::u16string discountAmount;
    std::u16string receiptNumber = u"0";  // digits only
    bool isReturn = false;                // "Возврат товара"
    std::u16string printCount = u"1";     // "Напечатать чек", digits only
    int afterPrint = 0;  // 0 "Не очищать", 1 "Очистить список"
    std::u16string cash;
    std::array<std::u16string, 3> payments;
    int tapeMode = 0;     // 0 ordinary, 1 continuous tape
    int barcodeType = 0;  // 0 CODEA, 1 CODEB, 2 CODEC
    std::u16string barcode;

    bool operator==(const SalesForm&) const = default;
};

// One entry of the two tax-rate lists.
struct TaxChoice {
    int slot = 0;  // 0 "НЕ ОБЛАГАЕТСЯ", else 1 to 8
    std::u16string text;
    char16_t kind = 0;  // the slot's kind character, 0 for "НЕ ОБЛАГАЕТСЯ"

    bool operator==(const TaxChoice&) const = default;
};

// "НЕ ОБЛАГАЕТСЯ", then every slot the register has programmed (TaxSlotProgrammed), as
// "letter-name rate kind": "А-ПДВ 20.00 Вложенный" ("А- 20.00 Вложенный" without a name).
// Before any register, "НЕ ОБЛАГАЕТСЯ" alone.
std::vector<TaxChoice> TaxChoicesFor(const ItemLimits& limits);

// The form's item and the fields beside it as the checks read them.
ItemFields ItemFieldsOf(const SalesForm& form);
FormFields FormFieldsOf(const SalesForm& form);

// The fields whose numbers are written anew when the user leaves them.
enum class NumberField { Quantity, Price, DiscountAmount, Cash, Payment1, Payment2, Payment3 };

// The text a number field shows once left: the quantity of a divisible good with 3 decimals
// (typed without a point, in thousandths: 1500 is 1.500), of a piece good with none (2.7 is
// 3); money with the register's decimals (12,5 is 12.50, an empty price 0.00).
std::u16string NormalizeNumberField(NumberField field, std::u16string_view text, bool divisible,
                                    int moneyDecimals);

// The list row the form describes, its numbers read here once: the article as a whole number,
// the quantity, price and discount amount with the texts they were typed as (the list shows
// those), the discount name and amount only with a discount or surcharge, and the return flag.
ReceiptRow RowFromForm(const SalesForm& form);

// Takes a row back into the form (a double click on it). A tax slot that no entry of the
// lists has any more leaves that list's choice as it was.
void LoadRowIntoForm(const ReceiptRow& row, const std::vector<TaxChoice>& choices, SalesForm& form);

// After a line is added, changed or printed: the name, quantity and price emptied, the
// article 0, the compound tax unticked. Every other field keeps its value.
void ClearLineFields(SalesForm& form);

// "Сложный налог(налог на налог)" can be used only with two rates chosen; a box left ticked
// while it cannot be used would still have the receipt paid in cash alone at printing, with
// no way to untick it. It is unticked when a rate goes back to "НЕ ОБЛАГАЕТСЯ".
void DropCompoundTaxWithoutTwoRates(SalesForm& form);

// Which of the page's controls may be used; the others always may.
struct SalesButtons {
    bool discountFields = false;  // "Название" and "Сумма скидки"
    bool selectionActions = false;  // "Снять выделение", "Удалить", "Изменить строку списка"
    bool receiptActions = false;  // "Сохранить чек", "&Печатать чек"
    bool tapeModes = false;       // the two tape modes
    bool barcode = false;         // the code sets and the barcode
    bool compoundTax = false;     // "Сложный налог(налог на налог)"

    bool operator==(const SalesButtons&) const = default;
};
// caps: what the connected register has (a default value without one).
SalesButtons EnabledSalesButtons(const SalesForm& form, std::size_t rows, std::size_t selected,
                                 const device::RegisterCapabilities& caps);

}  // namespace orvik::console
