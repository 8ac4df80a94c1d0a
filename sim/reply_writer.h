#pragma once

#include <chrono>
#include <cstdint>
#include <string_view>
#include <vector>

#include "sim/command_registry.h"
#include "sim/fault_plan.h"

// How the register's answers reach the line. A reply frame has the command frame's layout:
// 0xFD, the text in CP866, the length byte, 0xFE, 0x00 and the checksum byte.
namespace orvik::sim {

std::vector<std::uint8_t> BuildReplyFrame(std::u16string_view text);

// One write(2) on the line; a paced write is followed by the shape's byte gap.
struct LineWrite {
    std::vector<std::uint8_t> bytes;
    bool paced = false;
};

// The writes that carry an answer in the given shape, in order.
std::vector<LineWrite> PlanReplyWrites(const Replies& replies, const ReplyShape& shape);

enum class WriteOutcome {
    Written,
    Stopped,  // the stop event came first
    Stalled,  // the console took nothing for a long time; the rest was dropped
    Failed,   // the line is gone
};

// Waits the shape's answer delay, then performs the writes on fd (non-blocking), waiting for
// room when the console's side is full and pausing the shape's byte gap after paced writes.
// Every wait also ends on the stop event stopFd.
WriteOutcome PerformWrites(int fd, int stopFd, const std::vector<LineWrite>& writes,
                           const ReplyShape& shape);

}  // namespace orvik::sim
