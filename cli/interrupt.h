#pragma once

// SIGINT and SIGTERM in orvik-cli: heard within a second in every phase (a wait for the register
// ends, no further command starts), and the program ends with 128 plus the signal's number (130
// or 143) once it has put the register back in order (a receipt's close seen through, a receipt
// it opened cancelled, the port closed).
namespace orvik::cli {

// Catches SIGINT and SIGTERM from now on; the handler only notes which came.
void CatchInterrupts();

// The signal that came, or 0.
int InterruptSignal();
inline bool Interrupted() {
    return InterruptSignal() != 0;
}

// 128 plus the signal's number; 0 when none came.
int InterruptExitStatus();

// Forgets a signal that came (for tests).
void ClearInterrupt();

}  // namespace orvik::cli
