#include "device/link/tcp_connect.h"

#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>

namespace orvik::device {

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kSliceMs = 100;
// A connection whose server goes away without a word is found within about half a minute.
constexpr int kKeepAliveIdleSeconds = 10;
constexpr int kKeepAliveIntervalSeconds = 5;
constexpr int kKeepAliveProbes = 3;

int MillisecondsLeft(Deadline deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::clamp<std::int64_t>(left, 0, kSliceMs));
}

// The resolver's result, shared with its thread: whoever leaves last frees it.
struct Resolution {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    int status = 0;
    addrinfo* list = nullptr;
    ~Resolution() {
        if (list) {
            ::freeaddrinfo(list);
        }
    }
};

std::string PeerText(const sockaddr* address, socklen_t length) {
    char host[NI_MAXHOST] = {};
    char service[NI_MAXSERV] = {};
    if (::getnameinfo(address, length, host, sizeof(host), service, sizeof(service),
                      NI_NUMERICHOST | NI_NUMERICSERV) != 0) {
        return "?";
    }
    return std::string(host) + " port " + service;
}

void TuneSocket(int fd) {
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof(one));
    ::setsockopt(fd, SOL_SOCKET, SO_KEEPALIVE, &one, sizeof(one));
    ::setsockopt(fd, IPPROTO_TCP, TCP_KEEPIDLE, &kKeepAliveIdleSeconds,
                 sizeof(kKeepAliveIdleSeconds));
    ::setsockopt(fd, IPPROTO_TCP, TCP_KEEPINTVL, &kKeepAliveIntervalSeconds,
                 sizeof(kKeepAliveIntervalSeconds));
    ::setsockopt(fd, IPPROTO_TCP, TCP_KEEPCNT, &kKeepAliveProbes, sizeof(kKeepAliveProbes));
}

}  // namespace

bool WaitForDescriptor(int fd, short events, Deadline deadline, const StopCheck& stop) {
    for (;;) {
        if (stop && stop()) {
            return false;
        }
        const int slice = MillisecondsLeft(deadline);
        pollfd pfd{fd, events, 0};
        const int ready = ::poll(&pfd, 1, slice);
        if (ready > 0) {
            return true;
        }
        if (ready < 0 && errno != EINTR) {
            return false;
        }
        if (slice == 0 || Clock::now() >= deadline) {
            return false;
        }
    }
}

TcpConnectResult ConnectTcp(const std::string& host, const std::string& service, Deadline deadline,
                            const StopCheck& stop) {
    TcpConnectResult result;
    auto resolution = std::make_shared<Resolution>();
    try {
        std::thread([resolution, host, service] {
            addrinfo hints{};
            hints.ai_family = AF_UNSPEC;
            hints.ai_socktype = SOCK_STREAM;
            hints.ai_flags = AI_ADDRCONFIG | AI_NUMERICSERV;
            addrinfo* list = nullptr;
            const int status = ::getaddrinfo(host.c_str(), service.c_str(), &hints, &list);
            const std::lock_guard lock(resolution->mutex);
            resolution->status = status;
            resolution->list = list;
            resolution->finished = true;
            resolution->done.notify_all();
        }).detach();
    } catch (const std::system_error& e) {
        result.error = e.code().value();
        result.reason = "could not start the name resolution (" + std::string(e.what()) + ")";
        return result;
    }
    {
        std::unique_lock lock(resolution->mutex);
        while (!resolution->finished) {
            if (stop && stop()) {
                result.reason = "interrupted while resolving " + host;
                result.error = EINTR;
                return result;
            }
            if (Clock::now() >= deadline) {
                result.reason = "resolving " + host + " took too long";
                result.error = ETIMEDOUT;
                return result;
            }
            resolution->done.wait_for(lock, std::chrono::milliseconds(kSliceMs));
        }
    }
    if (resolution->status != 0) {
        result.reason = "cannot resolve " + host + ": " + ::gai_strerror(resolution->status);
        return result;
    }
    result.resolved = true;
    for (const addrinfo* entry = resolution->list; entry; entry = entry->ai_next) {
        const std::string peer = PeerText(entry->ai_addr, entry->ai_addrlen);
        const int fd = ::socket(entry->ai_family, entry->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC,
                                entry->ai_protocol);
        if (fd < 0) {
            result.error = errno;
            result.reason = "cannot make a socket: " + std::string(std::strerror(errno));
            continue;
        }
        int error = 0;
        if (::connect(fd, entry->ai_addr, entry->ai_addrlen) != 0) {
            error = errno;
            if (error == EINPROGRESS) {
                error = ETIMEDOUT;
                if (WaitForDescriptor(fd, POLLOUT, deadline, stop)) {
                    socklen_t length = sizeof(error);
                    if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0) {
                        error = errno;
                    }
                } else if (stop && stop()) {
                    error = EINTR;
                }
            }
        }
        if (error == 0) {
            TuneSocket(fd);
            result.fd = fd;
            result.error = 0;
            result.reason.clear();
            result.peer = peer;
            return result;
        }
        ::close(fd);
        result.error = error;
        result.reason =
            error == ETIMEDOUT ? "no answer from " + peer + " (is the host up and the port open?)"
            : error == EINTR   ? "interrupted while connecting to " + peer
                               : "cannot connect to " + peer + ": " + std::strerror(error);
        if (error == EINTR || Clock::now() >= deadline) {
            break;
        }
    }
    return result;
}

}  // namespace orvik::device
