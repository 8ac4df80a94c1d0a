#pragma once

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <span>

namespace orvik::device {

// A write that a line cannot take for this long means the device (or the connection) is gone.
inline constexpr int kWriteStallMs = 2000;

// Writes every byte through writeSome, which writes what it can of the bytes it is given as
// write(2) does (the count, or -1 with errno set), on the descriptor fd. A full queue is waited
// for, at most kWriteStallMs without progress. True when every byte went; otherwise false with
// the system's error in *error (0 for a stall or a line poll reports broken).
bool WriteAll(int fd, std::span<const std::uint8_t> bytes,
              const std::function<ssize_t(std::span<const std::uint8_t>)>& writeSome, int* error);

}  // namespace orvik::device
