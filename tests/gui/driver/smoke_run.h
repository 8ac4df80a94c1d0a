#pragma once

#include <QString>

#include <optional>

namespace orvik::gui {

class COrvikServiceApp;

// orvik-console-driver, a test-only program built from the same application library as
// orvik-console, runs the console's window against the simulated register under a virtual X
// server for the smoke test, the screenshots and the start-up benchmark. The product,
// orvik-console, carries none of this. The environment variable
//
//     ORVIK_CONSOLE_SMOKE_TEST=COMn,password
//
// makes the driver choose that port in the connection bar, enter the password, choose Connect,
// check that the register is connected, choose Disconnect and end. Messages of the register go
// to standard error instead of boxes, and every Retry/Cancel question is cancelled, so the run
// can never wait for an operator. The run starts once the window has first been painted (or
// after 10 s at the latest). Exit status: 0 connected and disconnected, 1 the connection or the
// disconnection failed, 2 the variable is missing or malformed or the port is not offered, 3 a
// screenshot could not be written.
//
// Two more variables, read only together with the first, serve the documentation and the
// benchmark:
//
//     ORVIK_CONSOLE_SCREENSHOTS=DIR   grabs the window to DIR/contact-panel.png once the port
//                                     and password are entered (before connecting), to
//                                     DIR/connected.png once connected and painted, and then
//                                     one file per row of the page table (page_shots.cpp)
//                                     (scripts/screenshots.sh);
//     ORVIK_CONSOLE_BENCH=1           prints, once connected, one line to standard output:
//                                     "bench: first-paint-ms=T first-paint-cpu-ms=C
//                                     vmhwm-kb=H vmrss-kb=R", the time from the process start
//                                     to the first painted window, the processor time used by
//                                     then, and the peak and current resident memory (T and C
//                                     are -1 when no paint came within 10 s; see
//                                     bench/startup_figures.h and bench/startup_memory.sh).

struct SmokeRun {
    QString port;
    QString password;
    QString screenshotDir;  // empty: no screenshots
    bool bench = false;
};

inline constexpr char kSmokeTestVariable[] = "ORVIK_CONSOLE_SMOKE_TEST";
inline constexpr char kScreenshotsVariable[] = "ORVIK_CONSOLE_SCREENSHOTS";
inline constexpr char kBenchVariable[] = "ORVIK_CONSOLE_BENCH";

// The request in the environment, if any. A malformed value gives a request with an empty port.
std::optional<SmokeRun> SmokeRunFromEnvironment();

// Drives the shown main window as above and answers the exit status.
int RunSmoke(COrvikServiceApp& app, const SmokeRun& run);

}  // namespace orvik::gui
