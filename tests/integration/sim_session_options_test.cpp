// The session options of the orvik-sim program: the profile, the password, the register that
// listens at 57600 only and the one that ignores "CNAL1", as a person starts them.
#include <gtest/gtest.h>
#include <signal.h>

#include <fstream>
#include <string>
#include <vector>

#include "tests/integration/child_program.h"
#include "tests/integration/session_fixture.h"
#include "tests/support/core_timings.h"

using namespace orvik::device;

namespace sim_test {
namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Starts orvik-sim with the arguments on COM6 and waits until it serves the port.
::testing::AssertionResult StartSim(ChildProgram& sim) {
    if (!sim.Started() || !sim.WaitForOutput("is linked as COM6")) {
        return ::testing::AssertionFailure() << "orvik-sim did not start: " << sim.Errors();
    }
    return ::testing::AssertionSuccess();
}

TEST(SimSessionOptionsTest, ProfilePasswordFallBackRateAndNoTaxNames) {
    TempPortsDir ports;
    const std::string tape = ports.Path() + "/tape.txt";
    ChildProgram sim(ORVIK_SIM_PROGRAM, {"--port", "COM6", "--profile", "f1m3", "--password=",
                                         "--only-57600", "--no-cnal1", "--tape", tape});
    ASSERT_TRUE(StartSim(sim));
    EXPECT_TRUE(
        sim.WaitForOutput("register f1m3     family 1 model 3  serial 5000005678  "
                          "software NFPR 2004-09-05, operator password \"\""));

    COrvikCore core;
    RecordingPrompt prompt;
    core.SetPrompt(&prompt);
    ChangeTimings(core, [&](orvik::device::CoreTimings& t) { t.configReplyTimeout = 1000; });
    ASSERT_EQ(core.Connect("COM6", u"Касир", u""), S_OK) << Utf8(core.LastMessage());
    EXPECT_EQ(core.DeviceFamily(), 1);
    EXPECT_EQ(core.DeviceModel(), 3);
    EXPECT_EQ(Utf8(core.PrinterInfo().taxSlots[0].rateDigits), "2000");
    EXPECT_TRUE(core.PrinterInfo().taxSlots[0].name.empty());
    EXPECT_TRUE(prompt.entries.empty());
    core.Disconnect();

    kill(sim.Pid(), SIGTERM);
    EXPECT_EQ(sim.Finish(), 0);
    const std::string record = ReadFile(tape);
    EXPECT_NE(record.find("-- not heard at 115200 baud (this register listens at 57600 only)"),
              std::string::npos)
        << record;
    EXPECT_NE(record.find("-- operator \"Касир\" logged in"), std::string::npos) << record;
    EXPECT_NE(record.find("-- no answer: this register does not answer \"CNAL1\""),
              std::string::npos)
        << record;
}

TEST(SimSessionOptionsTest, BadSessionOptionsAreUsageErrors) {
    TempPortsDir ports;
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{"--port", "COM6", "--profile", "f1m5"},
         "there is no register profile \"f1m5\" (see --help for the list)"},
        {{"--port", "COM6", "--profile"}, "--profile needs a value"},
        {{"--port", "COM6", "--password", "12345678901"}, "--password takes at most 10 characters"},
        {{"--port", "COM6", "--no-cnal1", "--no-cnal1"}, "--no-cnal1 is given twice"},
        {{"--port", "COM6", "--only-57600=yes"}, "unknown argument \"--only-57600=yes\""},
    };
    for (const auto& [args, message] : cases) {
        ChildProgram sim(ORVIK_SIM_PROGRAM, args);
        EXPECT_EQ(sim.Finish(), 2) << message;
        EXPECT_NE(sim.Errors().find("orvik-sim: " + message + "\n"), std::string::npos)
            << sim.Errors();
    }
}

TEST(SimSessionOptionsTest, HelpListsEveryProfileAndThePassword) {
    ChildProgram sim(ORVIK_SIM_PROGRAM, {"--help"});
    EXPECT_EQ(sim.Finish(), 0);
    const std::string help = sim.Output();
    for (const char* text :
         {"--profile NAME", "--password TEXT", "default 0000", "--no-cnal1", "--only-57600",
          "never derives model 5",
          "f0m0     family 0 model 0  serial 0400012345  software EP01 2001-03-15",
          "f1m7     family 1 model 7  serial ЕК52000123  software IMTM 2004-11-22",
          "f1m8     family 1 model 8  serial 6000008901  software MTMT 2008-05-20",
          "unknown  family 1 model 4  serial 9990009012  software ABCD 2010-01-01"}) {
        EXPECT_NE(help.find(text), std::string::npos) << text;
    }
}

}  // namespace
}  // namespace sim_test
