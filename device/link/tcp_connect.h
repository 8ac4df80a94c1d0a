#pragma once

#include <chrono>
#include <functional>
#include <string>

// Reaching a network serial server: the host's name resolved and a TCP connection made, within
// a deadline and giving up at once on a stop request (Ctrl+C in orvik-cli).
namespace orvik::device {

using StopCheck = std::function<bool()>;
using Deadline = std::chrono::steady_clock::time_point;

struct TcpConnectResult {
    int fd = -1;            // connected, non-blocking, TCP_NODELAY and keep-alive set
    int error = 0;          // the system's error when it failed
    bool resolved = false;  // the name was resolved (a failure came later)
    std::string reason;     // why it failed
    std::string peer;       // the address connected to, "127.0.0.1 port 7001"
};

// Resolves host and connects to the first of its addresses that answers. The name resolution
// runs on a thread of its own, so that a stalled resolver never holds the caller beyond the
// deadline or a stop.
TcpConnectResult ConnectTcp(const std::string& host, const std::string& service, Deadline deadline,
                            const StopCheck& stop);

// Waits until fd is ready for `events` (POLLIN, POLLOUT), the deadline passes or stop asks;
// true when ready. Sliced so that a stop is heard within a tenth of a second.
bool WaitForDescriptor(int fd, short events, Deadline deadline, const StopCheck& stop);

}  // namespace orvik::device
