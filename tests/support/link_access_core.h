#pragma once

#include "device/link/message_container.h"
#include "device/link/serial_port.h"
#include "device/orvik_core.h"

// The device core with its link in reach, for tests only: the reply queue to push scripted
// replies into and to count, the port to write raw bytes to and to read its settings from.
// Everything else is the core as the programs use it.
class LinkAccessCore : public orvik::device::COrvikCore {
  public:
    using COrvikCore::Port;
    using COrvikCore::Queue;
};
