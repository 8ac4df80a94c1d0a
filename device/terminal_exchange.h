#pragma once

#include <functional>
#include <string_view>

namespace orvik::device {

class COrvikCore;

// One line of the protocol terminal: the text goes out exactly as typed, and every reply is
// handed on as received until one is exactly "READY" or the register falls silent for
// replyTimeout. Replies left over from earlier commands come first.

// The longest line the terminal sends; longer ones are cut.
inline constexpr std::size_t kMaxTerminalLine = 254;

// True when the exchange ended on "READY".
bool ExchangeTerminalLine(COrvikCore& core, std::u16string_view line,
                          const std::function<void(std::u16string_view)>& onReply);

}  // namespace orvik::device
