// The close of a receipt ("COMP"): the register checks the sums the console sends against its
// own, takes the payments, gives change or pays a refund from its drawer, counts the receipt in
// the day and prints the receipt's end.
#include <algorithm>

#include "sim/printout.h"
#include "sim/receipt_figures.h"
#include "sim/receipt_handlers.h"
#include "sim/receipt_tape.h"
#include "sim/session_replies.h"

namespace orvik::sim::receipts {

namespace {

using handlers::Argument;
using handlers::DigitsAt;
using handlers::Note;
using handlers::Token;

constexpr std::size_t kCloseFieldWidth = 10;
constexpr std::size_t kCloseFieldCount = 6;

// The payments and the drawer at the close. An empty text when the register takes them,
// otherwise the token refusing the close; closed gets the payments and the cash handed back.
std::u16string TakePayments(RegisterState& state, ClosedReceipt& closed) {
    const std::int64_t others = closed.payments[0] + closed.payments[1] + closed.payments[2];
    const std::int64_t paid = closed.cash + others;
    DayCash& day = state.receipt.dayCash;
    if (closed.due >= 0) {
        if (paid < closed.due) {
            return u"SOFTCHECK";
        }
        // Change is given in cash, from what was paid in cash and what the drawer holds.
        const std::int64_t change = paid - closed.due;
        if (change > closed.cash + state.cash) {
            return u"SOFTNEED";
        }
        closed.cashBack = change;
        state.cash += closed.cash - change;
        day.takenBySales += closed.cash - change;
        day.otherPayments += others;
        return {};
    }
    // A refund: paid back by the other forms as far as they go, the rest in cash.
    const std::int64_t refund = -closed.due;
    if (paid < refund) {
        return u"SOFTCHECK";
    }
    const std::int64_t byOthers = std::min(others, refund);
    const std::int64_t cashOut = refund - byOthers;
    if (cashOut > state.cash) {
        return u"SOFTNEED";
    }
    closed.cashBack = cashOut;
    state.cash -= cashOut;
    day.paidForReturns += cashOut;
    day.otherPayments += byOthers;
    return {};
}

// What a closed receipt adds to the day: the reports print it.
void CountInDay(RegisterState& state, const ReceiptInProgress& receipt) {
    DayTotals& day = state.day;
    ++day.receipts;
    day.sales += receipt.salesSum;
    day.returns += receipt.returnsSum;
    for (std::size_t i = 0; i < kTaxSlotCount; ++i) {
        day.salesByTaxSlot[i] += receipt.salesBySlot[i];
    }
    for (const RegisteredLine& line : receipt.lines) {
        if (line.discountKind == LineDiscountKind::Discount) {
            day.discounts += line.discountAmount;
        } else if (line.discountKind == LineDiscountKind::Surcharge) {
            day.surcharges += line.discountAmount;
        }
        if (line.article != 0) {
            ArticleSales& sales = day.articles[line.article];
            sales.name = line.name;
            const std::int64_t sign = line.isReturn ? -1 : 1;
            sales.quantity += sign * line.quantity;
            sales.amount += sign * line.sum;
        }
    }
}

// "COMP" and six fields of ten digits: the sales and returns sums, which must be the
// register's own, and the payments 3, 1, 2 and cash. All six 0: the receipt is paid exactly,
// in cash. Answered "COMP" with nine fields of ten digits: the receipt number, the sales and
// returns sums, their added taxes and their taxes on winnings, the amount due (or paid back)
// and the cash handed back.
}  // namespace

Replies CloseReceipt(std::u16string_view text, RegisterState& state) {
    if (const std::u16string refusal = PrintingRefusal(state); !refusal.empty()) {
        return Token(refusal);
    }
    ReceiptState& kept = state.receipt;
    if (!kept.open) {
        return Token(u"SOFTPROTOC");
    }
    const std::u16string_view argument = Argument(text);
    std::array<std::int64_t, kCloseFieldCount> fields{};
    if (argument.size() != kCloseFieldCount * kCloseFieldWidth) {
        return Token(u"SOFTPARAM");
    }
    for (std::size_t i = 0; i < kCloseFieldCount; ++i) {
        const auto value = DigitsAt(argument, i * kCloseFieldWidth, kCloseFieldWidth);
        if (!value) {
            return Token(u"SOFTPARAM");
        }
        fields[i] = *value;
    }
    ReceiptInProgress& receipt = *kept.open;
    ClosedReceipt closed;
    closed.withoutPayments =
        std::all_of(fields.begin(), fields.end(), [](std::int64_t v) { return v == 0; });
    if (!closed.withoutPayments &&
        (fields[0] != receipt.salesSum || fields[1] != receipt.returnsSum)) {
        Note(state, u"close refused: the sums are not the register's");
        return Token(u"SOFTCHECK");
    }
    const TaxFigures sales = SalesTaxes(state, receipt);
    const TaxFigures returns = ReturnsTaxes(state, receipt);
    closed.salesSum = receipt.salesSum;
    closed.returnsSum = receipt.returnsSum;
    closed.salesAddedTax = sales.added;
    closed.returnsAddedTax = returns.added;
    closed.salesWinningsTax = sales.winnings;
    closed.returnsWinningsTax = returns.winnings;
    closed.due = AmountDue(state, receipt);
    closed.payments = {fields[3], fields[4], fields[2]};
    closed.cash = closed.withoutPayments ? std::max(closed.due, -closed.due) : fields[5];
    const DayCash dayBefore = kept.dayCash;
    const std::int64_t drawerBefore = state.cash;
    if (const std::u16string refusal = TakePayments(state, closed); !refusal.empty()) {
        kept.dayCash = dayBefore;
        state.cash = drawerBefore;
        Note(state, u"close refused: " + refusal);
        return Token(refusal);
    }

    closed.number = ++state.counters.lastReceiptNumber;
    ++state.counters.lastDocumentNumber;
    state.counters.zReportMade = false;
    CountInDay(state, receipt);
    PrintReceiptEnd(state, receipt, closed);
    Note(state, u"receipt " + Number(closed.number) + u" closed");
    kept.lastClosed = closed;
    kept.open.reset();

    std::u16string result = u"COMP";
    for (const std::int64_t value :
         {closed.number, closed.salesSum, closed.returnsSum, closed.salesAddedTax,
          closed.returnsAddedTax, closed.salesWinningsTax, closed.returnsWinningsTax,
          std::max(closed.due, -closed.due), closed.cashBack}) {
        result += Digits(value, kCloseFieldWidth);
    }
    return Printed(state, {result, u"READY"});
}

}  // namespace orvik::sim::receipts
