// The command transaction of the device core: framing, writing, and the waiting loops that
// consume the reply queue.
#include <array>

#include "device/link/frame.h"
#include "device/orvik_core.h"
#include "device/protocol/status_table.h"
#include "res/string_table.h"
#include "support/text_codec.h"

namespace orvik::device {

using orvik::device::Contains;
using orvik::device::HasStatusWord;

COrvikCore::COrvikCore() : m_queue(std::make_unique<CMessageContainer>()) {}

COrvikCore::~COrvikCore() {
    // An open receipt is cancelled before the port goes away.
    Disconnect();
}

int COrvikCore::OpenPort(const std::string& portName) {
    m_openFailureReason.clear();
    return m_port.Open(portName, &m_openFailureReason) ? 1 : 0;
}

bool COrvikCore::StartReceiver() {
    m_receiver.Stop();
    if (!m_port.IsOpen()) {
        return false;
    }
    return m_receiver.Start(m_port.Fd(), *m_queue, replyTimeout);
}

HRESULT COrvikCore::OpenLink(const std::string& portName) {
    if (!OpenPort(portName)) {
        // The message, then on a line of its own the port and what the system said of it.
        std::u16string text = orvik::LoadString(orvik::kStrPortOpenFailed) + u"\n" +
                              orvik::support::FromUtf8(portName);
        if (!m_openFailureReason.empty()) {
            text += u": " + orvik::support::FromUtf8(m_openFailureReason);
        }
        ReportText(std::move(text));
        return E_FAIL;
    }
    if (!StartReceiver()) {
        StopReceiverAndClosePort();
        return E_FAIL;
    }
    return S_OK;
}

int COrvikCore::StopReceiverAndClosePort() {
    if (!m_port.IsOpen()) {
        return -1;
    }
    // The receiver is woken through its stop event and joined before the port goes away.
    m_receiver.Stop();
    m_port.Close();
    return 0;
}

int COrvikCore::SendCommand(std::u16string_view text) {
    std::array<std::uint8_t, orvik::device::kCommandFrameCapacity> frame;
    const std::size_t length = orvik::device::BuildCommandFrame(text, frame);
    m_port.Write(std::span<const std::uint8_t>(frame.data(), length));
    return 1;
}

void COrvikCore::SendWakeByte() {
    const std::uint8_t wake = orvik::device::kWakeByte;
    m_port.Write(std::span<const std::uint8_t>(&wake, 1));
}

bool COrvikCore::WaitForReply(int timeoutMs) {
    return m_queue->WaitNotEmpty(timeoutMs, IdleHook());
}

HRESULT COrvikCore::WaitForReady(int timeoutMs) {
    for (;;) {
        if (!WaitForReply(timeoutMs)) {
            ReportMessage(orvik::kStrNoAnswer);
            return E_ABORT;
        }
        if (m_queue->IsEmpty()) {
            return E_FAIL;
        }
        const std::u16string_view reply = m_queue->Front();
        if (HasStatusWord(reply)) {
            if (!TranslateStatus(reply)) {
                DrainReplies();
                return E_UNEXPECTED;
            }
        } else if (Contains(reply, u"READY")) {
            DrainReplies();
            return S_OK;
        }
        m_queue->Pop();
    }
}

std::u16string COrvikCore::ReadReply() {
    if (m_queue->IsEmpty()) {
        WaitForReply(replyTimeout);
    }
    if (m_queue->IsEmpty()) {
        return {};
    }
    std::u16string reply(m_queue->Front());
    m_queue->Pop();
    return reply;
}

void COrvikCore::DrainReplies() {
    while (!m_queue->IsEmpty()) {
        m_queue->Pop();
    }
}

int COrvikCore::CheckPendingStatus() {
    for (;;) {
        if (!WaitForReply(pendingStatusTimeout)) {
            return 1;
        }
        const std::u16string_view reply = m_queue->Front();
        if (HasStatusWord(reply) && !TranslateStatus(reply)) {
            DrainReplies();
            return 0;
        }
        m_queue->Pop();
    }
}

HRESULT COrvikCore::WaitForWakeReply() {
    for (;;) {
        if (!WaitForReply(wakeReplyTimeout)) {
            return E_ABORT;
        }
        const std::u16string_view reply = m_queue->Front();
        // Software tokens are not judged here: the register is only being woken.
        if (Contains(reply, u"HARD") || Contains(reply, u"SHUTDOWN")) {
            if (!TranslateStatus(reply)) {
                DrainReplies();
                return E_UNEXPECTED;
            }
        } else if (Contains(reply, u"READY")) {
            DrainReplies();
            return S_OK;
        }
        m_queue->Pop();
    }
}

HRESULT COrvikCore::WaitForTaggedReply(std::initializer_list<std::u16string_view> tags,
                                       int timeoutMs, std::u16string* reply, bool silentTimeout) {
    for (;;) {
        if (!WaitForReply(timeoutMs)) {
            if (!silentTimeout) {
                ReportMessage(orvik::kStrNoAnswer);
            }
            return E_ABORT;
        }
        const std::u16string text(m_queue->Front());
        m_queue->Pop();
        if (HasStatusWord(text)) {
            if (!TranslateStatus(text)) {
                DrainReplies();
                return E_UNEXPECTED;
            }
            continue;
        }
        for (std::u16string_view tag : tags) {
            if (Contains(text, tag)) {
                if (reply) {
                    *reply = text;
                }
                return S_OK;
            }
        }
        if (Contains(text, u"READY")) {
            if (reply) {
                reply->clear();
            }
            return S_OK;
        }
    }
}

}  // namespace orvik::device
