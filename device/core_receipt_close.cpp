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
                                 std::int32_t payment3, std::int32_t& total,
                                 const BeforeCloseSent& beforeSend) {
    m_lastClose = {};
    if (!receiptOpen) {
        total = 0;
        return S_OK;
    }
    // A close is seen through to its outcome even after a stop: cut short, the receipt's fate
    // would be left for the tape to tell.
    const StopHold hold(*this);
    if (!Succeeded(CheckPendingStatus())) {
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
    // On a register with a receipt counter the counter alone tells afterwards whether, and as
    // what number, the close was carried out; so it is read first, and a close whose outcome
    // could not be read back is never sent. An earlier close still unsettled is settled first,
    // so that the counter speaks of one close at a time.
    std::optional<std::int32_t> numberBefore;
    if (Capabilities().receiptCounter) {
        if (SettleUnsettledClose()) {
            m_lastClose = {};
        }
        numberBefore = ReadReceiptCounter();
        if (!numberBefore || m_unansweredCloseNumber) {
            return CancelUncountedClose();
        }
    }
    if (beforeSend && !beforeSend(numberBefore)) {
        CancelReceipt();
        m_lastClose = CloseOutcome{ReceiptOutcome::NotRegistered, 0, false, false, false, false};
        return E_FAIL;
    }
    SendCommand(plan.command);
    // The register answers with its receipt result ("COMP" and nine numbers, the first the
    // receipt's number) before "READY". Silence is not reported here: the operator hears once
    // what became of the receipt.
    std::u16string result;
    HRESULT answer = AwaitReplies({.timeoutMs = m_timings.replyTimeout,
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
        AwaitReplies(
            {.timeoutMs = m_timings.replyTimeout, .reportSilence = false, .roleOf = StatusOrReady});
    }
    if (answer == E_UNEXPECTED) {
        // Refused; the status has been shown and the receipt stays open.
        m_lastClose = CloseOutcome{ReceiptOutcome::NotRegistered, 0, false, true, true, false};
        return E_FAIL;
    }
    const bool answered = Succeeded(answer);
    if (numberBefore) {
        return SettleCloseByCounter(*numberBefore, answered, plan.due, total);
    }
    if (!answered) {
        CloseUnanswered(std::nullopt);
        return E_ABORT;
    }
    // A register without the counter: its answer is all there is, and its number is the one
    // its result carries (none when it carried none).
    m_lastClose = CloseOutcome{
        ReceiptOutcome::Registered, ReadReceiptNumber(result), false, true, true, false};
    total = static_cast<std::int32_t>(plan.due);
    receiptOpen = false;
    return S_OK;
}

HRESULT COrvikCore::SettleCloseByCounter(std::int32_t numberBefore, bool answered, std::int64_t due,
                                         std::int32_t& total) {
    const std::optional<std::int32_t> now = ReadReceiptCounter();
    if (!now) {
        CloseUnanswered(numberBefore);
        m_lastClose.answered = answered;
        return E_ABORT;
    }
    m_lastClose = SettleFromCounters(numberBefore, *now);
    m_lastClose.sent = true;
    m_lastClose.answered = answered;
    switch (m_lastClose.outcome) {
        case ReceiptOutcome::Registered:
            receiptOpen = false;
            total = static_cast<std::int32_t>(due);
            if (answered) {
                return S_OK;
            }
            // The answer was lost: the operator hears what the counter says, and the copies
            // stop there.
            TellCloseOutcome(m_lastClose);
            return E_ABORT;
        case ReceiptOutcome::NotRegistered:
            // Answered (by "READY" alone, say) or not, the register did not register it; the
            // receipt stays open for the next OpenReceipt or the disconnect to cancel.
            TellCloseOutcome(m_lastClose);
            return E_FAIL;
        case ReceiptOutcome::Unknown:
        case ReceiptOutcome::None:
            break;
    }
    // The counter moved by more than this receipt (another program printed meanwhile): which
    // number is this receipt's only the tape tells.
    receiptOpen = false;
    TellCloseOutcome(m_lastClose);
    return E_ABORT;
}

std::int64_t COrvikCore::CurrentAmountDue() const {
    return orvik::device::AmountDue(receiptTotals);
}

}  // namespace orvik::device
