#include "device/link/manual_reset_event.h"

#include <algorithm>

namespace orvik::device {

namespace {
// How often a waiting core hands control to its idle hook.
constexpr std::chrono::milliseconds kIdleSlice{20};
}  // namespace

void ManualResetEvent::Set() {
    {
        std::lock_guard lock(m_mutex);
        m_set = true;
    }
    m_changed.notify_all();
}

void ManualResetEvent::Reset() {
    std::lock_guard lock(m_mutex);
    m_set = false;
}

bool ManualResetEvent::IsSet() const {
    std::lock_guard lock(m_mutex);
    return m_set;
}

bool ManualResetEvent::Wait(int timeoutMs, const std::function<void()>* idle) {
    using Clock = std::chrono::steady_clock;
    const bool forever = timeoutMs < 0;
    const auto deadline = Clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
    std::unique_lock lock(m_mutex);
    while (!m_set) {
        const auto now = Clock::now();
        if (!forever && now >= deadline) {
            return false;
        }
        if (idle && *idle) {
            const auto sliceEnd = forever ? now + kIdleSlice : std::min(deadline, now + kIdleSlice);
            m_changed.wait_until(lock, sliceEnd, [this] { return m_set; });
            if (!m_set) {
                lock.unlock();
                (*idle)();
                lock.lock();
            }
        } else if (forever) {
            m_changed.wait(lock, [this] { return m_set; });
        } else {
            m_changed.wait_until(lock, deadline, [this] { return m_set; });
        }
    }
    return true;
}

}  // namespace orvik::device
