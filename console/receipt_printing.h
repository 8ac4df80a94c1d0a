#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "console/receipt_checks.h"
#include "console/receipt_register.h"
#include "console/receipt_row.h"

namespace orvik::console {

// Printing a composed receipt: the sequence of device-core operations per copy, from the
// receipt number to the close, and the count-down of the copies still to print. The caller
// has checked the page's fields (CheckPrintScope); printing itself refuses, before anything
// is sent, payments that PlanPayments refuses and, when the register's limits are given, rows
// that CheckRow refuses. The core shows the register's errors itself.

// The page's fields that printing reads.
struct PrintRequest {
    int copies = 1;                  // "Напечатать чек", 1 to 100
    std::int32_t receiptNumber = 0;  // set before every copy when above 0
    std::int32_t tapeMode = 0;       // 0 ordinary, 1 continuous tape
    // Money texts. A negative cash is paid as its amount only on a refund (the receipt's
    // amount due below 0), where it is the cash paid back; see PlanPayments.
    std::u16string cash;
    std::u16string payment1;
    std::u16string payment2;
    std::u16string payment3;
    // The compound-tax box of the entry form ticked: the receipt is paid in cash with the
    // amount due of the open receipt, whatever the payment fields say.
    bool compoundTaxBox = false;
    int barcodeType = 0;     // 0 CODEA, 1 CODEB, 2 CODEC
    std::u16string barcode;  // printed when not empty
    int moneyDecimals = 2;
    // The connected register's limits: when given, every row goes through CheckRow first.
    std::optional<ItemLimits> rowLimits;
};

// What the page shows while printing. Every member may be empty.
struct PrintProgress {
    // The copies still to print, this one included, as each copy starts.
    std::function<void(int)> copiesRemaining;
    // A row is selected while it is registered, and unselected after.
    std::function<void(std::size_t)> rowSelected;
    std::function<void(std::size_t)> rowUnselected;
    // Asked before every command that would start something new (a copy, a line, the close):
    // true stops the printing there. A receipt opened and not yet closing is left open for the
    // caller to cancel.
    std::function<bool()> stopRequested;
};

struct PrintOutcome {
    // The copies the register registered: a copy whose close got no answer counts once the
    // register has told that it registered it.
    int copiesPrinted = 0;
    // What "Напечатать чек" shows afterwards: 1 after a complete run, the copies not yet
    // started after a failure (at least 1).
    int copiesRemaining = 1;
    bool failed = false;   // the last copy started did not complete
    bool stopped = false;  // a stop request ended the printing
    // The close of the last copy started; None when that copy ended before its close.
    device::CloseOutcome lastClose;
    // Set when the rows or the payments were refused: nothing was sent.
    std::optional<RowFailure> refusedRow;
    CheckResult refusedPayments;
    // What the last close was handed, in minor units.
    Payments lastPayments;
};

// The payments of the request in minor units, signed as their texts are.
Payments ReadPayments(const PrintRequest& request);

// The text for PrintBarcode: "g", "h" or "i" for the code set, then the barcode.
std::u16string BarcodeText(int barcodeType, std::u16string_view barcode);

// Prints the rows as many times as asked; stops at the first copy that fails, also one whose
// close got no answer, whether or not the register turns out to have registered it: the
// operator is told which it was and decides. A receipt left open by a failure stays open until
// the next OpenReceipt cancels it.
PrintOutcome PrintReceipt(IReceiptRegister& reg, std::span<const ReceiptRow> rows,
                          const PrintRequest& request, const PrintProgress& progress = {});

}  // namespace orvik::console
