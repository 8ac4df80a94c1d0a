#pragma once

#include <string>

// How the receiver thread stands or how it ended, told without bringing threads along.
namespace orvik::device {

// How the receiver stands.
enum class ReceiverState {
    NotStarted,
    Running,
    Stopped,  // asked to stop
    HungUp,   // the line hung up (the device was pulled out, the simulator ended)
    Failed,   // a system call failed
};

struct ReceiverStatus {
    ReceiverState state = ReceiverState::NotStarted;
    int error = 0;  // the system's error number for HungUp (when one was reported) and Failed
};

// "the line hung up (Input/output error)" and the like; empty while it runs.
std::string DescribeReceiverEnd(const ReceiverStatus& status);

}  // namespace orvik::device
