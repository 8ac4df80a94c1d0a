// The command transaction of the real device core against the simulated register.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "res/string_table.h"
#include "tests/integration/sim_link_fixture.h"

using namespace orvik::device;

namespace sim_test {
namespace {

using Clock = std::chrono::steady_clock;

using CommandTransactionTest = SimLinkTest;

TEST_F(CommandTransactionTest, NullCompletesAndTheRegisterGetsExactlyThatText) {
    EXPECT_EQ(Run(u"NULL"), S_OK);
    EXPECT_EQ(Run(u"NULL"), S_OK);
    EXPECT_EQ(Utf8(sim.Activity().Commands()), (Texts{"NULL", "NULL"}));
    EXPECT_TRUE(core.Queue().IsEmpty());
    EXPECT_TRUE(prompt.entries.empty());
    EXPECT_TRUE(core.lastMessage.empty());
}

TEST_F(CommandTransactionTest, DataRepliesAreSkippedAndWhatFollowsReadyIsDrained) {
    sim.Scripts().Add(u"QDAT", {u"DATA 1", u"DATA 2", u"READY", u"LATE"});
    // All four queued before the core looks, so that the drain after READY is what empties it.
    ASSERT_TRUE(SendAndQueue(u"QDAT", 4));
    EXPECT_EQ(core.WaitForReady(3000), S_OK);
    EXPECT_EQ(core.Queue().Count(), 0);
    EXPECT_TRUE(prompt.entries.empty());
}

TEST_F(CommandTransactionTest, FatalTokenFailsWithItsMessageShownOnceAndDrainsTheQueue) {
    sim.Scripts().Add(u"QQQQ", {u"HARDPAPER", u"DATA", u"READY"}, 1);
    ASSERT_TRUE(SendAndQueue(u"QQQQ", 3));
    EXPECT_EQ(core.WaitForReady(3000), E_UNEXPECTED);
    EXPECT_EQ(core.Queue().Count(), 0);
    EXPECT_EQ(ShownErrors(), (Texts{Message(2020)}));
    EXPECT_EQ(Utf8(core.lastMessage), Message(2020));

    // The link is still usable, and the script was for one command only: the register now
    // does not know QQQQ.
    EXPECT_EQ(Run(u"QQQQ"), E_UNEXPECTED);
    EXPECT_EQ(Utf8(core.lastMessage), Message(2003));
    EXPECT_EQ(Run(u"NULL"), S_OK);
}

TEST_F(CommandTransactionTest, NonFatalTokenLetsTheCommandGoOnSilently) {
    sim.Scripts().Add(u"FISC", {u"SOFTPAPER", u"READY"});
    EXPECT_EQ(Run(u"FISC1"), S_OK);
    EXPECT_TRUE(prompt.entries.empty());
    EXPECT_TRUE(core.lastMessage.empty());
}

TEST_F(CommandTransactionTest, StatusWordOutsideTheTableIsShownAsReceived) {
    sim.Scripts().Add(u"FISC", {u"SOFTXYZ 17", u"READY"});
    EXPECT_EQ(Run(u"FISC1"), E_UNEXPECTED);
    EXPECT_EQ(ShownErrors(), (Texts{"SOFTXYZ 17"}));
}

TEST_F(CommandTransactionTest, ReplyHoldingHardAndReadyIsAStatusNotACompletion) {
    sim.Scripts().Add(u"COMP", {u"HARDSENSOR READY"});
    EXPECT_EQ(Run(u"COMP"), E_UNEXPECTED);
    EXPECT_EQ(ShownErrors(), (Texts{Message(2021)}));
}

TEST_F(CommandTransactionTest, UnknownCommandIsRefusedAsSoftComman) {
    EXPECT_EQ(Run(u"ABCD12"), E_UNEXPECTED);
    EXPECT_EQ(Run(u"NU"), E_UNEXPECTED);
    EXPECT_EQ(ShownErrors(), (Texts{Message(2003), Message(2003)}));
    EXPECT_EQ(Utf8(sim.Activity().Commands()), (Texts{"ABCD12", "NU"}));
}

TEST_F(CommandTransactionTest, NoAnswerEndsWithTheNoAnswerMessageOnceAfterTheTimeout) {
    sim.Faults().Silence(u"NULL", 1);
    const auto start = Clock::now();
    EXPECT_EQ(Run(u"NULL", kShortTimeoutMs), E_ABORT);
    const auto elapsed = Clock::now() - start;
    // The whole time-out was waited out (how much longer it took is not the test's business).
    EXPECT_GE(elapsed, std::chrono::milliseconds(kShortTimeoutMs));
    EXPECT_EQ(ShownErrors(), (Texts{Message(orvik::kStrNoAnswer)}));
    // The command did reach the register; only its answer was missing. The silence was for one
    // command.
    EXPECT_EQ(Utf8(sim.Activity().Commands()), (Texts{"NULL"}));
    EXPECT_EQ(Run(u"NULL"), S_OK);
    EXPECT_EQ(prompt.entries.size(), 1u);
}

TEST_F(CommandTransactionTest, CommandNamesAreCaseSensitiveAndHandlersSeeTheWholeText) {
    sim.RegisterCommand(u"CONf", [](std::u16string_view text, orvik::sim::RegisterState&) {
        return orvik::sim::Replies{u"CONf" + std::u16string(text.substr(4)), u"READY"};
    });
    std::u16string reply;
    core.SendCommand(u"CONf;02");
    EXPECT_EQ(core.WaitForTaggedReply({u"CONf", u"CONF"}, 3000, &reply), S_OK);
    EXPECT_EQ(Utf8(reply), "CONf;02");
    // The READY that follows the tagged reply is the query's to consume.
    EXPECT_EQ(core.WaitForReady(3000), S_OK);

    EXPECT_EQ(Run(u"CONF;02"), E_UNEXPECTED);
    EXPECT_EQ(Utf8(core.lastMessage), Message(2003));
}

TEST_F(CommandTransactionTest, ScriptsForOneNameAreUsedInTurnThenTheHandlerAnswersAgain) {
    sim.Scripts().Add(u"NULL", {u"D1", u"READY"}, 1);
    sim.Scripts().Add(u"NULL", {u"SOFTNREP"}, 1);
    core.SendCommand(u"NULL");
    EXPECT_EQ(ReadReplies(2), (Texts{"D1", "READY"}));
    core.SendCommand(u"NULL");
    EXPECT_EQ(ReadReplies(1), (Texts{"SOFTNREP"}));
    core.SendCommand(u"NULL");
    EXPECT_EQ(ReadReplies(1), (Texts{"READY"}));
}

TEST_F(CommandTransactionTest, PendingStatusIsFoundOrSilenceReportsNoneWithin100ms) {
    sim.Scripts().Add(u"BEEP", {u"SOFTPAPER"}, 1);
    sim.Scripts().Add(u"BEEP", {u"SOFTCHECK"}, 1);
    core.SendCommand(u"BEEP");
    EXPECT_EQ(core.CheckPendingStatus().code, S_OK);
    EXPECT_TRUE(prompt.entries.empty());
    core.SendCommand(u"BEEP");
    const orvik::device::CoreResult pending = core.CheckPendingStatus();
    EXPECT_EQ(pending.code, E_UNEXPECTED);
    EXPECT_EQ(pending.messageId, 2010);
    EXPECT_EQ(ShownErrors(), (Texts{Message(2010)}));
    EXPECT_TRUE(core.Queue().IsEmpty());
}

TEST_F(CommandTransactionTest, CyrillicTravelsInCp866BothWaysAndUkrainianIBecomesLatin) {
    sim.Scripts().Add(u"FISC", {u"Молоко 2,5% ёЁ", u"READY"});
    core.SendCommand(u"FISCМолоко Іі");
    EXPECT_EQ(ReadReplies(2), (Texts{"Молоко 2,5% ёЁ", "READY"}));
    EXPECT_EQ(Utf8(sim.Activity().Commands()), (Texts{"FISCМолоко Ii"}));
}

TEST_F(CommandTransactionTest, LongestCommandsWhoseLengthByteLooksLikeFrameBytesArriveWhole) {
    // 252 and 253 characters give the length bytes 0xFD and 0xFE; 254 is the longest text the
    // console sends.
    for (const std::size_t length : {252u, 253u, 254u}) {
        const std::u16string text = u"NULL" + std::u16string(length - 4, u'Ж');
        EXPECT_EQ(Run(text), S_OK) << length;
    }
    const auto commands = sim.Activity().Commands();
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(commands[0].size(), 252u);
    EXPECT_EQ(commands[1].size(), 253u);
    EXPECT_EQ(commands[2].size(), 254u);
    EXPECT_EQ(sim.Activity().Snapshot().badFrames, 0u);
}

}  // namespace
}  // namespace sim_test
