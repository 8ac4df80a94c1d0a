#pragma once

#include <QString>

#include <optional>

class COrvikServiceApp;

// The build's smoke test starts the real program under a virtual X server against the
// simulated register. For that run only, the environment variable
//
//     ORVIK_CONSOLE_SMOKE_TEST=COMn,password
//
// makes the program choose that port in the connection bar, enter the password, choose Connect,
// check that the register is connected, choose Disconnect and end. Messages of the register go
// to standard error instead of boxes, and every Retry/Cancel question is cancelled, so the run
// can never wait for an operator. Exit status: 0 connected and disconnected, 1 the connection
// or the disconnection failed, 2 the variable is malformed or the port is not offered.
namespace orvik::console {

struct SmokeRun {
    QString port;
    QString password;
};

inline constexpr char kSmokeTestVariable[] = "ORVIK_CONSOLE_SMOKE_TEST";

// The request in the environment, if any. A malformed value gives a request with an empty port.
std::optional<SmokeRun> SmokeRunFromEnvironment();

// Drives the shown main window as above and answers the exit status.
int RunSmoke(COrvikServiceApp& app, const SmokeRun& run);

}  // namespace orvik::console
