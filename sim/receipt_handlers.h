#pragma once

#include <string>
#include <string_view>

#include "sim/command_registry.h"
#include "sim/handler_helpers.h"

// What the simulated register's receipt and cash commands share (receipt_commands.cpp,
// receipt_close.cpp, cash_commands.cpp).
namespace orvik::sim::receipts {

// The register's sums have ten digits.
inline constexpr std::int64_t kLargestSum = 9'999'999'999;

// The articles and the day's cash figures belong to the day: a Z report starts them anew.
inline void FollowDay(RegisterState& state) {
    ReceiptState& receipts = state.receipt;
    if (receipts.dayOfZReport != state.counters.lastZReportNumber) {
        receipts.dayOfZReport = state.counters.lastZReportNumber;
        receipts.articles.clear();
        receipts.dayCash = DayCash{};
    }
}

// A command that prints warns first while the paper is running low.
inline Replies Printed(const RegisterState& state, Replies replies) {
    if (state.receipt.paperLow) {
        replies.insert(replies.begin(), u"SOFTPAPER");
    }
    return replies;
}

// What refuses a command that prints: the key away from registration, then the paper.
inline std::u16string PrintingRefusal(const RegisterState& state) {
    return handlers::PrintRefusal(state, KeyNeed::Registration);
}

// "COMP" (receipt_close.cpp).
Replies CloseReceipt(std::u16string_view text, RegisterState& state);
// "CAIO" and "CCAS" (cash_commands.cpp).
Replies MoveCash(std::u16string_view text, RegisterState& state);
Replies CashReport(std::u16string_view text, RegisterState& state);

}  // namespace orvik::sim::receipts
