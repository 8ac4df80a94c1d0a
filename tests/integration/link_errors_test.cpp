// A link that says what went wrong: a device that refuses the line settings fails the open
// with the system's reason, and a receiver that has ended fails the next wait at once with how
// it ended.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <future>

#include "res/string_table.h"
#include "tests/integration/sim_link_fixture.h"

namespace sim_test {
namespace {

TEST(LinkOpen, ADeviceThatIsNoTerminalFailsWithTheSystemsReason) {
    TempPortsDir ports;
    std::filesystem::create_symlink("/dev/null", ports.Path() + "/COM7");
    orvik::device::COrvikCore core;
    RecordingPrompt prompt;
    core.SetPrompt(&prompt);
    const orvik::device::CoreResult opened = core.OpenPort("COM7");
    EXPECT_EQ(opened.code, orvik::device::E_FAIL);
    EXPECT_EQ(opened.messageId, orvik::kStrPortOpenFailed);
    // The line settings of /dev/null cannot even be read.
    EXPECT_EQ(opened.systemError, ENOTTY);
    EXPECT_NE(core.OpenFailureReason().find(std::strerror(ENOTTY)), std::string::npos)
        << core.OpenFailureReason();
    EXPECT_NE(core.OpenFailureReason().find(ports.Path() + "/COM7"), std::string::npos);

    EXPECT_EQ(core.Connect("COM7", u"Касир", u"0000"), orvik::device::E_FAIL);
    ASSERT_EQ(prompt.entries.size(), 1u);
    const std::string shown = Utf8(prompt.entries[0].text);
    EXPECT_EQ(shown.rfind(Utf8(orvik::LoadString(orvik::kStrPortOpenFailed)), 0), 0u) << shown;
    EXPECT_NE(shown.find("COM7"), std::string::npos) << shown;
    EXPECT_NE(shown.find(std::strerror(ENOTTY)), std::string::npos) << shown;
}

class DeadReceiverTest : public SimLinkTest {};

TEST_F(DeadReceiverTest, AfterAHangUpTheNextWaitFailsAtOnceWithTheReason) {
    // A wait that ran its time-out would outlast the bound below by far.
    constexpr int kLongTimeoutMs = 60000;
    sim.HangUp();
    ASSERT_TRUE(Eventually(
        [&] { return core.LinkStatus().state == orvik::device::ReceiverState::HungUp; }));
    // Without a stop request, and with one (orvik-cli's), which slices the wait: each slice
    // then returns at once, and the wait must end rather than spin to its time-out.
    for (const bool stopRequest : {false, true}) {
        SCOPED_TRACE(stopRequest ? "with a stop request" : "without a stop request");
        if (stopRequest) {
            core.SetStopRequest([] { return false; });
        }
        prompt.entries.clear();
        core.SendCommand(u"NULL");
        auto wait =
            std::async(std::launch::async, [&] { return core.WaitForReady(kLongTimeoutMs); });
        ASSERT_EQ(wait.wait_for(kBound), std::future_status::ready);
        EXPECT_EQ(wait.get(), orvik::device::E_ABORT);
        // One box: the register's time-out message, and how the line ended.
        ASSERT_EQ(prompt.entries.size(), 1u);
        const std::string shown = Utf8(prompt.entries[0].text);
        EXPECT_EQ(shown.rfind(Utf8(orvik::LoadString(orvik::kStrNoAnswer)), 0), 0u) << shown;
        EXPECT_NE(shown.find(Message(orvik::kStrLineHungUp)), std::string::npos) << shown;
    }
}

}  // namespace
}  // namespace sim_test
