#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace orvik::device {

// The register's wire format. A command frame is 0xFD, the text in CP866, a length byte
// (text length + 1, modulo 256), 0xFE, 0x00 and a checksum byte. Reply frames are 0xFD, text,
// length byte, 0xFE and trailer bytes; their length byte, trailer and checksum are not checked.

inline constexpr std::uint8_t kFrameStart = 0xFD;
inline constexpr std::uint8_t kFrameEnd = 0xFE;
inline constexpr std::uint8_t kWakeByte = 0x55;

// Command frames are built in a fixed buffer of this size.
inline constexpr std::size_t kCommandFrameCapacity = 1024;
// The longest text that still fits that buffer with its five framing bytes.
inline constexpr std::size_t kMaxCommandText = kCommandFrameCapacity - 5;

// The register's frame checksum: a reflected CRC-16 variant over sign-extended bytes in 32-bit
// arithmetic. Only the low 8 bits travel in a frame.
std::uint32_t FrameChecksum(std::span<const std::uint8_t> bytes);

// Builds the command frame for text into out, which holds kCommandFrameCapacity bytes, and
// returns the frame's length. The capital and small Ukrainian I travel as Latin I and i.
// A text longer than kMaxCommandText is cut to that length rather than overrun the buffer.
std::size_t BuildCommandFrame(std::u16string_view text, std::span<std::uint8_t> out);

}  // namespace orvik::device
