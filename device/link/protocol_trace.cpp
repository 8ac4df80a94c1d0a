#include "device/link/protocol_trace.h"

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/eventfd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <system_error>
#include <utility>

#include "device/link/frame.h"
#include "device/protocol/session_commands.h"
#include "support/text_codec.h"

namespace orvik::device {

ChecksumVerdict CheckReplyChecksum(std::span<const std::uint8_t> frame, std::uint8_t* expected) {
    std::size_t end = 0;
    while (end < frame.size() && frame[end] != kFrameEnd) {
        ++end;
    }
    if (end == frame.size()) {
        return ChecksumVerdict::Missing;
    }
    const auto sum = static_cast<std::uint8_t>(FrameChecksum(frame.first(end + 1)) & 0xFFu);
    if (expected) {
        *expected = sum;
    }
    // The trailer is 0x00 and the checksum.
    if (frame.size() < end + 3) {
        return ChecksumVerdict::Missing;
    }
    return frame[end + 2] == sum ? ChecksumVerdict::Ok : ChecksumVerdict::Bad;
}

std::string HexBytes(std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 3);
    for (const std::uint8_t byte : bytes) {
        if (!text.empty()) {
            text += ' ';
        }
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

namespace {

// Where a frame's end byte stands (the frame's size when it has none), and where its text ends:
// the text lies between the start byte and the length byte that precedes the end byte.
struct FrameLayout {
    std::size_t end = 0;
    std::size_t textEnd = 0;
};

FrameLayout LayoutOf(std::span<const std::uint8_t> frame) {
    std::size_t end = 1;
    while (end < frame.size() && frame[end] != kFrameEnd) {
        ++end;
    }
    return {end, end < frame.size() && end >= 2 ? end - 1 : end};
}

}  // namespace

std::string QuotedFrameText(std::span<const std::uint8_t> frame) {
    const std::size_t textEnd = LayoutOf(frame).textEnd;
    std::u16string text;
    for (std::size_t i = 1; i < textEnd; ++i) {
        text += support::DecodeByte(support::CodePage::Oem866, frame[i]);
    }
    std::string quoted = "\"";
    for (const char16_t ch : text) {
        if (ch == u'"' || ch == u'\\') {
            quoted += '\\';
            quoted += static_cast<char>(ch);
        } else if (ch < 0x20 || ch == 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof(escape), "\\x%02X", static_cast<unsigned>(ch));
            quoted += escape;
        } else {
            quoted += support::ToUtf8(std::u16string_view(&ch, 1));
        }
    }
    return quoted + "\"";
}

std::string TraceLine(const timespec& realtime, std::string_view event) {
    std::tm local{};
    localtime_r(&realtime.tv_sec, &local);
    char stamp[64];
    const std::size_t length = std::strftime(stamp, sizeof(stamp), "%Y-%m-%d %H:%M:%S", &local);
    char micros[32];
    std::snprintf(micros, sizeof(micros), ".%06ld ", realtime.tv_nsec / 1000);
    std::string line(stamp, length);
    line += micros;
    line += event;
    return line;
}

namespace {

// A password in the trace: each of its characters as this.
constexpr std::uint8_t kMaskByte = '*';

std::string ErrnoText(int error) {
    return std::generic_category().message(error);
}

// Where the password of a log-in command lies in its frame: after "UPAS" or "SPAS", padded
// with blanks to kMaxPasswordLength (BuildLoginCommand). Nothing for every other frame.
std::pair<std::size_t, std::size_t> PasswordField(std::span<const std::uint8_t> frame) {
    const std::size_t textEnd = LayoutOf(frame).textEnd;
    constexpr std::size_t kFirst = 5;
    if (frame.size() < kFirst || frame[0] != kFrameStart || textEnd <= kFirst) {
        return {0, 0};
    }
    const std::string_view command(reinterpret_cast<const char*>(frame.data()) + 1, 4);
    if (command != "UPAS" && command != "SPAS") {
        return {0, 0};
    }
    return {kFirst, std::min(kFirst + kMaxPasswordLength, textEnd)};
}

// Blocks every signal in the calling thread: a broken pipe then fails the write with EPIPE
// instead of ending the program, and the program's own signals go to its other threads.
void BlockSignals() {
    sigset_t all;
    sigfillset(&all);
    pthread_sigmask(SIG_BLOCK, &all, nullptr);
}

}  // namespace

std::string SentFrameEvent(std::span<const std::uint8_t> frame) {
    const auto [first, last] = PasswordField(frame);
    if (first == last) {
        return "> " + QuotedFrameText(frame) + " " + HexBytes(frame);
    }
    std::vector<std::uint8_t> masked(frame.begin(), frame.end());
    std::fill(masked.begin() + static_cast<std::ptrdiff_t>(first),
              masked.begin() + static_cast<std::ptrdiff_t>(last), kMaskByte);
    // Byte i is the two digits at 3 * i of HexBytes. The checksum is the byte after 0xFE 0x00;
    // from it and the rest of the frame a short password could be found again.
    std::string hex = HexBytes(frame);
    const auto hide = [&hex](std::size_t i) { hex.replace(3 * i, 2, "**"); };
    for (std::size_t i = first; i < last; ++i) {
        hide(i);
    }
    if (const std::size_t checksum = LayoutOf(frame).end + 2; checksum < frame.size()) {
        hide(checksum);
    }
    return "> " + QuotedFrameText(masked) + " " + hex;
}

int OpenTraceDestination(const std::string& path, std::string* reason) {
    // Without O_NONBLOCK a FIFO nobody reads would hold the open for good; O_NOCTTY keeps a
    // terminal from becoming the program's controlling one.
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY,
               S_IRUSR | S_IWUSR);
    if (fd < 0) {
        const int error = errno;
        struct stat what {};
        const bool exists = ::lstat(path.c_str(), &what) == 0;
        if (error == ELOOP && exists && S_ISLNK(what.st_mode)) {
            *reason = "it is a symbolic link; give the path of the file itself";
        } else if (error == ENXIO && exists && S_ISFIFO(what.st_mode)) {
            *reason = "no program reads the FIFO";
        } else if (error == ENXIO && exists && S_ISSOCK(what.st_mode)) {
            *reason = "it is a socket, not a file, a terminal or a FIFO";
        } else if (error == EISDIR) {
            *reason = "it is a folder";
        } else {
            *reason = ErrnoText(error);
        }
        return -1;
    }
    struct stat what {};
    if (::fstat(fd, &what) != 0) {
        *reason = ErrnoText(errno);
    } else if (S_ISREG(what.st_mode)) {
        // Opened without O_TRUNC: a file that belongs to someone else is left as it was.
        if (what.st_uid != ::geteuid()) {
            *reason = "it belongs to another user and is not replaced";
        } else if (::ftruncate(fd, 0) != 0) {
            *reason = ErrnoText(errno);
        } else {
            return fd;
        }
    } else if (S_ISFIFO(what.st_mode) || (S_ISCHR(what.st_mode) && ::isatty(fd))) {
        return fd;
    } else if (S_ISCHR(what.st_mode) || S_ISBLK(what.st_mode)) {
        *reason = "it is a device, not a file, a terminal or a FIFO";
    } else {
        *reason = "it is not a file, a terminal or a FIFO";
    }
    ::close(fd);
    return -1;
}

