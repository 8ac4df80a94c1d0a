#include "sim/reply_writer.h"

#include <poll.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <ctime>

#include "device/link/frame.h"

namespace orvik::sim {

namespace {

// A console that takes no byte for this long has gone away without closing the port.
constexpr int kStallMs = 2000;

// Waits for the stop event for the given time; true when it came.
bool StopCameWithin(int stopFd, std::chrono::microseconds pause) {
    const timespec limit{static_cast<time_t>(pause.count() / 1000000),
                         static_cast<long>((pause.count() % 1000000) * 1000)};
    pollfd stop{stopFd, POLLIN, 0};
    int ready;
    do {
        ready = ::ppoll(&stop, 1, &limit, nullptr);
    } while (ready < 0 && errno == EINTR);
    return ready > 0;
}

WriteOutcome WriteWhole(int fd, int stopFd, const std::uint8_t* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            return WriteOutcome::Failed;
        }
        std::array<pollfd, 2> fds{{{stopFd, POLLIN, 0}, {fd, POLLOUT, 0}}};
        const int ready = ::poll(fds.data(), fds.size(), kStallMs);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready < 0) {
            return WriteOutcome::Failed;
        }
        if (ready == 0) {
            return WriteOutcome::Stalled;
        }
        if (fds[0].revents != 0) {
            return WriteOutcome::Stopped;
        }
        if (fds[1].revents & (POLLERR | POLLNVAL)) {
            return WriteOutcome::Failed;
        }
    }
    return WriteOutcome::Written;
}

}  // namespace

std::vector<std::uint8_t> BuildReplyFrame(std::u16string_view text) {
    std::array<std::uint8_t, device::kCommandFrameCapacity> frame;
    const std::size_t length = device::BuildCommandFrame(text, frame);
    return {frame.begin(), frame.begin() + static_cast<std::ptrdiff_t>(length)};
}

std::vector<LineWrite> PlanReplyWrites(const Replies& replies, const ReplyShape& shape) {
    // Each frame with the noise before it.
    std::vector<std::vector<std::uint8_t>> pieces;
    pieces.reserve(replies.size());
    for (const std::u16string& reply : replies) {
        std::vector<std::uint8_t> piece(shape.garbage.begin(), shape.garbage.end());
        const std::vector<std::uint8_t> frame = BuildReplyFrame(reply);
        piece.insert(piece.end(), frame.begin(), frame.end());
        pieces.push_back(std::move(piece));
    }

    std::vector<LineWrite> writes;
    if (shape.splitBytes) {
        for (const auto& piece : pieces) {
            for (const std::uint8_t byte : piece) {
                writes.push_back({{byte}, true});
            }
        }
        return writes;
    }
    const std::size_t perWrite = shape.framesPerWrite <= kAllFrames
                                     ? pieces.size()
                                     : static_cast<std::size_t>(shape.framesPerWrite);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i % perWrite == 0) {
            writes.push_back({});
        }
        writes.back().bytes.insert(writes.back().bytes.end(), pieces[i].begin(), pieces[i].end());
    }
    return writes;
}

WriteOutcome PerformWrites(int fd, int stopFd, const std::vector<LineWrite>& writes,
                           const ReplyShape& shape) {
    if (shape.answerDelay.count() > 0 && StopCameWithin(stopFd, shape.answerDelay)) {
        return WriteOutcome::Stopped;
    }
    for (const LineWrite& write : writes) {
        const WriteOutcome outcome = WriteWhole(fd, stopFd, write.bytes.data(), write.bytes.size());
        if (outcome != WriteOutcome::Written) {
            return outcome;
        }
        if (write.paced && shape.byteGap.count() > 0 && StopCameWithin(stopFd, shape.byteGap)) {
            return WriteOutcome::Stopped;
        }
    }
    return WriteOutcome::Written;
}

}  // namespace orvik::sim
