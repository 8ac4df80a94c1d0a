#pragma once

#include "device/link/line_port.h"
#include "device/link/message_container.h"
#include "device/orvik_core.h"

// The device core with its link and its state in reach, for tests only: the reply queue to
// push scripted replies into and to count, the port to write raw bytes to and to read its
// settings from, and the state the core's operations set (the register's numbers, its
// information, an open receipt, the last message), so that a test can stage a register without
// a configuration reading. Everything else is the core as the programs use it.
class LinkAccessCore : public orvik::device::COrvikCore {
  public:
    using COrvikCore::Pause;
    using COrvikCore::Port;
    using COrvikCore::Queue;

    using COrvikCore::articleMode;
    using COrvikCore::deviceFamily;
    using COrvikCore::deviceModel;
    using COrvikCore::lastMessage;
    using COrvikCore::printerInfo;
    using COrvikCore::receiptOpen;
    using COrvikCore::receiptTotals;
    using COrvikCore::returnMode;
    using COrvikCore::serviceSession;
    using COrvikCore::showMessages;
};
