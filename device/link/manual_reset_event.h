#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>

namespace orvik::device {

// A manual-reset event: once set it stays set, waking every waiter, until it is reset.

class ManualResetEvent {
  public:
    void Set();
    void Reset();
    bool IsSet() const;

    // Waits up to timeoutMs for the event (a negative time-out waits without limit). True when
    // the event is set. When idle is given, the wait is cut into short slices and idle runs
    // between them, so that a window can keep painting while the core waits.
    bool Wait(int timeoutMs, const std::function<void()>* idle = nullptr);

  private:
    mutable std::mutex m_mutex;  // guards m_set
    std::condition_variable m_changed;
    bool m_set = false;
};

}  // namespace orvik::device
