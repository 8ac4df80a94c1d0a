// What became of a receipt whose close the register did not answer: the register's last
// receipt number, read before the close and again at the next chance, tells whether it was
// registered. The operator is told in one box.
#include <algorithm>
#include <vector>

#include "device/orvik_core.h"
#include "device/receipt_outcome.h"
#include "res/string_table.h"

namespace orvik::device {

namespace {

std::u16string WithNumber(int stringId, std::int32_t number) {
    const std::string digits = std::to_string(number);
    return FormatMessage(stringId, {std::u16string(digits.begin(), digits.end())});
}

}  // namespace

std::optional<std::int32_t> COrvikCore::ReadLastReceiptNumber() {
    if (!Capabilities().receiptCounter || LinkEnded()) {
        return std::nullopt;
    }
    // Asked quietly: a register that does not answer now is asked again at the next chance,
    // and the operator hears about the receipt once, not about each question.
    const int shown = showMessages;
    const std::u16string message = lastMessage;
    showMessages = 0;
    DocumentCounters counters;
    const std::u16string answer = QueryDocumentCounters(counters);
    showMessages = shown;
    lastMessage = message;
    if (answer.empty()) {
        return std::nullopt;
    }
    return counters.lastReceiptNumber;
}

void COrvikCore::TellCloseOutcome(const CloseOutcome& outcome) {
    std::u16string text;
    switch (outcome.outcome) {
        case ReceiptOutcome::Registered:
            text = WithNumber(kStrReceiptRegistered, outcome.receiptNumber);
            break;
        case ReceiptOutcome::NotRegistered:
            text = LoadString(kStrReceiptNotRegistered);
            break;
        case ReceiptOutcome::Unknown:
            text = LoadString(outcome.settleable ? kStrReceiptOutcomePending
                                                 : kStrReceiptOutcomeUnknowable);
            if (const std::u16string ended = LinkEndReason(); !ended.empty()) {
                text += u"\n" + ended;
            }
            break;
        case ReceiptOutcome::None:
            return;
    }
    lastMessage = text;
    if (showMessages == 1) {
        ShowInformation(text);
    }
}

std::optional<std::int32_t> COrvikCore::ReadReceiptCounter() {
    if (const auto number = ReadLastReceiptNumber()) {
        return number;
    }
    return ReadLastReceiptNumber();
}

bool COrvikCore::SettleUnsettledClose() {
    if (!Capabilities().receiptCounter) {
        return false;
    }
    const std::u16string& serial = printerInfo.serialNumber;
    std::vector<std::int32_t> befores;
    if (m_unansweredCloseNumber) {
        befores.push_back(*m_unansweredCloseNumber);
    }
    if (m_journal && !serial.empty()) {
        for (const std::int32_t before : m_journal->Unsettled(serial)) {
            if (std::find(befores.begin(), befores.end(), before) == befores.end()) {
                befores.push_back(before);
            }
        }
    }
    if (befores.empty()) {
        return false;
    }
    const std::optional<std::int32_t> now = ReadLastReceiptNumber();
    if (!now) {
        return false;
    }
    m_unansweredCloseNumber.reset();
    for (const std::int32_t before : befores) {
        CloseOutcome settled = SettleFromCounters(before, *now);
        settled.sent = true;
        if (m_journal && !serial.empty()) {
            m_journal->Settle(serial, before, settled);
        }
        if (settled.outcome == ReceiptOutcome::Registered) {
            receiptOpen = false;
        }
        // Not registered: a receipt the close never reached may still be open on the
        // register; the next OpenReceipt cancels it.
        m_lastClose = settled;
        TellCloseOutcome(settled);
    }
    return true;
}

void COrvikCore::CloseUnanswered(std::optional<std::int32_t> numberBefore) {
    if (!numberBefore) {
        // Without the register's counter nobody can tell: the tape must be checked.
        m_lastClose = CloseOutcome{ReceiptOutcome::Unknown, 0, false, true, false, false};
        TellCloseOutcome(m_lastClose);
        return;
    }
    // The close is in the journal already (BeforeCloseSent); this core settles it on the same
    // link at the next chance, and the next connect from any program does otherwise.
    m_unansweredCloseNumber = numberBefore;
    m_lastClose = CloseOutcome{ReceiptOutcome::Unknown, 0, true, true, false, false};
    TellCloseOutcome(m_lastClose);
}

HRESULT COrvikCore::CancelUncountedClose() {
    CancelReceipt();
    m_lastClose = CloseOutcome{ReceiptOutcome::NotRegistered, 0, false, false, false, false};
    lastMessage = LoadString(kStrReceiptNumberUnread);
    if (showMessages == 1) {
        ShowWarning(lastMessage);
    }
    return E_FAIL;
}

}  // namespace orvik::device
