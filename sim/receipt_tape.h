#pragma once

#include <cstdint>
#include <string_view>

#include "sim/register_state.h"

// What the simulated register prints of a receipt, part by part as a register prints it while
// the receipt is registered, so that the tape shows how far a receipt got when it broke off:
//
//   the head at "PREP":     header and owner lines, department, cashier, the shop's number
//   each line:              name (and its continuation), quantity x price, sum and the tax
//                           letters, the discount or surcharge, the line's taxes
//   a barcode ("PCOD")
//   the end at "COMP":      sales and returns, the taxes by slot, the amount due, the
//                           payments and change, the footer, the multi-line footer and
//                           the logo (footer_logo_print.h), the receipt number, the
//                           register's serial and fiscal numbers, date and time
//   or the cancellation ("CANC")
//
// and the cash documents of "CAIO". Lines are as wide as the register's paper.
namespace orvik::sim {

void PrintReceiptHead(const RegisterState& state, const ReceiptInProgress& receipt);
// firstReturn: the receipt turns to returns with this line.
void PrintReceiptLine(const RegisterState& state, const RegisteredLine& line, bool firstReturn);
// codeSet 'g', 'h' or 'i' (code sets A, B and C).
void PrintReceiptBarcode(const RegisterState& state, char16_t codeSet, std::u16string_view code);
void PrintReceiptEnd(const RegisterState& state, const ReceiptInProgress& receipt,
                     const ClosedReceipt& closed);
void PrintReceiptCancelled(const RegisterState& state);
void PrintCashMove(const RegisterState& state, bool cashIn, std::int64_t amount);

// Money with the currency's decimals, "123.45".
std::u16string MoneyText(const RegisterState& state, std::int64_t minor);
// A quantity as the line gives it: "2", or "1.500" for thousandths of a divisible good.
std::u16string QuantityText(std::int64_t quantity, bool divisible);

}  // namespace orvik::sim
