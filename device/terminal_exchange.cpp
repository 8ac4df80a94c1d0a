#include "device/terminal_exchange.h"

#include "device/orvik_core.h"

namespace orvik::device {

bool ExchangeTerminalLine(COrvikCore& core, std::u16string_view line,
                          const std::function<void(std::u16string_view)>& onReply) {
    core.SendCommand(line.substr(0, kMaxTerminalLine));
    for (;;) {
        const std::u16string reply = core.ReadReply();
        if (reply.empty()) {
            return false;
        }
        onReply(reply);
        if (reply == u"READY") {
            return true;
        }
    }
}

}  // namespace orvik::device
