// Line faults of the simulated register and how the real device core lives with them.
#include <gtest/gtest.h>
#include <time.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <string>

#include "device/link/frame.h"
#include "device/link/manual_reset_event.h"
#include "res/string_table.h"
#include "tests/integration/sim_link_fixture.h"

using namespace orvik::device;

namespace sim_test {
namespace {

using orvik::sim::ReplyShape;
using Clock = std::chrono::steady_clock;

const orvik::sim::Replies kMixedAnswer{u"DATA 1", u"SOFTPAPER", u"Данные 2", u"READY"};
const Texts kMixedAnswerUtf8{"DATA 1", "SOFTPAPER", "Данные 2", "READY"};

using LineFaultTest = SimLinkTest;

TEST_F(LineFaultTest, RepliesKeepTheirTextsAndOrderWhateverShapeTheyTravelIn) {
    struct Case {
        const char* name;
        ReplyShape shape;
    };
    ReplyShape bytes;
    bytes.splitBytes = true;
    ReplyShape all;
    all.framesPerWrite = orvik::sim::kAllFrames;
    ReplyShape pairs;
    pairs.framesPerWrite = 2;
    // Noise that holds the frame end, a zero and the wake-up byte, but no frame start.
    const std::string noise = std::string("\x01\xFE\x00\x55~noise\xFE", 10);
    ReplyShape noisy;
    noisy.garbage = noise;
    ReplyShape noisyMerged = noisy;
    noisyMerged.framesPerWrite = orvik::sim::kAllFrames;
    ReplyShape noisyBytes = noisy;
    noisyBytes.splitBytes = true;
    noisyBytes.byteGap = std::chrono::microseconds(100);

    sim.Scripts().Add(u"QRY1", kMixedAnswer);
    for (const Case& c :
         {Case{"split into bytes", bytes}, Case{"all in one write", all}, Case{"in pairs", pairs},
          Case{"noise before each frame", noisy}, Case{"noise between merged frames", noisyMerged},
          Case{"noise, byte by byte", noisyBytes}}) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(sim.Faults().SetShape(c.shape));
        core.SendCommand(u"QRY1");
        EXPECT_EQ(ReadReplies(4), kMixedAnswerUtf8);
        EXPECT_TRUE(core.Queue().IsEmpty());
        // And the usual transaction ends on the READY.
        core.SendCommand(u"QRY1");
        EXPECT_EQ(core.WaitForReady(3000), S_OK);
    }
    EXPECT_TRUE(prompt.entries.empty());
}

TEST_F(LineFaultTest, NoiseHoldingTheFrameStartIsRefused) {
    ReplyShape shape;
    shape.garbage = "\xFD";
    EXPECT_FALSE(sim.Faults().SetShape(shape));
    EXPECT_TRUE(sim.Faults().Shape().garbage.empty());
}

// A well-formed command frame for text, to be broken by the cases below.
std::vector<std::uint8_t> Frame(std::u16string_view text) {
    std::array<std::uint8_t, orvik::device::kCommandFrameCapacity> buffer;
    const std::size_t length = orvik::device::BuildCommandFrame(text, buffer);
    return {buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(length)};
}

TEST_F(LineFaultTest, BrokenFramesAreAnsweredSoftBlockAndTheNextCommandStillWorks) {
    std::vector<std::uint8_t> badChecksum = Frame(u"NULL");
    badChecksum.back() ^= 0x01;
    std::vector<std::uint8_t> badLength = Frame(u"NULL");
    badLength[5] = 0x06;
    const std::vector<std::uint8_t> noLength{0xFD, 0xFE, 0x00, 0x00};
    for (const auto& frame : {badChecksum, badLength, noLength}) {
        ASSERT_TRUE(core.Port().Write(frame));
        EXPECT_EQ(core.WaitForReady(3000), E_UNEXPECTED);
        EXPECT_EQ(Utf8(core.lastMessage), Message(2000));
        EXPECT_EQ(Run(u"NULL"), S_OK);
    }
    EXPECT_EQ(prompt.entries.size(), 3u);
    EXPECT_EQ(sim.Activity().Snapshot().badFrames, 3u);
    EXPECT_EQ(Utf8(sim.Activity().Commands()), (Texts{"NULL", "NULL", "NULL"}));
}

TEST_F(LineFaultTest, WakeByteIsAnsweredReadyButNotInsideAFrame) {
    core.SendWakeByte();
    EXPECT_EQ(core.WaitForWakeReply(), S_OK);
    EXPECT_EQ(sim.Activity().Snapshot().wakeBytes, 1u);

    // "UUUU" is four 0x55 bytes inside a frame: a command, not four wake-ups.
    EXPECT_EQ(Run(u"UUUU"), E_UNEXPECTED);
    EXPECT_EQ(Utf8(core.lastMessage), Message(2003));
    EXPECT_EQ(sim.Activity().Snapshot().wakeBytes, 1u);
    EXPECT_TRUE(core.Queue().IsEmpty());
}

TEST_F(LineFaultTest, InjectedStatusReplacesTheAnswerForTheChosenCommandOnly) {
    sim.Faults().InjectStatus(u"NULL", u"HARDPAPER");
    sim.Faults().InjectStatus(u"FISC", u"SOFTPAPER", 1, /*thenReady=*/true);
    EXPECT_EQ(Run(u"FISC1"), S_OK);
    EXPECT_TRUE(prompt.entries.empty());
    EXPECT_EQ(Run(u"NULL"), E_UNEXPECTED);
    EXPECT_EQ(ShownErrors(), (Texts{Message(2020)}));
    EXPECT_EQ(Run(u"NULL"), S_OK);
    EXPECT_EQ(Run(u"FISC1"), E_UNEXPECTED);  // unknown to this register once the fault is used
}

TEST_F(LineFaultTest, SilenceOfEverythingCoversCommandsWakeBytesAndBrokenFrames) {
    sim.Faults().Silence(u"");
    EXPECT_EQ(Run(u"NULL", kShortTimeoutMs), E_ABORT);
    core.SendWakeByte();
    EXPECT_EQ(core.WaitForWakeReply(), E_ABORT);
    ASSERT_TRUE(core.Port().Write(std::vector<std::uint8_t>{0xFD, 0xFE, 0x00, 0x00}));
    EXPECT_EQ(core.WaitForReady(kShortTimeoutMs), E_ABORT);
    ASSERT_TRUE(sim.Activity().WaitUntil(
        [](const orvik::sim::Activity& a) { return a.badFrames == 1 && a.wakeBytes == 1; },
        kBound));
    // The wake-up answer's silence shows nothing; the two commands show the time-out message.
    EXPECT_EQ(ShownErrors(), (Texts{Message(orvik::kStrNoAnswer), Message(orvik::kStrNoAnswer)}));

    sim.Faults().ClearAnswerFaults();
    EXPECT_EQ(Run(u"NULL"), S_OK);
}

TEST_F(LineFaultTest, LateAnswerCompletesWithinTheTimeoutOrQueuesAfterTheConsoleGaveUp) {
    ReplyShape late;
    late.answerDelay = 150ms;
    ASSERT_TRUE(sim.Faults().SetShape(late));
    const auto start = Clock::now();
    EXPECT_EQ(Run(u"NULL"), S_OK);
    EXPECT_GE(Clock::now() - start, 150ms);

    // Far later than the time-out, so that a slow machine cannot blur the two.
    late.answerDelay = 1000ms;
    ASSERT_TRUE(sim.Faults().SetShape(late));
    EXPECT_EQ(Run(u"NULL", kShortTimeoutMs), E_ABORT);
    // The answer still comes and waits in the queue for whoever reads next.
    ASSERT_TRUE(Eventually([&] { return core.Queue().Count() == 1; }));
    EXPECT_EQ(Utf8(core.ReadReply()), "READY");
    EXPECT_EQ(ShownErrors(), (Texts{Message(orvik::kStrNoAnswer)}));
}

double ProcessCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

TEST_F(LineFaultTest, AfterAHangUpTheReceiverRestsCommandsTimeOutAndClosingIsPrompt) {
    ASSERT_EQ(Run(u"NULL"), S_OK);
    sim.HangUp();
    EXPECT_TRUE(sim.Activity().Snapshot().hungUp);
    ASSERT_TRUE(Eventually([&] { return core.ReceiverHungUp(); }));

    // Nothing in this process has work to do while it idles: a receiver spinning on the dead
    // line would use about as much processor time as passes.
    const double cpuBefore = ProcessCpuSeconds();
    const auto start = Clock::now();
    orvik::device::ManualResetEvent never;
    EXPECT_FALSE(never.Wait(kShortTimeoutMs));
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    const double cpu = ProcessCpuSeconds() - cpuBefore;
    EXPECT_LT(cpu, wall / 4) << "cpu " << cpu << " s in " << wall << " s";
    // The next command fails at once, and its message says how the line ended.
    EXPECT_EQ(Run(u"NULL", 600000), E_ABORT);
    EXPECT_EQ(ShownErrors(), (Texts{Message(orvik::kStrNoAnswer) + "\n" +
                                    Message(orvik::kStrLinkEnded)
                                        .replace(Message(orvik::kStrLinkEnded).find("%1"), 2,
                                                 Message(orvik::kStrLineHungUp))}));
    // The register heard nothing after hanging up.
    EXPECT_EQ(sim.Activity().Commands().size(), 1u);

    // The receiver, waiting only for its stop event, is woken and joined; a receiver that did not
    // wake would hold this call, and the test, until its time bound.
    EXPECT_EQ(core.StopReceiverAndClosePort().code, S_OK);
    EXPECT_FALSE(core.IsPortOpen());
}

TEST_F(LineFaultTest, HangUpAtAChosenCommandLeavesItUnanswered) {
    sim.Faults().HangUpOn(u"ZREP");
    ASSERT_EQ(Run(u"NULL"), S_OK);
    EXPECT_EQ(Run(u"ZREP", kShortTimeoutMs), E_ABORT);
    EXPECT_TRUE(Eventually([&] { return core.ReceiverHungUp(); }));
    // The simulator records its hang-up just after the line goes, so the core may see it first.
    EXPECT_TRUE(Eventually([&] { return sim.Activity().Snapshot().hungUp; }));
    EXPECT_EQ(Utf8(sim.Activity().Commands()), (Texts{"NULL", "ZREP"}));
}

}  // namespace
}  // namespace sim_test
