#pragma once

#include <atomic>
#include <thread>

#include "device/link/frame_cutter.h"
#include "device/link/manual_reset_event.h"
#include "device/link/message_container.h"

namespace orvik::device {

// The receiver: one thread that waits in poll on the port and a stop eventfd, reads what has
// arrived, cuts reply frames and pushes their texts into the reply queue. When the line hangs
// up it stops reading and waits only for its stop event, so it never spins.

class ReceiverThread {
  public:
    ReceiverThread() = default;
    ~ReceiverThread();
    ReceiverThread(const ReceiverThread&) = delete;
    ReceiverThread& operator=(const ReceiverThread&) = delete;

    // Starts reading portFd into queue and waits up to timeoutMs for the thread to report that
    // it runs. False when the thread could not be created or did not report in time.
    bool Start(int portFd, CMessageContainer& queue, int timeoutMs);
    // Wakes the thread through its stop event and joins it. Harmless when not running.
    void Stop();
    bool IsRunning() const { return m_thread.joinable(); }
    // Whether the thread has seen the line hang up.
    bool HungUp() const { return m_hungUp.load(std::memory_order_acquire); }

  private:
    void Run();
    // Reads and cuts what is waiting; false once the line has hung up.
    bool ReadAvailable();
    void WaitForStop() const;

    int m_portFd = -1;
    int m_stopFd = -1;
    CMessageContainer* m_queue = nullptr;
    std::atomic<bool> m_stopFlag{false};  // set by Stop, read by the thread between reads
    std::atomic<bool> m_hungUp{false};
    ManualResetEvent m_started;
    FrameCutter m_cutter;  // the thread's own
    std::thread m_thread;
};

}  // namespace orvik::device
