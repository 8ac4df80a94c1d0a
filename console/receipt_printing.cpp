#include "console/receipt_printing.h"

#include <algorithm>
#include <ctime>
#include <limits>

#include "console/field_checks.h"
#include "console/receipt_digest.h"
#include "console/receipt_numbers.h"
#include "console/receipt_total.h"

namespace orvik::console {

namespace {

template <class F, class... Args>
void Notify(const F& callback, Args... args) {
    if (callback) {
        callback(args...);
    }
}

std::int32_t Clamp32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

bool StopRequested(const PrintProgress& progress) {
    return progress.stopRequested && progress.stopRequested();
}

// Registers the rows; false when a line failed or a stop was requested.
bool RegisterRows(IReceiptRegister& reg, std::span<const ReceiptRow> rows, int moneyDecimals,
                  const PrintProgress& progress) {
    bool returnKind = false;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (StopRequested(progress)) {
            return false;
        }
        Notify(progress.rowSelected, i);
        if (rows[i].isReturn != returnKind) {
            returnKind = rows[i].isReturn;
            // The first return row switches the open receipt to returns for good.
            if (reg.ReceiptOpen() && !reg.ReturnMode()) {
                reg.SetReturnMode(true);
            }
        }
        const RowLine row = ConvertRow(rows[i], moneyDecimals);
        if (row.compoundTax) {
            reg.SetCompoundTax(row.line.taxSlot1, row.line.taxSlot2);
        }
        std::int32_t lineTotal = 0;
        const device::HRESULT added = reg.AddReceiptLine(row.line, lineTotal);
        Notify(progress.rowUnselected, i);
        if (!device::Succeeded(added)) {
            return false;
        }
    }
    return true;
}

// RegisteredUnanswered: the close got no answer, and the register told afterwards that it
// registered the receipt.
enum class CopyResult { Registered, RegisteredUnanswered, Failed, Stopped };

// The journal's row of the copy being printed.
struct CopyRecord {
    JournalCopy copy;
    std::int64_t id = 0;
};

// Writes the copy to the journal just before its close is sent: false (the close is not sent)
// when it cannot be written.
bool RecordCopy(ReceiptJournal& journal, CopyRecord& record, std::optional<std::int32_t> before,
                const Payments& payments, PrintOutcome& outcome) {
    record.copy.numberBefore = before;
    record.copy.cash = payments.cash;
    // Until its answer comes, the counter settles it; without a counter only the tape can.
    record.copy.settled = before ? Settlement::Pending : Settlement::Tape;
    record.id = journal.Add(record.copy);
    if (record.id == 0) {
        outcome.journalError = journal.LastError();
        return false;
    }
    return true;
}

// A copy whose close never went out, kept as cancelled.
void AddCancelled(ReceiptJournal& journal, CopyRecord& record) {
    record.copy.outcome = JournalOutcome::Cancelled;
    record.copy.settled = Settlement::NotSent;
    journal.Add(record.copy);
}

// After the close: the copy's outcome in the journal. A close that never went out because the
// register's counter could not be read is recorded as cancelled.
void FinishCopy(ReceiptJournal& journal, CopyRecord& record, const device::CloseOutcome& close,
                PrintOutcome& outcome) {
    if (record.id == 0) {
        if (close.outcome != device::ReceiptOutcome::NotRegistered || close.sent ||
            !outcome.journalError.empty()) {
            return;
        }
        AddCancelled(journal, record);
        return;
    }
    if (!journal.Finish(record.id, close)) {
        outcome.journalError = journal.LastError();
    }
}

// A stop asked for while a copy was under way: the receipt it opened is cancelled, and the
// journal keeps the copy as cancelled.
void StopCopy(IReceiptRegister& reg, ReceiptJournal* journal, CopyRecord& record) {
    if (!reg.ReceiptOpen()) {
        return;
    }
    reg.CancelReceipt();
    if (journal) {
        AddCancelled(*journal, record);
    }
}

CopyResult PrintCopy(IReceiptRegister& reg, std::span<const ReceiptRow> rows,
                     const PrintRequest& request, const PrintProgress& progress, CopyRecord& record,
                     PrintOutcome& outcome) {
    device::CloseOutcome& lastClose = outcome.lastClose;
    Payments& handed = outcome.lastPayments;
    lastClose = {};
    if (request.receiptNumber > 0) {
        reg.SetReceiptNumber(request.receiptNumber);
    }
    try {
        // Only one model knows tape modes; every other register refuses, and that is fine.
        reg.SetTapeMode(request.tapeMode);
    } catch (...) {
    }
    reg.SetReturnMode(false);
    if (StopRequested(progress)) {
        return CopyResult::Stopped;
    }
    if (!device::Succeeded(reg.OpenReceipt())) {
        return CopyResult::Failed;
    }
    const bool rowsRegistered = RegisterRows(reg, rows, request.moneyDecimals, progress);
    if (StopRequested(progress)) {
        return CopyResult::Stopped;
    }
    if (!request.barcode.empty()) {
        reg.PrintBarcode(BarcodeText(request.barcodeType, request.barcode));
    }
    if (!rowsRegistered) {
        return CopyResult::Failed;
    }
    if (StopRequested(progress)) {
        return CopyResult::Stopped;
    }
    Payments payments = ReadPayments(request);
    if (request.compoundTaxBox) {
        payments = Payments{Clamp32(reg.CurrentAmountDue()), 0, 0, 0};
    }
    handed = payments;
    std::int32_t total = 0;
    ReceiptJournal* journal = request.journal.journal;
    device::BeforeCloseSent recordCopy = nullptr;
    if (journal) {
        recordCopy = [&](std::optional<std::int32_t> before) {
            return RecordCopy(*journal, record, before, payments, outcome);
        };
    }
    const bool closed = device::Succeeded(reg.CloseReceipt(
        payments.cash, payments.payment1, payments.payment2, payments.payment3, total, recordCopy));
    lastClose = reg.LastCloseOutcome();
    if (journal) {
        FinishCopy(*journal, record, lastClose, outcome);
    }
    if (lastClose.outcome == device::ReceiptOutcome::None) {
        // A register that keeps no outcome: the result code is all there is.
        lastClose.outcome =
            closed ? device::ReceiptOutcome::Registered : device::ReceiptOutcome::NotRegistered;
    }
    if (closed) {
        return CopyResult::Registered;
    }
    // A close whose answer was lost but which the register registered still counts, and the
    // copies stop there all the same.
    return lastClose.outcome == device::ReceiptOutcome::Registered
               ? CopyResult::RegisteredUnanswered
               : CopyResult::Failed;
}

}  // namespace

