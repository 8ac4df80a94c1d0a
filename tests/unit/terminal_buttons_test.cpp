// Which terminal buttons may be pressed: the command box's first line and the log decide.
#include <gtest/gtest.h>

#include "console/terminal_buttons.h"

using namespace orvik::console;

namespace {

using orvik::console::EnabledTerminalButtons;
using orvik::console::TerminalButtons;

TEST(TerminalButtons, FollowTheFirstCommandLineAndTheLog) {
    // Nothing typed, nothing logged: only loading a file.
    EXPECT_EQ(EnabledTerminalButtons(u"", 0, 0), TerminalButtons{});

    const TerminalButtons typed = EnabledTerminalButtons(u"CONF", 0, 0);
    EXPECT_TRUE(typed.send && typed.clearCommands && typed.saveCommands && typed.loadFile);
    EXPECT_FALSE(typed.selectAll || typed.deselectAll || typed.clearLog || typed.saveReport);

    // A blank is a character: the line is not empty.
    EXPECT_TRUE(EnabledTerminalButtons(u" ", 0, 0).send);

    const TerminalButtons logged = EnabledTerminalButtons(u"", 3, 0);
    EXPECT_FALSE(logged.send || logged.clearCommands || logged.saveCommands);
    EXPECT_TRUE(logged.selectAll && logged.clearLog && logged.saveReport && logged.loadFile);
    EXPECT_FALSE(logged.deselectAll);

    EXPECT_TRUE(EnabledTerminalButtons(u"", 3, 1).deselectAll);
    EXPECT_EQ(EnabledTerminalButtons(u"DATE", 201, 201),
              (TerminalButtons{true, true, true, true, true, true, true, true}));
}

}  // namespace