ProtocolTrace::~ProtocolTrace() {
    Close();
}

void ProtocolTrace::SetFailureHandler(std::function<void(const std::string&)> handler) {
    std::lock_guard lock(m_mutex);
    m_onFailure = std::move(handler);
}

bool ProtocolTrace::Open(const std::string& path, std::string* error) {
    Close();
    std::string reason;
    const int fd = OpenTraceDestination(path, &reason);
    const int stopFd = fd < 0 ? -1 : ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (fd >= 0 && stopFd < 0) {
        reason = ErrnoText(errno);
        ::close(fd);
    }
    if (stopFd < 0) {
        if (error) {
            *error = "cannot write the trace " + path + ": " + reason;
        }
        return false;
    }
    {
        std::lock_guard lock(m_mutex);
        m_path = path;
        m_fd = fd;
        m_stopFd = stopFd;
        m_queue.clear();
        m_inFlight = 0;
        m_taking = true;
        m_closing = false;
        m_failed = false;
        m_writerEnded = false;
    }
    try {
        m_writer = std::thread(&ProtocolTrace::RunWriter, this);
    } catch (const std::system_error& failure) {
        {
            std::lock_guard lock(m_mutex);
            m_taking = false;
        }
        ::close(fd);
        ::close(stopFd);
        m_fd = m_stopFd = -1;
        if (error) {
            *error = "cannot write the trace " + path + ": " + failure.what();
        }
        return false;
    }
    Note("trace started");
    return true;
}

