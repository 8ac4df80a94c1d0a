// What of the wanted line settings a driver did not take, told from the settings it reports.
#include <gtest/gtest.h>

#include "device/link/serial_port.h"

namespace {

termios Line(speed_t speed, tcflag_t size, bool parity, bool oddParity, bool twoStopBits) {
    termios tio{};
    tio.c_cflag =
        size | (parity ? PARENB : 0) | (oddParity ? PARODD : 0) | (twoStopBits ? CSTOPB : 0);
    cfsetispeed(&tio, speed);
    cfsetospeed(&tio, speed);
    return tio;
}

TEST(RefusedLineSettings, NamesEachSettingTheDriverDidNotTake) {
    const termios wanted = Line(B115200, CS8, true, false, true);
    struct Row {
        const char* what;
        termios taken;
        bool pseudoTerminal;
        const char* refused;
    };
    const Row rows[] = {
        {"all taken", wanted, false, ""},
        {"another rate", Line(B57600, CS8, true, false, true), false,
         "115200 baud (it runs at 57600)"},
        {"parity dropped", Line(B115200, CS8, false, false, true), false, "even parity"},
        {"parity dropped on a pseudo-terminal", Line(B115200, CS8, false, false, true), true, ""},
        {"odd parity", Line(B115200, CS8, true, true, true), false, "even parity"},
        {"seven bits, one stop bit", Line(B115200, CS7, true, false, false), false,
         "8 data bits, 2 stop bits"},
        {"an unusual rate", Line(B300, CS8, true, false, true), false,
         "115200 baud (it runs at another rate)"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(orvik::device::RefusedLineSettings(wanted, row.taken, row.pseudoTerminal),
                  row.refused)
            << row.what;
    }
}

TEST(DescribeLineSettings, ReadsAsAPersonSaysIt) {
    const termios tio = Line(B115200, CS8, true, false, true);
    EXPECT_EQ(orvik::device::DescribeLineSettings(orvik::device::LineSettingsOf(tio)),
              "115200 baud, 8 data bits, even parity, 2 stop bits");
}

}  // namespace
