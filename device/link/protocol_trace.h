#pragma once

#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <functional>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

// The protocol trace for bug reports: one line per event on the line, handed at once to a
// writer thread of its own, which writes it as soon as the file takes it, so that a program
// that dies leaves a trace as whole as possible. Each line is the local time with
// microseconds, then the event:
//
//   2026-12-08 08:21:28.123456 > "NULL" FD 4E 55 4C 4C 05 FE 00 19
//   2026-12-08 08:21:28.124012 < "READY" FD 52 45 41 44 59 06 FE 00 3C checksum ok
//   2026-12-08 08:21:28.124500 < stray 12 34
//   2026-12-08 08:21:28.130000 > wake 55
//   2026-12-08 08:21:28.140000 baud 57600
//   2026-12-08 08:21:28.150000 dtr off
//   2026-12-08 08:21:30.000000 hangup: Input/output error
//
// ">" is a frame the console sent, "<" one it received, with its text decoded from CP866 (in
// double quotes, a quote or backslash escaped with a backslash, control characters as \xNN),
// then every byte of the frame in hexadecimal. A received frame ends with the verdict on its
// checksum: "checksum ok", "checksum bad (expected XX)" or "checksum missing" when the frame
// ended without its trailer. Bytes outside any frame are "stray". A log-in command shows its
// password field as asterisks, and as "**" in the bytes together with its checksum byte, which
// would otherwise betray it:
//
//   2026-12-08 08:21:28.200000 > "UPAS**********Касир" FD 55 50 41 53 ** ... 14 FE 00 **
//
// Safe to use from the receiver thread and the caller's thread at once; Open and Close belong
// to one thread.
namespace orvik::device {

enum class ChecksumVerdict { Ok, Bad, Missing };

// The verdict on a reply frame as received: 0xFD, text, length, 0xFE, then a trailer of 0x00
// and the checksum of the bytes from 0xFD to 0xFE. *expected gets that checksum.
ChecksumVerdict CheckReplyChecksum(std::span<const std::uint8_t> frame, std::uint8_t* expected);

// "FD 4E 55".
std::string HexBytes(std::span<const std::uint8_t> bytes);
// The frame's text (between 0xFD and the length byte) decoded and quoted as the trace shows it.
std::string QuotedFrameText(std::span<const std::uint8_t> frame);
// "2026-12-08 08:21:28.123456 " and the event.
std::string TraceLine(const timespec& realtime, std::string_view event);
// A sent frame as the trace shows it: "> ", the quoted text and the bytes, the password of a
// log-in command ("UPAS" or "SPAS" and the password padded to 10) masked.
std::string SentFrameEvent(std::span<const std::uint8_t> frame);

// Where the trace may go: a regular file of the user's own (created 0600 when new, emptied
// when it exists), a terminal, or a pipe or FIFO that a program reads. Never through a
// symbolic link, and never waiting for a reader. The descriptor, non-blocking, or -1 with the
// reason in *reason.
int OpenTraceDestination(const std::string& path, std::string* reason);

class ProtocolTrace {
  public:
    ProtocolTrace() = default;
    ~ProtocolTrace();
    ProtocolTrace(const ProtocolTrace&) = delete;
    ProtocolTrace& operator=(const ProtocolTrace&) = delete;

    // Called once when the trace stops by itself: a write failed ("No space left on device",
    // "Broken pipe"), the file took nothing for kStallLimitMs, more than kQueueLimit bytes
    // waited, or Close could not write the rest within kCloseWaitMs. The text names the path and
    // the reason: "the trace /x stopped: Broken pipe". The trace is then dropped, the caller
    // goes on untraced. Called on whichever thread found the fault, outside the trace's lock;
    // it must not call Open or Close.
    void SetFailureHandler(std::function<void(const std::string&)> handler);

    // Starts a trace in the file (replacing what it held). False with the reason in *error.
    bool Open(const std::string& path, std::string* error);
    // Writes what waits, for at most kCloseWaitMs, and closes the file.
    void Close();
    // Lines are taken: open, and not stopped by a failure.
    bool IsOpen() const;
    const std::string& Path() const { return m_path; }

    static constexpr std::size_t kQueueLimit = 256 * 1024;
    static constexpr int kStallLimitMs = 3000;
    static constexpr int kCloseWaitMs = 2000;

    void Sent(std::span<const std::uint8_t> frame);
    // What the console wrote on the line: a command frame, or the one unframed byte it writes,
    // the wake-up byte.
    void Written(std::span<const std::uint8_t> bytes);
    void Received(std::span<const std::uint8_t> frame);
    void Stray(std::span<const std::uint8_t> bytes);
    void WakeByte();
    void Baud(int baud);
    void Dtr(bool on);
    void HangUp(std::string_view reason);
    // Any other event: opening, closing, the end of the receiver.
    void Note(std::string_view text);

  private:
    void Write(std::string_view event);
    // The writer thread: takes what is queued and writes it until Close or a failure.
    void RunWriter();
    // Writes all of bytes to m_fd, waiting in poll while the file takes nothing. Empty when
    // done, otherwise the reason it stopped.
    std::string WriteOut(std::string_view bytes);
    // Under m_mutex: the trace stops taking lines and the writer gives up. The text for the
    // failure handler the first time, with the handler to call in *handler; empty after that.
    std::string StopLocked(std::string_view reason,
                           std::function<void(const std::string&)>* handler);

    mutable std::mutex m_mutex;
    std::condition_variable m_queued;  // the writer: lines wait, Close began, or a failure
    std::condition_variable m_done;    // Close: the writer has ended
    // Guarded by m_mutex:
    std::string m_queue;         // lines the writer has not taken yet
    std::size_t m_inFlight = 0;  // bytes the writer took and has not written yet
    bool m_taking = false;       // open and not stopped: lines are queued
    bool m_closing = false;      // the writer ends once everything is written
    bool m_failed = false;       // stopped by a failure, reported once
    bool m_writerEnded = false;
    std::function<void(const std::string&)> m_onFailure;
    // Set by Open and Close only, while no writer runs: the path, the file (the writer's own
    // while it runs; it closes it when it stops on a failure) and the eventfd that makes a
    // writer waiting in poll give up.
    std::string m_path;
    int m_fd = -1;
    int m_stopFd = -1;
    std::thread m_writer;
};

// Follows the bytes the receiver reads and hands the trace whole reply frames with their
// trailer, and the stray bytes between them. The trailer is taken as the two bytes after 0xFE;
// a frame whose trailer has not come when the next frame starts, or when Flush is called, is
// traced without it.
class TraceFrameSplitter {
  public:
    explicit TraceFrameSplitter(ProtocolTrace& trace) : m_trace(trace) {}
    void Feed(std::span<const std::uint8_t> bytes);
    // Traces what is held: a frame still waiting for its trailer, or a frame cut short.
    void Flush();
    // A frame waits for its trailer.
    bool Pending() const { return !m_frame.empty(); }

  private:
    void EndFrame();
    void EndStray();

    static constexpr std::size_t kTrailerLength = 2;
    // A frame this long without its end byte is traced as stray bytes.
    static constexpr std::size_t kLongestFrame = 4096;

    ProtocolTrace& m_trace;
    std::vector<std::uint8_t> m_frame;  // from 0xFD on
    std::vector<std::uint8_t> m_stray;
    bool m_frameEnded = false;  // m_frame holds its 0xFE; only trailer bytes follow
};

}  // namespace orvik::device
