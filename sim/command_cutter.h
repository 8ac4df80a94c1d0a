#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The register's side of the line: cuts command frames out of the bytes the console sends.
// A command frame is 0xFD, the text, a length byte ((n + 1) mod 256), 0xFE, 0x00 and the
// checksum byte. The frame ends at the first 0xFE followed by 0x00: a length byte may itself be
// 0xFD or 0xFE (texts of 252 or 253 characters), and no command text holds the pair 0xFE 0x00.
// Outside a frame a lone 0x55 is the wake-up byte; every other byte there is line noise.
namespace orvik::sim {

struct LineEvent {
    enum class Kind { Command, WakeByte, BadFrame };
    Kind kind = Kind::Command;
    // Command: the text bytes (CP866). BadFrame: the whole frame as received.
    std::vector<std::uint8_t> bytes;
    // BadFrame: what is wrong with it, for the tape.
    std::string problem;
};

class CommandCutter {
  public:
    // No command frame is longer than this; a longer run of bytes after 0xFD is noise.
    static constexpr std::size_t kMaxFrameBytes = 1024 + 16;

    // Takes bytes as they arrive (in pieces of any size) and appends every complete event to
    // out, oldest first.
    void Feed(std::span<const std::uint8_t> bytes, std::vector<LineEvent>& out);

    // Whether a frame has begun and not yet ended.
    bool InFrame() const { return m_state != State::Idle && m_state != State::Resync; }

  private:
    enum class State { Idle, InFrame, AwaitChecksum, Resync };

    void FinishFrame(std::uint8_t checksum, std::vector<LineEvent>& out);

    State m_state = State::Idle;
    std::vector<std::uint8_t> m_frame;  // from 0xFD up to the 0x00 after 0xFE
};

}  // namespace orvik::sim
