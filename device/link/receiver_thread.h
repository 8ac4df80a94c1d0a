#pragma once

#include <atomic>
#include <string>
#include <thread>

#include "device/link/frame_cutter.h"
#include "device/link/line_port.h"
#include "device/link/manual_reset_event.h"
#include "device/link/message_container.h"
#include "device/link/protocol_trace.h"
#include "device/link/receiver_status.h"

namespace orvik::device {

// The receiver: one thread that waits in poll on the port and a stop eventfd, reads what has
// arrived, cuts reply frames and pushes their texts into the reply queue. When the line hangs
// up it stops reading and waits only for its stop event, so it never spins. Either way it ends
// the queue's producer, so that a consumer waiting for a reply learns at once that none will
// come, and it keeps how it ended for the consumer to tell.

class ReceiverThread {
  public:
    ReceiverThread() = default;
    ~ReceiverThread();
    ReceiverThread(const ReceiverThread&) = delete;
    ReceiverThread& operator=(const ReceiverThread&) = delete;

    // Starts reading the port into queue and waits up to timeoutMs for the thread to report that
    // it runs. False when the thread could not be created or did not report in time.
    bool Start(LinePort& port, CMessageContainer& queue, int timeoutMs);
    // Wakes the thread through its stop event and joins it. Harmless when not running.
    void Stop();
    bool IsRunning() const { return m_thread.joinable(); }
    // Whether the thread has seen the line hang up.
    bool HungUp() const { return Status().state == ReceiverState::HungUp; }
    // How the thread stands or how it ended.
    ReceiverStatus Status() const;
    // Received bytes and the hang-up go to the trace while it is open (nullptr: none). Set
    // before Start.
    void SetTrace(ProtocolTrace* trace) { m_trace = trace; }

  private:
    void Run();
    // Reads and cuts what is waiting; false once the line has hung up (errno in *error, 0
    // for an end of file).
    bool ReadAvailable(int* error, TraceFrameSplitter* traced);
    void WaitForStop() const;
    // Keeps how the thread ended and tells the queue that no reply will come.
    void End(ReceiverState state, int error);

    LinePort* m_port = nullptr;
    int m_stopFd = -1;
    CMessageContainer* m_queue = nullptr;
    std::atomic<bool> m_stopFlag{false};  // set by Stop, read by the thread between reads
    std::atomic<ReceiverState> m_state{ReceiverState::NotStarted};
    std::atomic<int> m_error{0};  // written before m_state
    ProtocolTrace* m_trace = nullptr;
    ManualResetEvent m_started;
    FrameCutter m_cutter;  // the thread's own
    std::thread m_thread;
};

}  // namespace orvik::device
