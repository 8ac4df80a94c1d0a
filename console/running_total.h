#pragma once

#include <string>
#include <vector>

#include "console/receipt_total.h"
#include "console/sales_form.h"

// The running total the receipt page shows beside its list: the amount the register will ask
// at the close, the tax of each slot, and how the payments on the page meet that amount. It
// is read from the same computation as the cash field, which follows the close.
namespace orvik::console {

// One text per line. slots: the connected register's tax table (nullptr without one).
std::vector<std::u16string> RunningTotalLines(const ReceiptPreview& preview, bool hasRegister,
                                              const device::TaxTable* slots, const SalesForm& form,
                                              int moneyDecimals);

}  // namespace orvik::console
