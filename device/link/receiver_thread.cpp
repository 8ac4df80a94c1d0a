#include "device/link/receiver_thread.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <iterator>

#include "support/text_codec.h"

namespace orvik::device {

ReceiverThread::~ReceiverThread() {
    Stop();
}

bool ReceiverThread::Start(int portFd, CMessageContainer& queue, int timeoutMs) {
    Stop();
    m_stopFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_stopFd < 0) {
        return false;
    }
    m_portFd = portFd;
    m_queue = &queue;
    m_stopFlag.store(false, std::memory_order_release);
    m_hungUp.store(false, std::memory_order_release);
    m_started.Reset();
    m_cutter = FrameCutter();
    try {
        m_thread = std::thread(&ReceiverThread::Run, this);
    } catch (const std::system_error&) {
        ::close(m_stopFd);
        m_stopFd = -1;
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
    }
    if (m_stopFd >= 0) {
        ::close(m_stopFd);
        m_stopFd = -1;
    }
    m_portFd = -1;
}

void ReceiverThread::Run() {
    m_started.Set();
    while (!m_stopFlag.load(std::memory_order_acquire)) {
        pollfd fds[2] = {{m_stopFd, POLLIN, 0}, {m_portFd, POLLIN, 0}};
        const int ready = ::poll(fds, 2, -1);
        if (ready < 0) {
            if (errno == EINTR) {
                continue;
            }
            break;
        }
        if (fds[0].revents != 0) {
            break;
        }
        const short portEvents = fds[1].revents;
        if (portEvents & POLLNVAL) {
            break;
        }
        // Bytes that arrived just before a hang-up are still read.
        const bool lineAlive = (portEvents & POLLIN) ? ReadAvailable() : true;
        if (!lineAlive || (portEvents & (POLLHUP | POLLERR))) {
            m_hungUp.store(true, std::memory_order_release);
            WaitForStop();
            break;
        }
    }
}

bool ReceiverThread::ReadAvailable() {
    for (;;) {
        const auto space = m_cutter.FreeSpace();
        const ssize_t n = ::read(m_portFd, space.data(), space.size());
        if (n > 0) {
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
            return true;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            return true;
        }
        // End of file or an error such as EIO: the device is gone.
        return false;
    }
}

void ReceiverThread::WaitForStop() const {
    pollfd stop{m_stopFd, POLLIN, 0};
    while (::poll(&stop, 1, -1) < 0 && errno == EINTR) {
    }
}

}  // namespace orvik::device
