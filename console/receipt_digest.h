#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "console/receipt_checks.h"
#include "console/receipt_row.h"

namespace orvik::console {

// What identifies a receipt in the journal: a SHA-256, in hexadecimal, of its rows as the
// register is told them (so "12.5" and "12.50" are one price), its payments and the receipt
// number it is given. The same receipt printed again has the same digest.
std::string ReceiptDigest(std::span<const ReceiptRow> rows, const Payments& payments,
                          std::int32_t receiptNumber, int moneyDecimals);

}  // namespace orvik::console
