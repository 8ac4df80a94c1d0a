#include "device/link/wake_probe.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "device/link/frame.h"
#include "device/link/frame_cutter.h"
#include "support/text_codec.h"

namespace orvik::device {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kFallbackBaud = 57600;

enum class WaitResult { Ready, Silent, HungUp };

// Reads until a reply containing "READY" arrives or replyMs pass.
WaitResult AwaitReady(LinePort& port, int replyMs) {
    FrameCutter cutter;
    const auto deadline = Clock::now() + std::chrono::milliseconds(replyMs);
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            return WaitResult::Silent;
        }
        pollfd pfd{port.Fd(), POLLIN, 0};
        const int ready = ::poll(&pfd, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready < 0 || (pfd.revents & (POLLERR | POLLNVAL))) {
            return WaitResult::HungUp;
        }
        if (ready == 0) {
            return WaitResult::Silent;
        }
        const auto space = cutter.FreeSpace();
        const ssize_t n = port.Read(space);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) {
            continue;
        }
        if (n <= 0) {
            return WaitResult::HungUp;
        }
        bool answered = false;
        cutter.Commit(static_cast<std::size_t>(n), [&](std::span<const std::uint8_t> text) {
            const std::u16string reply = support::Decode(
                support::CodePage::Oem866,
                std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
            answered = answered || reply.find(u"READY") != std::u16string::npos;
        });
        if (answered) {
            return WaitResult::Ready;
        }
    }
}

}  // namespace

WakeProbeResult ProbeWake(LinePort& port, int firstBaud, int tries, int replyMs) {
    WakeProbeResult result;
    std::vector<int> rates{firstBaud};
    if (firstBaud != kFallbackBaud) {
        rates.push_back(kFallbackBaud);
    }
    for (std::size_t r = 0; r < rates.size(); ++r) {
        if (r > 0) {
            port.SetBaudRate(rates[r]);
        }
        for (int attempt = 0; attempt < tries; ++attempt) {
            const std::uint8_t wake = kWakeByte;
            const auto start = Clock::now();
            if (!port.Write(std::span<const std::uint8_t>(&wake, 1))) {
                result.hungUp = true;
                return result;
            }
            const WaitResult waited = AwaitReady(port, replyMs);
            if (waited == WaitResult::Ready) {
                result.answeredBaud = rates[r];
                result.elapsed =
                    std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
                return result;
            }
            if (waited == WaitResult::HungUp) {
                result.hungUp = true;
                return result;
            }
        }
    }
    return result;
}

}  // namespace orvik::device
