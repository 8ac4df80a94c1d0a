#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "console/check_result.h"
#include "console/receipt_numbers.h"
#include "console/receipt_row.h"
#include "device/protocol/printer_info.h"
#include "device/protocol/receipt_math.h"
#include "device/protocol/register_capabilities.h"
#include "res/string_table.h"

// The checks a receipt item and the payments pass before anything is sent to the register.
// The receipt page runs them on its form when a line is added or changed and before it
// prints; the command line runs them on every row of a receipt file. Both get the same
// verdict and the same message, taken from the string table.
namespace orvik::console {

// A string-table text with %1, %2 ... filled in.
using orvik::FormatMessage;

// --- What the register allows ----------------------------------------------------------------

// The limits the connected register sets. Default-constructed: the page before its first
// refresh (no register known, so tax slots and kinds are not compared).
struct ItemLimits {
    int maxNameLength = 12;            // characters of an item name
    std::int32_t maxArticle = 2000;    // article numbers run from 1 to this
    int moneyDecimals = 2;             // decimals of the register's currency
    std::int32_t maxQuantity = 99999;  // pieces, or thousandths of a divisible good
    bool registerKnown = false;        // the tax table below is the register's
    orvik::device::TaxTable taxSlots{};
};

// The limits of a connected register: the name length and line quantity limit its capabilities
// give (36 outside models 3 to 8; 41 for models 3, 4 and 7; 116 for models 5, 6 and 8 in
// article mode 2, else 41), its highest article, its currency's decimals and its tax table.
ItemLimits RegisterItemLimits(const orvik::device::CPrinterInfo& info,
                              const orvik::device::RegisterCapabilities& caps);

// Whether tax slot `slot` (1 to 8) is programmed on the register: a known kind ("0", "1" or
// "2") and a rate. These are the slots the page offers in its tax-rate lists.
bool TaxSlotProgrammed(const ItemLimits& limits, int slot);

// Whether the register can print the character (its code page has it; the Ukrainian I travels
// as the Latin one) and a receipt file can hold it (Windows-1251, not ";" nor a control
// character).
bool ReceiptTextCharOk(char16_t ch);

// --- One item --------------------------------------------------------------------------------

// One item as the entry form holds it: the texts as typed, the selections as numbers.
struct ItemFields {
    std::u16string name;      // "Наименование"
    std::u16string article;   // "Артикул"
    bool divisible = false;   // "Товар весовой (делимый)"
    std::u16string quantity;  // "Количество"
    std::u16string price;     // "Цена товара"
    int taxSlot1 = 0;         // "Ставка № 1": slot 1 to 8, 0 "НЕ ОБЛАГАЕТСЯ"
    int taxSlot2 = 0;         // "Ставка № 2"
    int discountKind = 0;  // 0 "Нет скидок/надбавок", 1 "Скидка", 2 "Надбавка"
    std::u16string discountName;    // "Название"
    std::u16string discountAmount;  // "Сумма скидки"
};

// The item scope: the checks before a line is added or changed, first failure wins.
//  1. article, print count and receipt number whole numbers ("Please enter an integer.");
//  2. lengths and ranges: name, quantity (7), price (10), article 1 to maxArticle, discount
//     name (13), discount amount (10), receipt number 0 to 99999, barcode (17);
//  3. name empty: 140;  4. price below 0 or not a number: 161;
//  5. a discount or surcharge without name or with an amount of 0 or less: 141;
//  6. the same rate twice: 142; with a register, two rates of different kinds: 162;
// then what the register would otherwise register wrongly:
//  7. a name or discount name with ";", a line break or a character the register cannot print;
//  8. a quantity that is not a number above 0; a piece good's quantity not whole; a weighed
//     quantity below 0.001 or with more than three decimals; above the register's line limit;
//  9. a price or discount amount with more decimals than the register's currency;
// 10. with a register, a tax slot it has not programmed;
// 11. a discount larger than its line; a price or line sum beyond the command's nine digits.
CheckResult CheckItem(const ItemFields& item, const FormFields& form, const ItemLimits& limits);

// The row as the item checks read the entry form: the texts the list shows for the article,
// quantity and amounts (the checks judge and name them as written), the rest as numbers.
ItemFields ItemFieldsOfRow(const ReceiptRow& row);

// A row of the list or of a receipt file: the item scope on its columns (no form fields), and
// first what a row can hold and the form cannot: the article, flags, tax slots and discount
// kind written as whole numbers (a text a file held, see HeldColumnText), flags 0 or 1, tax
// slots 0 to 8, the kind 0 to 2.
CheckResult CheckRow(const ReceiptRow& row, const ItemLimits& limits);

struct RowFailure {
    std::size_t row = 0;  // index in the list, from 0
    CheckFailure failure;
};
// The first row that CheckRow refuses, or nothing.
std::optional<RowFailure> CheckRows(std::span<const ReceiptRow> rows, const ItemLimits& limits);

// --- Printing and payments -------------------------------------------------------------------

// The cash and the three payments as their fields hold them ("Наличные: ", "Оплата 1:" to
// "Оплата 3:").
struct PaymentTexts {
    std::u16string cash;
    std::array<std::u16string, 3> payments;
};

// The print scope: article, print count and receipt number whole numbers, the print count 1
// to 100, the receipt number 0 to 99999, the cash and payments at most 10 characters, the
// barcode at most 17.
CheckResult CheckPrintScope(std::u16string_view article, const FormFields& form,
                            const PaymentTexts& money);

// The payments handed to CloseReceipt, in minor units.
struct Payments {
    std::int32_t cash = 0;
    std::int32_t payment1 = 0;
    std::int32_t payment2 = 0;
    std::int32_t payment3 = 0;
};

struct PaymentPlan {
    CheckResult failure;  // set when the payments are refused; then nothing may be sent
    Payments payments;    // otherwise what the register is told, a refund's cash as its amount
};

// The payments of a receipt whose amount due (ComputeReceiptTotal) is `amountDue` minor units:
// each a number (empty is 0), not below 0, with no more decimals than the currency, within
// what the close command carries; payments 1 to 3 together not above the amount due (or the
// refund; a message names them and the total). The cash is not below 0 either, except on a
// refund (an amount due below 0): there the page shows the cash paid back with a minus sign,
// and the register is told its amount. Payments 1 to 3 are checked before the cash, so that a
// cash made negative by them is reported as the overpayment it is.
PaymentPlan PlanPayments(std::int64_t amountDue, const PaymentTexts& money, int moneyDecimals);

}  // namespace orvik::console
