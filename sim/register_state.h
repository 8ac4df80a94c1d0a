#pragma once

namespace orvik::sim {

class CTape;

// What the simulated register knows about itself. It grows with the command set (key position,
// paper, clock, taxes, the receipt in progress, cash, counters...). The simulator's thread
// changes it only while it holds the state lock; tests reach it through
// CSimulator::WithState.
struct CRegisterState {
    // Where the register prints; always set while a command handler runs.
    CTape* tape = nullptr;
    // The line rate the console has set on the port, read just before each command.
    int lineBaud = 0;
};

}  // namespace orvik::sim
