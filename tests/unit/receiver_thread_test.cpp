// The receiver thread on a socket pair standing in for the line: what it makes of replies that
// do not fit the formats, and of a line that keeps reading as ended.
#include "device/link/receiver_thread.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "device/link/manual_reset_event.h"
#include "tests/unit/print_helpers.h"

using namespace orvik::device;

namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

// Generous: a passing test never waits it out.
constexpr int kBoundMs = 10000;

Bytes ReplyFrame(const std::string& text) {
    Bytes frame{0xFD};
    frame.insert(frame.end(), text.begin(), text.end());
    frame.push_back(static_cast<std::uint8_t>(text.size() + 1));
    frame.push_back(0xFE);
    frame.push_back(0x00);
    frame.push_back(0x19);
    return frame;
}

double ProcessCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// A line over a bare descriptor: the receiver's reads reach it as read(2) would.
class DescriptorPort final : public orvik::device::LinePort {
  public:
    int fd = -1;
    bool IsOpen() const override { return fd >= 0; }
    int Fd() const override { return fd; }
    ssize_t Read(std::span<std::uint8_t> into) override {
        return ::read(fd, into.data(), into.size());
    }
    bool Write(std::span<const std::uint8_t>) override { return false; }
    bool SetBaudRate(int, std::string*) override { return false; }
    bool SetDtr(bool, std::string*) override { return false; }
    bool Purge(std::string*) override { return false; }
    std::optional<orvik::device::LineSettings> ReadLineSettings() const override { return {}; }
    void SetTrace(orvik::device::ProtocolTrace*) override {}
    const std::string& Path() const override { return m_path; }
    int LastError() const override { return 0; }
    void Close() override {}

  private:
    std::string m_path;
};

// The receiver reads one end of a stream socket pair; the test writes the register's side.
class ReceiverThreadTest : public testing::Test {
  protected:
    void SetUp() override {
        int fds[2];
        ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds), 0);
        line = fds[0];
        device = fds[1];
        port.fd = line;
        ASSERT_TRUE(receiver.Start(port, *queue, kBoundMs));
    }

    void TearDown() override {
        receiver.Stop();
        for (int fd : {line, device}) {
            if (fd >= 0) {
                ::close(fd);
            }
        }
    }

    void Send(const Bytes& bytes) {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(device, bytes.data() + done, bytes.size() - done);
            ASSERT_GT(n, 0);
            done += static_cast<std::size_t>(n);
        }
    }

    // The next queued reply, waited for within the bound, popped.
    std::u16string Next() {
        if (!queue->WaitNotEmpty(kBoundMs)) {
            return u"<nothing>";
        }
        std::u16string text(queue->Front());
        queue->Pop();
        return text;
    }

    std::unique_ptr<CMessageContainer> queue = std::make_unique<CMessageContainer>();
    orvik::device::ReceiverThread receiver;
    int line = -1;
    DescriptorPort port;
    int device = -1;
};

TEST_F(ReceiverThreadTest, OverlongReplyAndRunawayFrameOverrunNothingAndReadingGoesOn) {
    // A reply longer than a slot keeps what a slot holds.
    Send(ReplyFrame(std::string(1000, 'A')));
    Send(ReplyFrame("READY"));
    EXPECT_EQ(Next(), std::u16string(CMessageContainer::kMaxTextLength, u'A'));
    EXPECT_EQ(Utf8(Next()), "READY");

    // A frame start followed by more than a buffer's worth of bytes and no end: dropped.
    Bytes runaway{0xFD};
    runaway.insert(runaway.end(), 3 * orvik::device::FrameCutter::kBufferSize, 'x');
    Send(runaway);
    Send(ReplyFrame("DATA"));
    Send(ReplyFrame("READY"));
    EXPECT_EQ(Utf8(Next()), "DATA");
    EXPECT_EQ(Utf8(Next()), "READY");
    EXPECT_TRUE(queue->IsEmpty());
    EXPECT_FALSE(receiver.HungUp());
}

TEST_F(ReceiverThreadTest, LineThatKeepsReadingNothingIsTakenAsGoneWithoutSpinning) {
    Send(ReplyFrame("READY"));
    // From now on every read of the line completes at once with zero bytes.
    ASSERT_EQ(shutdown(device, SHUT_WR), 0);
    EXPECT_EQ(Utf8(Next()), "READY");
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kBoundMs);
    while (!receiver.HungUp() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(1ms);
    }
    ASSERT_TRUE(receiver.HungUp());

    EXPECT_EQ(receiver.Status().state, ReceiverState::HungUp);
    // A consumer learns at once that nothing more will come.
    EXPECT_FALSE(queue->WaitNotEmpty(kBoundMs * 10));

    // The receiver uses no processor time while it waits to be stopped.
    const double cpuBefore = ProcessCpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    ManualResetEvent never;
    EXPECT_FALSE(never.Wait(300));
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = ProcessCpuSeconds() - cpuBefore;
    EXPECT_LT(cpu, wall / 4) << "cpu " << cpu << " s in " << wall << " s";

    // Still woken and joined: a receiver that did not wake would hold Stop, and the test, until
    // its time bound.
    receiver.Stop();
    EXPECT_FALSE(receiver.IsRunning());
}

TEST_F(ReceiverThreadTest, AClosedDescriptorEndsTheReceiverAndTheNextWaitAtOnce) {
    // The receiver's descriptor is closed while the socket itself stays open (a second
    // descriptor holds it), so the write below arrives whether or not the receiver's poll had
    // begun: inside poll the data wakes it and the read fails, outside it poll reports the
    // descriptor invalid. Either way the receiver ends with EBADF.
    const int keep = ::dup(line);
    ASSERT_GE(keep, 0);
    ::close(line);
    line = keep;
    const Bytes frame = ReplyFrame("READY");
    ASSERT_EQ(::send(device, frame.data(), frame.size(), MSG_NOSIGNAL),
              static_cast<ssize_t>(frame.size()));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kBoundMs);
    while (receiver.Status().state == ReceiverState::Running &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(1ms);
    }
    EXPECT_EQ(receiver.Status().state, ReceiverState::Failed);
    EXPECT_EQ(receiver.Status().error, EBADF);
    EXPECT_EQ(DescribeReceiverEnd(receiver.Status()),
              std::string("reading the line failed (") + std::strerror(EBADF) + ")");
    // A wait far longer than the test's bound returns at once.
    EXPECT_FALSE(queue->WaitNotEmpty(kBoundMs * 10));
}

}  // namespace
