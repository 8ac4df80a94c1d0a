// The orvik-sim program driven as a person drives it: control lines on its standard input turn
// the key, take the paper out, silence the register or inject a status, while the console is
// connected; at the end of its input it goes on serving the port.
#include <filesystem>

#include "tests/integration/child_program.h"
#include "tests/integration/sim_register_fixture.h"
#include "tests/support/core_timings.h"

using namespace orvik::device;

namespace sim_test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSimPort = "COM5";

class SimControlLinesTest : public ::testing::Test {
  protected:
    // Starts orvik-sim with the extra arguments and waits for it to be ready.
    void StartSim(std::vector<std::string> extra) {
        std::vector<std::string> args{"--port", kSimPort, "--tape", tape};
        args.insert(args.end(), extra.begin(), extra.end());
        sim = std::make_unique<ChildProgram>(ORVIK_SIM_PROGRAM, args, true);
        ASSERT_TRUE(sim->Started());
        ASSERT_TRUE(sim->WaitForOutput("control lines on standard input")) << sim->Errors();
        core.SetPrompt(&prompt);
    }

    void Connect() {
        ASSERT_EQ(core.Connect(kSimPort, u"Касир", u"0000"), S_OK) << Utf8(core.LastMessage());
        prompt.entries.clear();
    }

    // Types a control line and waits for the simulator's answer, after which it is in force.
    ::testing::AssertionResult Say(std::string_view line, std::string_view answer) {
        if (!sim->WriteLine(line)) {
            return ::testing::AssertionFailure() << "cannot write " << line;
        }
        if (!sim->WaitForOutput(answer)) {
            return ::testing::AssertionFailure()
                   << "no answer \"" << answer << "\" to " << line << "; errors: " << sim->Errors();
        }
        return ::testing::AssertionSuccess();
    }

    Texts TakeShown() {
        Texts texts;
        for (const auto& entry : prompt.entries) {
            texts.push_back(Utf8(entry.text));
        }
        prompt.entries.clear();
        return texts;
    }

    void TearDown() override { core.Disconnect(); }

    TempPortsDir ports;
    const std::string tape = ports.Path() + "/tape.txt";
    std::unique_ptr<ChildProgram> sim;
    RecordingPrompt prompt;
    COrvikCore core;
};

TEST_F(SimControlLinesTest, KeyPaperSilenceAndStatusLinesChangeWhatTheRegisterAnswers) {
    StartSim({"--key", "R"});
    Connect();
    EXPECT_EQ(core.PrinterInfo().keyPosition, u'R');
    EXPECT_EQ(core.PrintXReport(), E_UNEXPECTED);
    EXPECT_EQ(TakeShown(), Texts{Message(2014)});

    ASSERT_TRUE(Say("key X", "orvik-sim: key: X"));
    EXPECT_EQ(core.PrintXReport(), S_OK);

    ASSERT_TRUE(Say("paper out", "orvik-sim: paper: out"));
    EXPECT_EQ(core.PrintXReport(), E_UNEXPECTED);
    EXPECT_EQ(TakeShown(), Texts{Message(2020)});
    ASSERT_TRUE(Say("paper in", "orvik-sim: paper: in"));
    EXPECT_EQ(core.PrintXReport(), S_OK);

    ChangeTimings(core, [&](orvik::device::CoreTimings& t) { t.replyTimeout = kShortTimeoutMs; });
    ASSERT_TRUE(Say("silent on", "orvik-sim: silent: the register answers nothing"));
    EXPECT_EQ(core.PrintXReport(), E_ABORT);
    EXPECT_EQ(TakeShown(), Texts{Message(1003)});
    ASSERT_TRUE(Say("silent off", "orvik-sim: silent: off"));
    ChangeTimings(core, [&](orvik::device::CoreTimings& t) { t.replyTimeout = 3000; });
    EXPECT_EQ(core.PrintXReport(), S_OK);

    ASSERT_TRUE(Say("key z", "orvik-sim: key: Z"));
    ASSERT_TRUE(Say("status SOFTFMFULL NREP", "is answered SOFTFMFULL"));
    EXPECT_EQ(core.PrintZReport(), E_UNEXPECTED);
    EXPECT_EQ(TakeShown(), Texts{Message(2006)});
    EXPECT_EQ(core.PrintZReport(), S_OK);
    ASSERT_TRUE(Say("state", "orvik-sim: key Z; paper in; last Z report 42 (made"));

    // A line it does not understand is answered on standard error and changes nothing.
    ASSERT_TRUE(sim->WriteLine("key W"));
    EXPECT_TRUE(sim->WaitForError("\"W\" is no key position"));
    ASSERT_TRUE(sim->WriteLine("turn the key"));
    EXPECT_TRUE(sim->WaitForError("unknown control line \"turn the key\""));
    EXPECT_EQ(core.PrintZReport(), S_OK);
    ASSERT_TRUE(Say("key service", "orvik-sim: key: service mode"));
    EXPECT_EQ(core.PrintXReport(), S_OK);
    EXPECT_EQ(TakeShown(), Texts{});

    core.Disconnect();
    sim->CloseInput();
    kill(sim->Pid(), SIGTERM);
    EXPECT_EQ(sim->Finish(), 0);
    std::ifstream in(tape);
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (const char* record : {"-- control: key: X", "-- control: paper: out",
                               "-- control: silent: off, the register answers again"}) {
        EXPECT_NE(all.find(record), std::string::npos) << record;
    }
}

