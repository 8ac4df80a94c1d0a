#include "device/link/write_all.h"

#include <poll.h>

#include <cerrno>

namespace orvik::device {

bool WriteAll(int fd, std::span<const std::uint8_t> bytes,
              const std::function<ssize_t(std::span<const std::uint8_t>)>& writeSome, int* error) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = writeSome(bytes.subspan(done));
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            *error = errno;
            return false;
        }
        // The queue is full: wait until it takes more, but not forever.
        pollfd pfd{fd, POLLOUT, 0};
        const int ready = ::poll(&pfd, 1, kWriteStallMs);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0 || (pfd.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
            *error = ready < 0 ? errno : 0;
            return false;
        }
    }
    return true;
}

}  // namespace orvik::device