void ProtocolTrace::Close() {
    if (!m_writer.joinable()) {
        return;
    }
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const std::string last = TraceLine(now, "trace ended") + "\n";
    std::string failure;
    std::function<void(const std::string&)> handler;
    {
        std::unique_lock lock(m_mutex);
        if (m_taking) {
            // The last line, whatever the queue holds: no line follows it.
            m_queue += last;
            m_taking = false;
        }
        m_closing = true;
        m_queued.notify_one();
        if (!m_done.wait_for(lock, std::chrono::milliseconds(kCloseWaitMs),
                             [this] { return m_writerEnded; })) {
            failure = StopLocked("the last lines could not be written within " +
                                     std::to_string(kCloseWaitMs / 1000) + " seconds",
                                 &handler);
        }
    }
    if (!failure.empty() && handler) {
        handler(failure);
    }
    m_writer.join();
    if (m_fd >= 0) {
        ::close(m_fd);
    }
    ::close(m_stopFd);
    m_fd = m_stopFd = -1;
    std::lock_guard lock(m_mutex);
    m_queue.clear();
}

bool ProtocolTrace::IsOpen() const {
    std::lock_guard lock(m_mutex);
    return m_taking;
}

std::string ProtocolTrace::StopLocked(std::string_view reason,
                                      std::function<void(const std::string&)>* handler) {
    m_taking = false;
    m_queue.clear();
    if (m_failed) {
        return {};
    }
    m_failed = true;
    // Wakes the writer wherever it waits.
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(m_stopFd, &one, sizeof(one));
    m_queued.notify_one();
    *handler = m_onFailure;
    return "the trace " + m_path + " stopped: " + std::string(reason);
}

void ProtocolTrace::RunWriter() {
    BlockSignals();
    std::string failure;
    std::function<void(const std::string&)> handler;
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_queued.wait(lock, [this] { return !m_queue.empty() || m_closing || m_failed; });
        if (m_failed || m_queue.empty()) {
            break;
        }
        std::string batch;
        batch.swap(m_queue);
        m_inFlight = batch.size();
        lock.unlock();
        const std::string reason = WriteOut(batch);
        lock.lock();
        m_inFlight = 0;
        if (!reason.empty()) {
            failure = StopLocked(reason, &handler);
            break;
        }
    }
    if (m_failed) {
        // A FIFO's reader sees the end at once; nothing more is written.
        ::close(m_fd);
        m_fd = -1;
    }
    m_writerEnded = true;
    m_done.notify_all();
    lock.unlock();
    if (!failure.empty() && handler) {
        handler(failure);
    }
}

std::string ProtocolTrace::WriteOut(std::string_view bytes) {
    using Clock = std::chrono::steady_clock;
    const auto stallLimit = std::chrono::milliseconds(kStallLimitMs);
    auto deadline = Clock::now() + stallLimit;
    while (!bytes.empty()) {
        const ssize_t n = ::write(m_fd, bytes.data(), bytes.size());
        if (n > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(n));
            deadline = Clock::now() + stallLimit;
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            return ErrnoText(errno);
        }
        // The file takes nothing now (a full pipe, a terminal stopped by its user).
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            return "nothing could be written for " + std::to_string(kStallLimitMs / 1000) +
                   " seconds";
        }
        std::array<pollfd, 2> fds{{{m_fd, POLLOUT, 0}, {m_stopFd, POLLIN, 0}}};
        if (::poll(fds.data(), fds.size(), static_cast<int>(left)) < 0 && errno != EINTR) {
            return ErrnoText(errno);
        }
        if (fds[1].revents != 0) {
            return "stopped";  // after the failure that woke it, which is the one reported
        }
    }
    return {};
}

