#pragma once

#include <cstdint>
#include <string>

#include "sim/register_state.h"

// The simulated register's own arithmetic of receipts, in whole minor units and hundredths of
// a percent, from its own tax table: it never takes a sum or a tax from the console, it
// computes them and compares.
namespace orvik::sim {

// A slot of the tax table is in use once it has a date.
bool IsProgrammed(const TaxRate& tax);
// The rate of a slot in hundredths of a percent: "2000" is 2000 (20.00 %).
std::int64_t RateHundredths(const TaxRate& tax);

// The letter that names slot n (1 to 8) on the wire and on the tape; '?' for other numbers.
char16_t SlotLetter(int slot);
// The slot a letter names, or 0.
int SlotOfLetter(char16_t letter);

// Price times quantity; a quantity of 0 counts as 1, and thousandths of a divisible good are
// rounded half up to the minor unit.
std::int64_t LineSumOf(std::int64_t quantity, std::int64_t price, bool divisible);

// The tax one slot takes from one line whose sum is base: an included tax is the part of the
// base that holds it (rounded up), an added tax and a tax on winnings the rate of the base
// (rounded down).
TaxFigures LineTaxOf(const TaxRate& tax, std::int64_t base);

// The tax of a slot on a receipt's turnover in it, rounded to the nearest minor unit (the
// included tax up, as on a line).
TaxFigures SlotTaxOf(const TaxRate& tax, std::int64_t turnover);

// The receipt's taxes of either side, computed slot by slot on the turnovers.
TaxFigures SalesTaxes(const RegisterState& state, const ReceiptInProgress& receipt);
TaxFigures ReturnsTaxes(const RegisterState& state, const ReceiptInProgress& receipt);

// What the customer pays: the sales with their added tax less their tax on winnings, less
// the returns with the opposite signs. Below 0 when the register owes the customer.
std::int64_t AmountDue(const RegisterState& state, const ReceiptInProgress& receipt);

// The highest article number the line command takes on this register and article mode.
std::int64_t ArticleLimit(const RegisterState& state);

// Whether the register takes "FICD"/"BFCD" lines: family 1 models 5, 6 and 8 in article
// mode 2, which registers goods by nine-digit accounting codes.
bool UsesAccountingCodes(const RegisterState& state);
// Whether the register knows the coded line commands at all.
bool KnowsAccountingCodes(const RegisterState& state);

}  // namespace orvik::sim