Payments ReadPayments(const PrintRequest& request) {
    const int decimals = request.moneyDecimals;
    return Payments{MoneyToMinorUnits(request.cash, decimals),
                    MoneyToMinorUnits(request.payment1, decimals),
                    MoneyToMinorUnits(request.payment2, decimals),
                    MoneyToMinorUnits(request.payment3, decimals)};
}

std::u16string BarcodeText(int barcodeType, std::u16string_view barcode) {
    const auto codeSet = static_cast<char16_t>(u'g' + std::clamp(barcodeType, 0, 2));
    return codeSet + std::u16string(barcode);
}

PrintOutcome PrintReceipt(IReceiptRegister& reg, std::span<const ReceiptRow> rows,
                          const PrintRequest& asked, const PrintProgress& progress) {
    PrintOutcome outcome;
    PrintRequest request = asked;
    if (request.rowLimits) {
        outcome.refusedRow = CheckRows(rows, *request.rowLimits);
    }
    PaymentPlan plan;
    if (!outcome.refusedRow) {
        outcome.total = ComputeReceiptTotal(rows, request.moneyDecimals, &reg);
        if (request.cashIsRest) {
            request.cash = RecalculateCash(outcome.total,
                                           {request.payment1, request.payment2, request.payment3},
                                           request.moneyDecimals)
                               .cash;
        }
        plan = PlanPayments(
            outcome.total,
            PaymentTexts{request.cash, {request.payment1, request.payment2, request.payment3}},
            request.moneyDecimals);
        if (!request.compoundTaxBox) {
            outcome.refusedPayments = plan.failure;
        }
    }
    // Refused before anything was sent: every copy is still to print.
    const auto nothingSent = [&] {
        outcome.failed = true;
        outcome.copiesRemaining = std::max(request.copies, 1);
        return outcome;
    };
    if (outcome.refusedRow || outcome.refusedPayments) {
        return nothingSent();
    }
    CopyRecord record;
    if (ReceiptJournal* journal = request.journal.journal) {
        // What the register still owes an outcome for is settled first: it may be this very
        // receipt.
        reg.SettleUnsettledClose();
        JournalCopy& copy = record.copy;
        copy.serialNumber = reg.SerialNumber();
        copy.operatorName = request.journal.operatorName;
        copy.digest = ReceiptDigest(rows, ReadPayments(request), request.receiptNumber,
                                    request.moneyDecimals);
        copy.copies = std::clamp(request.copies, 1, field_checks::kMaxPrintCount);
        copy.total = outcome.total;
        copy.moneyDecimals = request.moneyDecimals;
        if (!request.journal.again) {
            const auto now = static_cast<std::int64_t>(std::time(nullptr));
            outcome.heldBy =
                journal->FindHeld(copy.serialNumber, copy.digest, now - kHeldReceiptSeconds);
            if (outcome.heldBy) {
                return nothingSent();
            }
        }
    }
    Notify(progress.checked, outcome.total, plan.payments);
    int remaining = request.copies;
    while (remaining > 0 && !outcome.failed && !outcome.stopped) {
        Notify(progress.copiesRemaining, remaining);
        record.id = 0;
        record.copy.copy = request.copies - remaining + 1;
        const CopyResult copy = PrintCopy(reg, rows, request, progress, record, outcome);
        if (copy == CopyResult::Stopped) {
            outcome.stopped = true;
            StopCopy(reg, request.journal.journal, record);
            break;
        }
        --remaining;
        if (copy == CopyResult::Registered || copy == CopyResult::RegisteredUnanswered) {
            ++outcome.copiesPrinted;
        }
        // Only after a close the register answered does the next copy start.
        outcome.failed = copy != CopyResult::Registered;
    }
    outcome.copiesRemaining = std::max(remaining, 1);
    return outcome;
}

}  // namespace orvik::console
