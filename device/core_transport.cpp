// The command transaction of the device core: the link, framing, writing, and the one reply
// loop that consumes the reply queue.
#include <algorithm>
#include <array>
#include <chrono>

#include "device/link/frame.h"
#include "device/link/line_address.h"
#include "device/link/protocol_trace.h"
#include "device/link/rfc2217_port.h"
#include "device/link/serial_link.h"
#include "device/orvik_core.h"
#include "device/protocol/status_table.h"
#include "res/string_table.h"
#include "support/text_codec.h"

namespace orvik::device {

namespace {
// How often a waiting core asks its stop request.
constexpr std::int64_t kStopSliceMs = 100;
}  // namespace

using orvik::device::Contains;
using orvik::device::HasStatusWord;

ReplyRole StatusOrReady(std::u16string_view reply) {
    if (HasStatusWord(reply)) {
        return ReplyRole::Status;
    }
    return Contains(reply, u"READY") ? ReplyRole::Ready : ReplyRole::Other;
}

COrvikCore::COrvikCore() : m_link(std::make_unique<SerialLink>()) {}

COrvikCore::~COrvikCore() {
    // An open receipt is cancelled before the port goes away.
    Disconnect();
}

bool COrvikCore::IsPortOpen() const {
    return m_link->port->IsOpen();
}

void COrvikCore::BlankQueuedReplies() {
    m_link->queue.BlankTexts();
}

CMessageContainer& COrvikCore::Queue() {
    return m_link->queue;
}

LinePort& COrvikCore::Port() {
    return *m_link->port;
}

bool COrvikCore::ReceiverHungUp() const {
    return m_link->receiver.HungUp();
}

CoreResult COrvikCore::OpenPort(const std::string& portName) {
    m_openFailureReason.clear();
    StopReceiverAndClosePort();
    const std::optional<LineAddress> address = ResolveLineAddress(portName, &m_openFailureReason);
    if (!address) {
        return {.code = E_FAIL, .messageId = orvik::kStrPortOpenFailed};
    }
    // A new line each time: a cable or a network server, as the name says.
    std::unique_ptr<LinePort> line;
    bool opened = false;
    if (address->network) {
        auto network = std::make_unique<Rfc2217Port>();
        network->SetTrace(m_trace);
        opened = network->Open(
            *address->network, [this] { return StopRequested(); }, &m_openFailureReason);
        line = std::move(network);
    } else {
        auto serial = std::make_unique<SerialPort>();
        serial->SetTrace(m_trace);
        opened = serial->Open(address->serial, &m_openFailureReason);
        line = std::move(serial);
    }
    const int error = line->LastError();
    m_link->port = std::move(line);
    if (!opened) {
        return {.code = E_FAIL, .messageId = orvik::kStrPortOpenFailed, .systemError = error};
    }
    return {};
}

bool COrvikCore::StartReceiver() {
    m_link->receiver.Stop();
    if (!m_link->port->IsOpen()) {
        return false;
    }
    m_link->receiver.SetTrace(m_trace);
    return m_link->receiver.Start(*m_link->port, m_link->queue, m_timings.replyTimeout);
}

ReceiverStatus COrvikCore::LinkStatus() const {
    return m_link->receiver.Status();
}

bool COrvikCore::LinkEnded() const {
    const ReceiverState state = LinkStatus().state;
    return state == ReceiverState::HungUp || state == ReceiverState::Failed;
}

std::u16string COrvikCore::LinkEndReason() const {
    if (!LinkEnded()) {
        return {};
    }
    // In the operator's language; the trace keeps the system's own words.
    const ReceiverStatus status = LinkStatus();
    const std::u16string reason = orvik::FormatMessage(
        status.state == ReceiverState::HungUp ? orvik::kStrLineHungUp : orvik::kStrLineReadFailed,
        {support::FromUtf8(std::to_string(status.error))});
    return orvik::FormatMessage(orvik::kStrLinkEnded, {reason});
}

bool COrvikCore::SetLineRate(int baud, std::string* reason) {
    return m_link->port->SetBaudRate(baud, reason);
}

void COrvikCore::SetTrace(ProtocolTrace* trace) {
    m_trace = trace;
    m_link->port->SetTrace(trace);
    m_link->receiver.SetTrace(trace);
}

HRESULT COrvikCore::OpenLink(const std::string& portName) {
    if (!Succeeded(OpenPort(portName))) {
        // The message, then on a line of its own the port and what the system said of it.
        std::u16string text = orvik::LoadString(orvik::kStrPortOpenFailed) + u"\n" +
                              orvik::support::FromUtf8(portName);
        if (!m_openFailureReason.empty()) {
            text += u": " + orvik::support::FromUtf8(m_openFailureReason);
        }
        if (m_trace) {
            m_trace->Note("open " + portName + " failed: " + m_openFailureReason);
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

CoreResult COrvikCore::StopReceiverAndClosePort() {
    if (!m_link->port->IsOpen()) {
        return {.code = S_FALSE};
    }
    // The receiver is woken through its stop event and joined before the port goes away.
    m_link->receiver.Stop();
    m_link->port->Close();
    return {};
}

CoreResult COrvikCore::SendCommand(std::u16string_view text) {
    std::array<std::uint8_t, kCommandFrameCapacity> frame;
    const std::size_t length = BuildCommandFrame(text, frame);
    if (!m_link->port->Write(std::span<const std::uint8_t>(frame.data(), length))) {
        return {.code = E_FAIL, .systemError = m_link->port->LastError()};
    }
    return {};
}

void COrvikCore::SendWakeByte() {
    const std::uint8_t wake = kWakeByte;
    m_link->port->Write(std::span<const std::uint8_t>(&wake, 1));
}

bool COrvikCore::WaitForReply(int timeoutMs) {
    CMessageContainer& queue = m_link->queue;
    return WaitUnlessStopped(
        timeoutMs, [this, &queue](int ms) { return queue.WaitNotEmpty(ms, IdleHook()); },
        [&queue] { return queue.IsEmpty() && queue.ProducerEnded(); });
}

bool COrvikCore::WaitUnlessStopped(int timeoutMs, const std::function<bool(int)>& waitFor,
                                   const std::function<bool()>& nothingWillCome) {
    if (!m_stop) {
        return waitFor(timeoutMs);
    }
    // In slices, so that a stop is heard while the register is silent.
    using Clock = std::chrono::steady_clock;
    const bool forever = timeoutMs < 0;
    const auto deadline = Clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
    for (;;) {
        const auto left =
            forever ? kStopSliceMs
                    : std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now())
                          .count();
        const int slice = static_cast<int>(std::clamp<std::int64_t>(left, 0, kStopSliceMs));
        if (waitFor(slice)) {
            return true;
        }
        // A line that has ended answers no later slice: waiting on would only spin.
        if ((!forever && left <= kStopSliceMs) || StopRequested() ||
            (nothingWillCome && nothingWillCome())) {
            return false;
        }
    }
}

HRESULT COrvikCore::AwaitReplies(const ReplyWait& wait, std::u16string* ending) {
    CMessageContainer& queue = m_link->queue;
    for (;;) {
        if (!WaitForReply(wait.timeoutMs)) {
            if (wait.reportSilence && !StopRequested()) {
                ReportMessage(orvik::kStrNoAnswer);
            }
            return E_ABORT;
        }
        if (queue.IsEmpty()) {
            return E_FAIL;
        }
        // Taken from the queue first: showing a status may take long, and the receiver goes on
        // filling the queue meanwhile.
        const std::u16string reply(queue.Front());
        queue.Pop();
        switch (wait.roleOf(reply)) {
            case ReplyRole::Other:
                break;
            case ReplyRole::Status:
                if (!TranslateStatus(reply)) {
                    DrainReplies();
                    return E_UNEXPECTED;
                }
                break;
            case ReplyRole::Notice:
                TranslateStatus(reply);
                break;
            case ReplyRole::Refusal:
                DrainReplies();
                if (ending) {
                    *ending = reply;
                }
                return E_UNEXPECTED;
            case ReplyRole::Answer:
                if (ending) {
                    *ending = reply;
                }
                return S_OK;
            case ReplyRole::Ready:
                DrainReplies();
                if (ending) {
                    *ending = reply;
                }
                return S_OK;
        }
    }
}

HRESULT COrvikCore::WaitForReady(int timeoutMs) {
    return AwaitReplies({.timeoutMs = timeoutMs, .reportSilence = true, .roleOf = StatusOrReady});
}

std::u16string COrvikCore::ReadReply() {
    CMessageContainer& queue = m_link->queue;
    if (queue.IsEmpty()) {
        WaitForReply(m_timings.replyTimeout);
    }
    if (queue.IsEmpty()) {
        return {};
    }
    std::u16string reply(queue.Front());
    queue.Pop();
    return reply;
}

void COrvikCore::DrainReplies() {
    CMessageContainer& queue = m_link->queue;
    while (!queue.IsEmpty()) {
        queue.Pop();
    }
}

CoreResult COrvikCore::CheckPendingStatus() {
    // Ends only by a fatal status or by silence; "READY" and data are passed over.
    std::u16string status;
    const HRESULT result = AwaitReplies({.timeoutMs = m_timings.pendingStatusTimeout,
                                         .reportSilence = false,
                                         .roleOf = [&status](std::u16string_view reply) {
                                             if (!HasStatusWord(reply)) {
                                                 return ReplyRole::Other;
                                             }
                                             status = reply;
                                             return ReplyRole::Status;
                                         }});
    if (result != E_UNEXPECTED) {
        return {};
    }
    // A status word the table does not know is its own message, with no number.
    const StatusToken* row = MatchStatus(status);
    return {.code = E_UNEXPECTED, .messageId = row ? row->messageId : 0};
}

HRESULT COrvikCore::WaitForWakeReply() {
    return AwaitReplies({.timeoutMs = m_timings.wakeReplyTimeout,
                         .reportSilence = false,
                         .roleOf = [](std::u16string_view reply) {
                             // Software tokens are not judged here: the register is only being
                             // woken.
                             if (Contains(reply, u"HARD") || Contains(reply, u"SHUTDOWN")) {
                                 return ReplyRole::Status;
                             }
                             return Contains(reply, u"READY") ? ReplyRole::Ready : ReplyRole::Other;
                         }});
}

HRESULT COrvikCore::WaitForTaggedReply(std::initializer_list<std::u16string_view> tags,
                                       int timeoutMs, std::u16string* reply, bool silentTimeout) {
    bool ready = false;
    std::u16string ending;
    const HRESULT result =
        AwaitReplies({.timeoutMs = timeoutMs,
                      .reportSilence = !silentTimeout,
                      .roleOf =
                          [&](std::u16string_view text) {
                              if (HasStatusWord(text)) {
                                  return ReplyRole::Status;
                              }
                              for (std::u16string_view tag : tags) {
                                  if (Contains(text, tag)) {
                                      return ReplyRole::Answer;
                                  }
                              }
                              // A bare "READY" ends the wait too, but leaves what follows it
                              // queued.
                              ready = Contains(text, u"READY");
                              return ready ? ReplyRole::Answer : ReplyRole::Other;
                          }},
                     &ending);
    if (Succeeded(result) && reply) {
        *reply = ready ? std::u16string() : std::move(ending);
    }
    return result;
}

}  // namespace orvik::device
