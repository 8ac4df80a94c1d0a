#include "device/link/receiver_thread.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <optional>

#include "support/text_codec.h"

namespace orvik::device {

namespace {

// How long a traced reply frame waits for its trailer before it is written without it. A
// register sends the trailer with the frame, but a busy machine may hand the last bytes of a
// read over well after the first: 50 ms was seen to pass, and the trace then called a sound
// frame's checksum missing. The next frame's start ends the wait at once.
constexpr int kTraceTrailerWaitMs = 500;

}  // namespace

std::string DescribeReceiverEnd(const ReceiverStatus& status) {
    const std::string reason = status.error != 0 ? std::strerror(status.error) : std::string();
    switch (status.state) {
        case ReceiverState::NotStarted:
            return "the receiver was not started";
        case ReceiverState::Running:
            return {};
        case ReceiverState::Stopped:
            return "the receiver was stopped";
        case ReceiverState::HungUp:
            return reason.empty() ? "the line hung up" : "the line hung up (" + reason + ")";
        case ReceiverState::Failed:
            return "reading the line failed (" + (reason.empty() ? "unknown error" : reason) + ")";
    }
    return {};
}

ReceiverThread::~ReceiverThread() {
    Stop();
}

bool ReceiverThread::Start(LinePort& port, CMessageContainer& queue, int timeoutMs) {
    Stop();
    m_stopFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_stopFd < 0) {
        return false;
    }
    m_port = &port;
    port.SetReceiverRunning(true);
    m_queue = &queue;
    m_stopFlag.store(false, std::memory_order_release);
    m_error.store(0, std::memory_order_relaxed);
    m_state.store(ReceiverState::Running, std::memory_order_release);
    queue.RestartProducer();
    m_started.Reset();
    m_cutter = FrameCutter();
    try {
        m_thread = std::thread(&ReceiverThread::Run, this);
    } catch (const std::system_error& e) {
        ::close(m_stopFd);
        m_stopFd = -1;
        port.SetReceiverRunning(false);
        m_port = nullptr;
        End(ReceiverState::Failed, e.code().value());
        return false;
    }
    if (!m_started.Wait(timeoutMs)) {
        Stop();
        return false;
    }
    return true;
}

void ReceiverThread::Stop() {
    if (m_thread.joinable()) {
        m_stopFlag.store(true, std::memory_order_release);
        const std::uint64_t one = 1;
        ssize_t written;
        do {
            written = ::write(m_stopFd, &one, sizeof(one));
        } while (written < 0 && errno == EINTR);
        m_thread.join();
        if (m_state.load(std::memory_order_acquire) == ReceiverState::Running) {
            m_state.store(ReceiverState::Stopped, std::memory_order_release);
        }
    }
    if (m_stopFd >= 0) {
        ::close(m_stopFd);
        m_stopFd = -1;
    }
    if (m_port) {
        m_port->SetReceiverRunning(false);
        m_port = nullptr;
    }
}

ReceiverStatus ReceiverThread::Status() const {
    const ReceiverState state = m_state.load(std::memory_order_acquire);
    return {state, m_error.load(std::memory_order_relaxed)};
}

void ReceiverThread::End(ReceiverState state, int error) {
    m_error.store(error, std::memory_order_relaxed);
    m_state.store(state, std::memory_order_release);
    if (m_trace) {
        m_trace->HangUp(DescribeReceiverEnd({state, error}));
    }
    if (m_queue) {
        m_queue->EndProducer();
    }
}

void ReceiverThread::Run() {
    m_started.Set();
    std::optional<TraceFrameSplitter> traced;
    if (m_trace) {
        traced.emplace(*m_trace);
    }
    while (!m_stopFlag.load(std::memory_order_acquire)) {
        pollfd fds[2] = {{m_stopFd, POLLIN, 0}, {m_port->Fd(), POLLIN, 0}};
        // A traced frame still waiting for its trailer is written after a short silence, so
        // that the trace never lags behind the line for long.
        const int timeout = traced && traced->Pending() ? kTraceTrailerWaitMs : -1;
        const int ready = ::poll(fds, 2, timeout);
        if (ready < 0) {
            if (errno == EINTR) {
                continue;
            }
            End(ReceiverState::Failed, errno);
            return;
        }
        if (ready == 0) {
            traced->Flush();
            continue;
        }
        if (fds[0].revents != 0) {
            break;
        }
        const short portEvents = fds[1].revents;
        if (portEvents & POLLNVAL) {
            // The port's descriptor was closed under the receiver.
            End(ReceiverState::Failed, EBADF);
            return;
        }
        // Bytes that arrived just before a hang-up are still read.
        int error = 0;
        const bool lineAlive =
            (portEvents & POLLIN) ? ReadAvailable(&error, traced ? &*traced : nullptr) : true;
        if (!lineAlive || (portEvents & (POLLHUP | POLLERR))) {
            if (traced) {
                traced->Flush();
            }
            // An end of file or EIO is the device going away, a reset the network server; any
            // other error is a failure of the read itself (a descriptor closed under the
            // receiver reads EBADF).
            const bool hungUp = error == 0 || error == EIO || error == ECONNRESET ||
                                error == EPIPE || error == ETIMEDOUT ||
                                (portEvents & (POLLHUP | POLLERR));
            End(hungUp ? ReceiverState::HungUp : ReceiverState::Failed, error);
            WaitForStop();
            return;
        }
    }
    if (traced) {
        traced->Flush();
    }
}

bool ReceiverThread::ReadAvailable(int* error, TraceFrameSplitter* traced) {
    for (;;) {
        const auto space = m_cutter.FreeSpace();
        const ssize_t n = m_port->Read(space);
        if (n > 0) {
            if (traced) {
                traced->Feed(space.first(static_cast<std::size_t>(n)));
            }
            m_cutter.Commit(
                static_cast<std::size_t>(n), [this](std::span<const std::uint8_t> bytes) {
                    // A slot keeps no more than this anyway; the rest of a long reply
                    // is dropped.
                    char16_t text[CMessageContainer::kMaxTextLength];
                    const std::size_t length = std::min(bytes.size(), std::size(text));
                    for (std::size_t i = 0; i < length; ++i) {
                        text[i] = support::DecodeByte(support::CodePage::Oem866, bytes[i]);
                    }
                    m_queue->Push(std::u16string_view(text, length));
                });
            // A network link may hold decoded bytes no poll announces; a serial line is read
            // once per wake-up (in raw mode with no minimum an empty read returns 0, which
            // must not pass for an end of file).
            if (m_port->HasPending()) {
                continue;
            }
            return true;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            return true;
        }
        // End of file or an error such as EIO: the device is gone.
        *error = n < 0 ? errno : 0;
        return false;
    }
}

void ReceiverThread::WaitForStop() const {
    pollfd stop{m_stopFd, POLLIN, 0};
    while (::poll(&stop, 1, -1) < 0 && errno == EINTR) {
    }
}

}  // namespace orvik::device