void ProtocolTrace::Sent(std::span<const std::uint8_t> frame) {
    if (IsOpen()) {
        Write(SentFrameEvent(frame));
    }
}

void ProtocolTrace::Received(std::span<const std::uint8_t> frame) {
    if (!IsOpen()) {
        return;
    }
    std::uint8_t expected = 0;
    std::string verdict;
    switch (CheckReplyChecksum(frame, &expected)) {
        case ChecksumVerdict::Ok:
            verdict = "checksum ok";
            break;
        case ChecksumVerdict::Bad:
            verdict = "checksum bad (expected " + HexBytes(std::span(&expected, 1)) + ")";
            break;
        case ChecksumVerdict::Missing:
            verdict = "checksum missing";
            break;
    }
    Write("< " + QuotedFrameText(frame) + " " + HexBytes(frame) + " " + verdict);
}

void ProtocolTrace::Stray(std::span<const std::uint8_t> bytes) {
    if (IsOpen() && !bytes.empty()) {
        Write("< stray " + HexBytes(bytes));
    }
}

void ProtocolTrace::Written(std::span<const std::uint8_t> bytes) {
    if (bytes.size() == 1 && bytes[0] != kFrameStart) {
        WakeByte();
    } else {
        Sent(bytes);
    }
}

void ProtocolTrace::WakeByte() {
    Write("> wake 55");
}

void ProtocolTrace::Baud(int baud) {
    Write("baud " + std::to_string(baud));
}

void ProtocolTrace::Dtr(bool on) {
    Write(on ? "dtr on" : "dtr off");
}

void ProtocolTrace::HangUp(std::string_view reason) {
    Write("hangup: " + std::string(reason));
}

void ProtocolTrace::Note(std::string_view text) {
    Write(text);
}

void ProtocolTrace::Write(std::string_view event) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const std::string line = TraceLine(now, event) + "\n";
    std::string failure;
    std::function<void(const std::string&)> handler;
    {
        std::lock_guard lock(m_mutex);
        if (!m_taking) {
            return;
        }
        if (m_queue.size() + m_inFlight + line.size() <= kQueueLimit) {
            m_queue += line;
            m_queued.notify_one();
            return;
        }
        failure = StopLocked("more than " + std::to_string(kQueueLimit / 1024) +
                                 " KiB of lines waited to be written",
                             &handler);
    }
    if (!failure.empty() && handler) {
        handler(failure);
    }
}

void TraceFrameSplitter::Feed(std::span<const std::uint8_t> bytes) {
    for (const std::uint8_t byte : bytes) {
        if (byte == kFrameStart) {
            // A new frame: whatever was held is complete as it is.
            EndFrame();
            EndStray();
            m_frame.push_back(byte);
            continue;
        }
        if (m_frame.empty()) {
            m_stray.push_back(byte);
            continue;
        }
        m_frame.push_back(byte);
        if (!m_frameEnded) {
            if (byte == kFrameEnd) {
                m_frameEnded = true;
            } else if (m_frame.size() >= kLongestFrame) {
                m_stray.insert(m_stray.end(), m_frame.begin(), m_frame.end());
                m_frame.clear();
                EndStray();
            }
            continue;
        }
        const auto end = static_cast<std::size_t>(
            std::find(m_frame.begin(), m_frame.end(), kFrameEnd) - m_frame.begin());
        if (m_frame.size() - end - 1 >= kTrailerLength) {
            EndFrame();
        }
    }
}

void TraceFrameSplitter::Flush() {
    EndFrame();
    EndStray();
}

void TraceFrameSplitter::EndFrame() {
    if (!m_frame.empty()) {
        if (m_frameEnded) {
            m_trace.Received(m_frame);
        } else {
            m_stray.insert(m_stray.end(), m_frame.begin(), m_frame.end());
        }
    }
    m_frame.clear();
    m_frameEnded = false;
}

void TraceFrameSplitter::EndStray() {
    m_trace.Stray(m_stray);
    m_stray.clear();
}

}  // namespace orvik::device
