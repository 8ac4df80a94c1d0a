// Waking the simulated register: the fall-back to 57600 baud, and a register that stays silent
// until the operator cancels. The core's wake-up waits are shortened on the object under test.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/integration/session_fixture.h"
#include "tests/support/core_timings.h"

using namespace orvik::device;

namespace sim_test {
namespace {

using Kind = RecordingPrompt::Kind;

TEST_F(SessionTest, ARegisterThatListensAt57600IsConnectedInTheSecondRound) {
    sim.SetWakeOnlyAt57600(true);
    ASSERT_EQ(Connect(), S_OK) << Utf8(core.lastMessage);
    // Four unheard tries at 115200, the first try at 57600 is answered, and the port stays
    // at 57600 for the rest of the connection.
    EXPECT_EQ(WakeBytes(), 5u);
    EXPECT_EQ(sim.LineBaud(), 57600);
    EXPECT_EQ(core.deviceModel, 8);
    EXPECT_TRUE(prompt.entries.empty());

    // The next connection opens the port at 115200 again and falls back again.
    core.Disconnect();
    ASSERT_EQ(Connect(), S_OK);
    EXPECT_EQ(WakeBytes(), 10u);
    EXPECT_EQ(sim.LineBaud(), 57600);
}

TEST_F(SessionTest, WakeUpBytesThatArriveTogetherAreAnsweredOnce) {
    // A slow register reads the bytes of several tries at once, some perhaps written at the
    // other rate; one answer keeps the replies in step with the console's commands.
    sim.Scripts().Add(u"NULL", {u"MARK"}, 1);
    ASSERT_EQ(core.OpenLink(kPort), S_OK);
    ASSERT_TRUE(core.Port().Write(std::vector<std::uint8_t>{0x55, 0x55, 0x55}));
    core.SendCommand(u"NULL");
    Texts replies;
    while (replies.empty() || replies.back() != "MARK") {
        const std::string reply = Utf8(core.ReadReply());
        if (reply.empty()) {
            break;
        }
        replies.push_back(reply);
    }
    EXPECT_EQ(replies, (Texts{"READY", "MARK"}));
    EXPECT_EQ(WakeBytes(), 3u);
}

// Records, at each question, how many wake-up bytes the register has received by then.
class WakeCountingPrompt : public RecordingPrompt {
  public:
    WakeCountingPrompt(const orvik::sim::Simulator& sim, std::vector<std::size_t> expected)
        : m_sim(sim), m_expected(std::move(expected)) {}

    bool AskRetry(const std::u16string& text) override {
        // The core waits for the answer, so the register sees no further byte meanwhile; wait
        // for the bytes already written to arrive before counting them.
        const std::size_t question = wakesAtQuestion.size();
        const std::size_t atLeast = question < m_expected.size() ? m_expected[question] : 0;
        m_sim.Activity().WaitUntil(
            [atLeast](const orvik::sim::Activity& a) { return a.wakeBytes >= atLeast; }, kBound);
        wakesAtQuestion.push_back(m_sim.Activity().Snapshot().wakeBytes);
        return RecordingPrompt::AskRetry(text);
    }

    std::vector<std::size_t> wakesAtQuestion;

  private:
    const orvik::sim::Simulator& m_sim;
    std::vector<std::size_t> m_expected;
};

TEST_F(SessionTest, ASilentRegisterIsAskedAboutAfterFourWakeUpCyclesAndCancelEnds) {
    // Each cycle is two rounds of four tries; three cycles pass without a question.
    WakeCountingPrompt counting(sim, {32, 64});
    counting.retryAnswers = {true};  // Retry once, then Cancel
    core.SetPrompt(&counting);
    ChangeTimings(core, [&](orvik::device::CoreTimings& t) {
        t.wakeReplyTimeout = 5;
        t.wakePause = 10;
    });
    sim.Faults().Silence(u"");

    EXPECT_EQ(Connect(), E_FAIL);
    EXPECT_EQ(counting.wakesAtQuestion, (std::vector<std::size_t>{32, 64}));
    ASSERT_EQ(counting.entries.size(), 2u);
    for (const auto& entry : counting.entries) {
        EXPECT_EQ(entry.kind, Kind::Question);
        EXPECT_EQ(Utf8(entry.text), Message(orvik::kStrNoAnswer));
    }
    EXPECT_FALSE(core.IsPortOpen());
    EXPECT_TRUE(TakeReceived().empty());
    EXPECT_EQ(WakeBytes(), 64u);
}

TEST_F(SessionTest, AnUnansweredLogInIsAskedAboutAtOnceAndCancelEnds) {
    ChangeTimings(core, [&](orvik::device::CoreTimings& t) { t.loginReplyTimeout = 50; });
    sim.Faults().Silence(u"UPAS");
    EXPECT_EQ(Connect(), E_FAIL);
    ASSERT_EQ(prompt.entries.size(), 1u);
    EXPECT_EQ(prompt.entries[0].kind, Kind::Question);
    EXPECT_EQ(Utf8(prompt.entries[0].text), Message(orvik::kStrNoAnswer));
    EXPECT_EQ(TakeReceived(), (Texts{"UPAS0000      Касир"}));
    EXPECT_FALSE(core.serviceSession);
    EXPECT_FALSE(core.IsPortOpen());
}

}  // namespace
}  // namespace sim_test
