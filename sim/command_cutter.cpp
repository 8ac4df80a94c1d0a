#include "sim/command_cutter.h"

#include "device/link/frame.h"

namespace orvik::sim {

namespace {

// Start byte, length byte, end byte and the 0x00: a frame holds these around its text,
// followed by the checksum.
constexpr std::size_t kFramingBytes = 4;

std::string Hex(std::uint8_t byte) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[byte >> 4], kDigits[byte & 0x0F]};
}

}  // namespace

void CommandCutter::Feed(std::span<const std::uint8_t> bytes, std::vector<LineEvent>& out) {
    for (const std::uint8_t byte : bytes) {
        switch (m_state) {
            case State::Idle:
                if (byte == device::kFrameStart) {
                    m_frame.assign(1, byte);
                    m_state = State::InFrame;
                } else if (byte == device::kWakeByte) {
                    out.push_back({LineEvent::Kind::WakeByte, {}, {}});
                }
                break;
            case State::Resync:
                // After an overlong run the line is noise until the next frame start: a 0x55
                // in it is not answered, or its READY would complete the console's next command.
                if (byte == device::kFrameStart) {
                    m_frame.assign(1, byte);
                    m_state = State::InFrame;
                }
                break;
            case State::InFrame:
                m_frame.push_back(byte);
                if (byte == 0x00 && m_frame.size() >= 3 &&
                    m_frame[m_frame.size() - 2] == device::kFrameEnd) {
                    m_state = State::AwaitChecksum;
                } else if (m_frame.size() > kMaxFrameBytes) {
                    out.push_back(
                        {LineEvent::Kind::BadFrame, std::move(m_frame),
                         "no frame end within " + std::to_string(kMaxFrameBytes) + " bytes"});
                    m_frame.clear();
                    m_state = State::Resync;
                }
                break;
            case State::AwaitChecksum:
                FinishFrame(byte, out);
                m_state = State::Idle;
                break;
        }
    }
}

void CommandCutter::FinishFrame(std::uint8_t checksum, std::vector<LineEvent>& out) {
    // m_frame: 0xFD, text, length byte, 0xFE, 0x00.
    std::vector<std::uint8_t> frame = std::move(m_frame);
    m_frame.clear();
    frame.push_back(checksum);
    if (frame.size() < kFramingBytes + 1) {
        out.push_back({LineEvent::Kind::BadFrame, std::move(frame), "no length byte"});
        return;
    }
    const std::size_t textLength = frame.size() - kFramingBytes - 1;
    const std::uint8_t lengthByte = frame[textLength + 1];
    const auto expectedLength = static_cast<std::uint8_t>((textLength + 1) % 256);
    if (lengthByte != expectedLength) {
        std::string problem =
            "length byte " + Hex(lengthByte) + ", expected " + Hex(expectedLength);
        out.push_back({LineEvent::Kind::BadFrame, std::move(frame), std::move(problem)});
        return;
    }
    const auto expectedChecksum = static_cast<std::uint8_t>(
        device::FrameChecksum(std::span<const std::uint8_t>(frame.data(), textLength + 3)) & 0xFFu);
    if (checksum != expectedChecksum) {
        std::string problem = "checksum " + Hex(checksum) + ", expected " + Hex(expectedChecksum);
        out.push_back({LineEvent::Kind::BadFrame, std::move(frame), std::move(problem)});
        return;
    }
    std::vector<std::uint8_t> text(frame.begin() + 1,
                                   frame.begin() + 1 + static_cast<std::ptrdiff_t>(textLength));
    out.push_back({LineEvent::Kind::Command, std::move(text), {}});
}

}  // namespace orvik::sim
