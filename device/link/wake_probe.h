#pragma once

#include <chrono>
#include <string>

#include "device/link/line_port.h"

// Whether a register answers on an open port: the wake-up byte at the port's present rate and,
// when nothing answers, at the fall-back rate of 57600, as the log-in wakes the register. Used
// by the connection doctor; the session has its own wake-up with the operator's questions.
namespace orvik::device {

struct WakeProbeResult {
    int answeredBaud = 0;                  // the rate the register answered at; 0 when it did not
    std::chrono::microseconds elapsed{0};  // from the answered byte to the answer
    bool hungUp = false;                   // the line hung up or failed while waiting
};

// Writes the wake-up byte up to `tries` times per rate, waiting replyMs each time for a reply
// frame containing "READY". The port is left at the rate that was answered (or at 57600).
WakeProbeResult ProbeWake(LinePort& port, int firstBaud, int tries = 4, int replyMs = 200);

}  // namespace orvik::device
