#include "console/terminal_buttons.h"

namespace orvik::console {

TerminalButtons EnabledTerminalButtons(std::u16string_view firstCommandLine, std::size_t logEntries,
                                       std::size_t selectedEntries) {
    const bool haveCommand = !firstCommandLine.empty();
    const bool haveLog = logEntries > 0;
    return TerminalButtons{
        .send = haveCommand,
        .clearCommands = haveCommand,
        .loadFile = true,
        .saveCommands = haveCommand,
        .selectAll = haveLog,
        .deselectAll = selectedEntries > 0,
        .clearLog = haveLog,
        .saveReport = haveLog,
    };
}

}  // namespace orvik::console
