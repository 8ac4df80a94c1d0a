// Closing a receipt with its payments, and what became of it.
#include <cstdint>

#include "device/orvik_core.h"
#include "device/protocol/receipt_commands.h"
#include "device/protocol/status_table.h"
#include "res/string_table.h"

namespace orvik::device {

namespace {

// The receipt's number in the register's close result: the first of its nine fields of ten
// digits; 0 when the result does not carry one.
std::int32_t ReadReceiptNumber(std::u16string_view result) {
    constexpr std::size_t kFieldStart = 4;
    constexpr std::size_t kFieldWidth = 10;
    if (result.size() < kFieldStart + kFieldWidth) {
        return 0;
    }
    std::int64_t number = 0;
    for (const char16_t ch : result.substr(kFieldStart, kFieldWidth)) {
        if (ch < u'0' || ch > u'9') {
            return 0;
        }
        number = number * 10 + (ch - u'0');
    }
    return number <= INT32_MAX ? static_cast<std::int32_t>(number) : 0;
}

}  // namespace

HRESULT COrvikCore::CloseReceipt(std::int32_t cash, std::int32_t payment1, std::int32_t payment2,
                                 std::int32_t payment3, std::int32_t& total) {
    if (!receiptOpen) {
        total = 0;
        return S_OK;
    }
    if (!CheckPendingStatus()) {
        CancelReceipt();
        return E_FAIL;
    }
    const orvik::device::ClosePlan plan = orvik::device::PlanReceiptClose(
        receiptTotals, printerInfo.taxSlots, cash, payment1, payment2, payment3);
    if (plan.paidShort || plan.paymentsWrong) {
        lastMessage = orvik::LoadString(plan.paidShort ? orvik::kStrPaymentTooSmall
                                                       : orvik::kStrClosePaymentsWrong);
        if (showMessages == 1) {
            ShowWarning(lastMessage);
        }
        return E_FAIL;
    }
    m_lastClose = {};
    // Read before the close: should its answer be lost, the counter tells afterwards whether
    // the register carried the close out.
    const std::optional<std::int32_t> numberBefore = ReadLastReceiptNumber();
    SendCommand(plan.command);
    // The register answers with its receipt result ("COMP" and nine numbers, the first the
    // receipt's number) before "READY"; the console keeps its own sums. Silence is not
    // reported here: the operator hears once what became of the receipt.
    std::u16string result;
    HRESULT answer = AwaitReplies({.timeoutMs = replyTimeout,
                                   .reportSilence = false,
                                   .roleOf =
                                       [](std::u16string_view reply) {
                                           if (HasStatusWord(reply)) {
                                               return ReplyRole::Status;
                                           }
                                           if (Contains(reply, u"COMP")) {
                                               return ReplyRole::Answer;
                                           }
                                           return Contains(reply, u"READY") ? ReplyRole::Ready
                                                                            : ReplyRole::Other;
                                       }},
                                  &result);
    if (answer == S_OK && Contains(result, u"COMP")) {
        // The register has reported the receipt; its "READY" follows. A status after the
        // report does not undo the receipt.
        AwaitReplies({.timeoutMs = replyTimeout, .reportSilence = false, .roleOf = StatusOrReady});
    }
    if (answer == E_UNEXPECTED) {
        // Refused; the status has been shown and the receipt stays open.
        m_lastClose = CloseOutcome{ReceiptOutcome::NotRegistered, 0, false};
        return E_FAIL;
    }
    if (!Succeeded(answer)) {
        CloseUnanswered(numberBefore);
        if (m_lastClose.outcome == ReceiptOutcome::Registered) {
            total = static_cast<std::int32_t>(plan.due);
        }
        return E_ABORT;
    }
    std::int32_t number = ReadReceiptNumber(result);
    if (number == 0 && numberBefore) {
        number = *numberBefore + 1;
    }
    m_lastClose = CloseOutcome{ReceiptOutcome::Registered, number, false};
    total = static_cast<std::int32_t>(plan.due);
    receiptOpen = false;
    return S_OK;
}

std::int64_t COrvikCore::CurrentAmountDue() const {
    return orvik::device::AmountDue(receiptTotals);
}

}  // namespace orvik::device
