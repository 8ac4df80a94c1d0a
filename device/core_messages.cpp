// How the device core judges status tokens and shows its messages.
#include "device/orvik_core.h"
#include "device/protocol/status_table.h"
#include "res/string_table.h"

namespace orvik::device {

bool COrvikCore::TranslateStatus(std::u16string_view reply) {
    const orvik::device::StatusToken* row = orvik::device::MatchStatus(reply);
    if (row && !row->fatal) {
        // Warnings such as "SOFTPAPER" let the command go on and change no message.
        return true;
    }
    if (row) {
        if (const char16_t* text = orvik::FindString(row->messageId)) {
            lastMessage = text;
        }
    } else {
        // A status word the table does not know: the reply itself is the message.
        lastMessage = std::u16string(reply);
    }
    if (showMessages == 1 && !lastMessage.empty()) {
        ShowError(lastMessage);
    }
    return false;
}

void COrvikCore::ReportMessage(int stringId) {
    std::u16string text = orvik::LoadString(stringId);
    // Silence from a line that has ended is no time-out: say how it ended.
    if (stringId == orvik::kStrNoAnswer) {
        if (const std::u16string ended = LinkEndReason(); !ended.empty()) {
            text += u"\n" + ended;
        }
    }
    ReportText(std::move(text));
}

void COrvikCore::ReportText(std::u16string text) {
    lastMessage = std::move(text);
    if (showMessages == 1) {
        ShowError(lastMessage);
    }
}

void COrvikCore::ShowError(const std::u16string& text) {
    if (m_prompt) {
        m_prompt->ShowError(text);
    }
}

void COrvikCore::ShowWarning(const std::u16string& text) {
    if (m_prompt) {
        m_prompt->ShowWarning(text);
    }
}

void COrvikCore::ShowInformation(const std::u16string& text) {
    if (m_prompt) {
        m_prompt->ShowInformation(text);
    }
}

bool COrvikCore::AskRetry(const std::u16string& text) {
    // Without messages shown the answer counts as Cancel.
    return showMessages == 1 && m_prompt && m_prompt->AskRetry(text);
}

}  // namespace orvik::device
