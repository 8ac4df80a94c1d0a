// The cash drawer: cash put in and taken out ("CAIO"), each with a service document, and the
// cash report ("CCAS") that the console's cash dialog reads.
#include "sim/printout.h"
#include "sim/receipt_handlers.h"
#include "sim/receipt_tape.h"
#include "sim/session_replies.h"

namespace orvik::sim::receipts {

namespace {

using handlers::Argument;
using handlers::DigitsAt;
using handlers::Note;
using handlers::Ready;
using handlers::Token;

constexpr std::size_t kCashAmountWidth = 10;
constexpr std::size_t kCashReportFieldWidth = 11;

}  // namespace

// "CAIO", "I" (cash in) or "O" (cash out) and the amount in ten digits; a cash out above what
// the drawer holds is refused. Prints a service document.
Replies MoveCash(std::u16string_view text, RegisterState& state) {
    const std::u16string_view argument = Argument(text);
    const auto amount = DigitsAt(argument, 1, kCashAmountWidth);
    if (argument.size() != 1 + kCashAmountWidth || (argument[0] != u'I' && argument[0] != u'O') ||
        !amount || *amount == 0) {
        return Token(u"SOFTPARAM");
    }
    if (const std::u16string refusal = PrintingRefusal(state); !refusal.empty()) {
        return Token(refusal);
    }
    if (state.receipt.open) {
        return Token(u"SOFTPROTOC");
    }
    const bool cashIn = argument[0] == u'I';
    if (!cashIn && *amount > state.cash) {
        Note(state, u"cash out refused: the drawer holds " + MoneyText(state, state.cash));
        return Token(u"SOFTNEED");
    }
    if (cashIn && state.cash + *amount > kLargestSum) {
        return Token(u"SOFTOVER");
    }
    state.cash += cashIn ? *amount : -*amount;
    (cashIn ? state.day.cashIn : state.day.cashOut) += *amount;
    ++state.counters.lastDocumentNumber;
    ++state.counters.lastServiceDocumentNumber;
    PrintCashMove(state, cashIn, *amount);
    Note(state, std::u16string(cashIn ? u"cash in " : u"cash out ") + MoneyText(state, *amount));
    return Printed(state, Ready());
}

// "CCAS": the day's cash by receipts (taken by sales, paid back on returns), put in, taken
// out, paid by the other forms, and the drawer, eleven digits each; the drawer at 55.
Replies CashReport(std::u16string_view, RegisterState& state) {
    FollowDay(state);
    const DayCash& day = state.receipt.dayCash;
    std::u16string report = u"CCAS";
    for (const std::int64_t value : {day.takenBySales, day.paidForReturns, state.day.cashIn,
                                     state.day.cashOut, day.otherPayments, state.cash}) {
        report += Digits(value, kCashReportFieldWidth);
    }
    return {report, u"READY"};
}

}  // namespace orvik::sim::receipts
