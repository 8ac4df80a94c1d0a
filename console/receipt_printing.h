#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "console/receipt_checks.h"
#include "console/receipt_journal.h"
#include "console/receipt_register.h"
#include "console/receipt_row.h"

namespace orvik::console {

// Printing a composed receipt: the sequence of device-core operations per copy, from the
// receipt number to the close, and the count-down of the copies still to print. The caller
// has checked the page's fields (CheckPrintScope); printing itself refuses, before anything
// is sent, payments that PlanPayments refuses and, when the register's limits are given, rows
// that CheckRow refuses. The core shows the register's errors itself.

// Where the copies are written before their close is sent.
struct JournalContext {
    // The receipt journal. Every caller that prints for real hands one (and refuses to print
    // when it cannot be opened); without one the copies are recorded nowhere.
    ReceiptJournal* journal = nullptr;
    std::u16string operatorName;
    // Print even when the journal holds this receipt from a close whose outcome was unknown.
    bool again = false;
};

// How long a receipt whose close went unanswered holds back the same receipt.
inline constexpr std::int64_t kHeldReceiptSeconds = 24 * 60 * 60;

// The page's fields that printing reads.
struct PrintRequest {
    int copies = 1;                  // "Напечатать чек", 1 to 100
    std::int32_t receiptNumber = 0;  // set before every copy when above 0
    std::int32_t tapeMode = 0;       // 0 ordinary, 1 continuous tape
    // Money texts. A negative cash is paid as its amount only on a refund (the receipt's
    // amount due below 0), where it is the cash paid back; see PlanPayments.
    std::u16string cash;
    // The cash is the amount due less payments 1 to 3, whatever `cash` says (the command line's
    // default, as "Наличные: " is filled in on the page).
    bool cashIsRest = false;
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
    JournalContext journal;
};

// What the page shows while printing. Every member may be empty.
struct PrintProgress {
    // Once every check has passed, before anything is sent: the amount due and the payments
    // the register will be told (the cash as planned; with the compound-tax box ticked the
    // close is paid in cash with the register's amount due instead).
    std::function<void(std::int64_t, const Payments&)> checked;
    // The copies still to print, this one included, as each copy starts.
    std::function<void(int)> copiesRemaining;
    // A row is selected while it is registered, and unselected after.
    std::function<void(std::size_t)> rowSelected;
    std::function<void(std::size_t)> rowUnselected;
    // Asked before every command that would start something new (a copy, a line, the close):
    // true stops the printing there: a receipt opened and not yet closing is cancelled (and
    // kept in the journal as cancelled).
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
    // The amount due, as checked before anything was sent.
    std::int64_t total = 0;
    // The journal holds this receipt, sent earlier, from a close whose answer never came: it
    // is unknown, or the register registered it. Nothing was sent.
    std::optional<JournalCopy> heldBy;
    // The journal could not be written: the copy's close was not sent (its receipt cancelled),
    // or its outcome could not be recorded. The reason.
    std::string journalError;
};

// The payments of the request in minor units, signed as their texts are.
Payments ReadPayments(const PrintRequest& request);

// The text for PrintBarcode: "g", "h" or "i" for the code set, then the barcode.
std::u16string BarcodeText(int barcodeType, std::u16string_view barcode);

// The receipt job of the page and the command line. Checks the rows and payments; with a
// journal, settles what the register still owes an outcome for and refuses (heldBy) a receipt
// the journal holds from an unknown outcome unless asked again; then prints the rows as many
// times as asked, each copy written to the journal before its close is sent and brought up to
// date after. Stops at the first copy that fails, also one whose close got no answer, whether
// or not the register turns out to have registered it: the operator is told which it was and
// decides. A receipt left open by a failure stays open until the next OpenReceipt cancels it.
PrintOutcome PrintReceipt(IReceiptRegister& reg, std::span<const ReceiptRow> rows,
                          const PrintRequest& request, const PrintProgress& progress = {});

}  // namespace orvik::console
