#include "cli/interrupt.h"

#include <signal.h>

#include <atomic>

namespace orvik::cli {

namespace {

// Lock-free, so that the handler may write it.
std::atomic<int> g_signal{0};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void NoteInterrupt(int signal) {
    int expected = 0;
    // The first signal decides the exit status.
    g_signal.compare_exchange_strong(expected, signal);
}

}  // namespace

void CatchInterrupts() {
    struct sigaction action {};
    action.sa_handler = NoteInterrupt;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a call that could wait without end (a read of the terminal, an open) ends
    // with EINTR instead. The core asks Interrupted() between the short slices of its waits.
    action.sa_flags = 0;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

int InterruptSignal() {
    return g_signal.load();
}

int InterruptExitStatus() {
    const int signal = InterruptSignal();
    return signal == 0 ? 0 : 128 + signal;
}

void ClearInterrupt() {
    g_signal.store(0);
}

}  // namespace orvik::cli