std::size_t ThreadCount(pid_t pid) {
    std::error_code error;
    std::size_t count = 0;
    for (const auto& entry :
         fs::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        (void)entry;
        ++count;
    }
    return count;
}

TEST_F(SimControlLinesTest, AtTheEndOfItsInputItStopsReadingAndServesThePortOn) {
    StartSim({});
    // The control input's thread reads until the input ends, and then ends (a sanitizer may
    // add threads of its own, so only the difference counts).
    const std::size_t reading = ThreadCount(sim->Pid());
    ASSERT_GE(reading, 3u);
    sim->CloseInput();
    EXPECT_TRUE(Eventually([&] { return ThreadCount(sim->Pid()) == reading - 1; }));
    Connect();
    EXPECT_EQ(core.PrintZReport(), S_OK);
    EXPECT_EQ(core.PrintZeroReceipt(), S_OK);
}

TEST_F(SimControlLinesTest, OnModel7TheLevelLineSetsTheAccessLevel) {
    StartSim({"--profile", "f1m7", "--key", "P"});
    Connect();
    ASSERT_TRUE(Say("level 0", "orvik-sim: key: access level 0"));
    EXPECT_EQ(core.SetMessageSet(1), E_UNEXPECTED);
    EXPECT_EQ(TakeShown(), Texts{Message(2002)});
    ASSERT_TRUE(Say("level 1", "orvik-sim: key: access level 1"));
    EXPECT_EQ(core.SetMessageSet(1), S_OK);
    ASSERT_TRUE(Say("key O", "orvik-sim: key: access level 0"));
    EXPECT_EQ(core.SetMessageSet(1), E_UNEXPECTED);
    EXPECT_EQ(TakeShown(), Texts{Message(2002)});
}

TEST(SimKeyOptionTest, HelpTellsTheKeyAndTheControlLinesAndABadKeyIsRefused) {
    TempPortsDir ports;
    ChildProgram help(ORVIK_SIM_PROGRAM, {"--help"});
    EXPECT_EQ(help.Finish(), 0);
    for (const char* text : {"--key POSITION", "service mode", "key R|X|Z|P|O", "paper out|in",
                             "silent on|off", "status TOKEN"}) {
        EXPECT_NE(help.Output().find(text), std::string::npos) << text;
    }
    ChildProgram bad(ORVIK_SIM_PROGRAM, {"--port", "COM5", "--key", "Q"});
    EXPECT_EQ(bad.Finish(), 2);
    EXPECT_NE(bad.Errors().find("\"Q\" is no key position"), std::string::npos) << bad.Errors();
    EXPECT_TRUE(fs::is_empty(ports.Path()));
}

}  // namespace
}  // namespace sim_test
