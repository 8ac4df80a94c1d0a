#pragma once

#include <memory>

#include "device/link/line_port.h"
#include "device/link/message_container.h"
#include "device/link/receiver_thread.h"
#include "device/link/serial_port.h"

namespace orvik::device {

// What the device core talks to the register through: the line (a serial port, or a network
// server in front of one), the receiver thread that reads it, and the reply queue the
// receiver fills. The core holds it behind a pointer,
// so that the core's header brings neither termios nor threads to the files that include it.
//
// The members are destroyed in reverse order: the receiver is stopped and joined before the
// port closes, and both are gone before the queue the receiver writes into.
struct SerialLink {
    CMessageContainer queue;
    // Never null: a closed serial port until a line is opened.
    std::unique_ptr<LinePort> port = std::make_unique<SerialPort>();
    ReceiverThread receiver;
};

}  // namespace orvik::device
