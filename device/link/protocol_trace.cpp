#include "device/link/protocol_trace.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "device/link/frame.h"
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

std::string QuotedFrameText(std::span<const std::uint8_t> frame) {
    // The text lies between the start byte and the length byte that precedes the end byte.
    std::size_t end = 1;
    while (end < frame.size() && frame[end] != kFrameEnd) {
        ++end;
    }
    const std::size_t textEnd = end < frame.size() && end >= 2 ? end - 1 : end;
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

ProtocolTrace::~ProtocolTrace() {
    Close();
}

bool ProtocolTrace::Open(const std::string& path, std::string* error) {
    Close();
    std::FILE* file = std::fopen(path.c_str(), "we");
    if (!file) {
        if (error) {
            *error = "cannot write the trace " + path + ": " + std::strerror(errno);
        }
        return false;
    }
    {
        std::lock_guard lock(m_mutex);
        m_file = file;
        m_path = path;
    }
    Note("trace started");
    return true;
}

void ProtocolTrace::Close() {
    if (!IsOpen()) {
        return;
    }
    Note("trace ended");
    std::lock_guard lock(m_mutex);
    std::fclose(m_file);
    m_file = nullptr;
}

bool ProtocolTrace::IsOpen() const {
    std::lock_guard lock(m_mutex);
    return m_file != nullptr;
}

void ProtocolTrace::Sent(std::span<const std::uint8_t> frame) {
    if (IsOpen()) {
        Write("> " + QuotedFrameText(frame) + " " + HexBytes(frame));
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
    std::lock_guard lock(m_mutex);
    if (!m_file) {
        return;
    }
    const std::string line = TraceLine(now, event) + "\n";
    std::fwrite(line.data(), 1, line.size(), m_file);
    std::fflush(m_file);
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
