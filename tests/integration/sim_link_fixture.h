#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tests/integration/core_sim_fixture.h"

namespace sim_test {

// The shared fixture with the link open (port and receiver) but no session: for the
// transaction, the line and the operations on a core whose register kind a test sets itself.
class SimLinkTest : public CoreSimTest {
  protected:
    void SetUp() override {
        CoreSimTest::SetUp();
        if (HasFatalFailure()) {
            return;
        }
        ASSERT_EQ(core.OpenPort(kPort).code, orvik::device::S_OK) << core.OpenFailureReason();
        ASSERT_TRUE(core.StartReceiver());
    }

    void TearDown() override {
        // No session was opened: nothing is cancelled, the link is closed as it stands.
        core.StopReceiverAndClosePort();
        sim.Stop();
    }

    // Sends a command and waits, without consuming anything, until `count` replies are queued.
    ::testing::AssertionResult SendAndQueue(std::u16string_view command, int count) {
        core.SendCommand(command);
        if (!Eventually([&] { return core.Queue().Count() >= count; })) {
            return ::testing::AssertionFailure()
                   << core.Queue().Count() << " of " << count << " replies queued";
        }
        return ::testing::AssertionSuccess();
    }

    std::vector<std::string> ReadReplies(int count) {
        std::vector<std::string> replies;
        for (int i = 0; i < count; ++i) {
            replies.push_back(Utf8(core.ReadReply()));
        }
        return replies;
    }
};

}  // namespace sim_test
