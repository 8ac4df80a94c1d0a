#pragma once

#include <cstddef>
#include <string_view>

namespace orvik::console {

// Which buttons of the protocol terminal may be pressed. Only the first line of the command
// box counts: a box whose first line is empty offers nothing to send or save, whatever the
// lines below hold.

struct TerminalButtons {
    bool send = false;           // "&Послать в ЭККР"
    bool clearCommands = false;  // "&Очистить" beside the command box
    bool loadFile = true;        // "Загрузить файл"
    bool saveCommands = false;   // "Сохранить в файл"
    bool selectAll = false;      // "Выделить все"
    bool deselectAll = false;    // "Снять выделение"
    bool clearLog = false;       // "Очистить" beside the log
    bool saveReport = false;     // "Сохранить отчет"

    bool operator==(const TerminalButtons&) const = default;
};

TerminalButtons EnabledTerminalButtons(std::u16string_view firstCommandLine, std::size_t logEntries,
                                       std::size_t selectedEntries);

}  // namespace orvik::console
