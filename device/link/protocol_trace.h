#pragma once

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The protocol trace for bug reports: one line per event on the line, written and flushed at
// once, so that a program that dies leaves a whole trace. Each line is the local time with
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
// ended without its trailer. Bytes outside any frame are "stray". Safe to use from the
// receiver thread and the caller's thread at once.
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

class ProtocolTrace {
  public:
    ProtocolTrace() = default;
    ~ProtocolTrace();
    ProtocolTrace(const ProtocolTrace&) = delete;
    ProtocolTrace& operator=(const ProtocolTrace&) = delete;

    // Starts a trace in the file (replacing what it held). False with the reason in *error.
    bool Open(const std::string& path, std::string* error);
    void Close();
    bool IsOpen() const;
    const std::string& Path() const { return m_path; }

    void Sent(std::span<const std::uint8_t> frame);
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

    mutable std::mutex m_mutex;  // guards m_file
    std::FILE* m_file = nullptr;
    std::string m_path;
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
