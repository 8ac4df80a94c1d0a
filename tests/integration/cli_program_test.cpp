// The orvik-cli program as a script runs it, against an in-process simulated register: the
// info lines, send after a connect, a refused password and usage errors.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "tests/integration/cli_run.h"
#include "tests/integration/session_fixture.h"

namespace sim_test {
namespace {

class CliProgramTest : public SessionTest {
  protected:
    void SetUp() override {
        SessionTest::SetUp();
        orvik::support::LocalDateTime noon;
        noon.year = 2024;
        noon.month = 2;
        noon.day = 29;
        noon.hour = 12;
        ASSERT_TRUE(State([&](auto& state) { return state.clock.Set(noon); }));
    }
};

TEST_F(CliProgramTest, InfoPrintsWhatTheRegisterReportedLineByLine) {
    const CliRun run = RunCli({"--port", kPort, "--password", "0000", "info"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    std::vector<std::string> lines = SplitLines(run.out);
    ASSERT_EQ(lines.size(), 31u) << run.out;
    // The register's clock runs on from noon.
    EXPECT_EQ(lines[6].substr(0, 18), "deviceTime: 12:00:") << lines[6];
    lines[6] = "deviceTime: (checked above)";
    const std::vector<std::string> expected{
        "serialNumber: 6000008901",
        "fiscalNumber: 3100123456",
        "ownerLine1: ООО \"Ромашка\"     ",
        "ownerLine2: Киев, Садовая 1   ",
        "ownerLine3: Магазин Ромашка   ",
        "deviceDate: 02/29/24",
        "deviceTime: (checked above)",
        "keyPosition: R",
        "firmwareName: MTMT",
        "firmwareDate: 05/20/08",
        "currencyDate: 09/02/96",
        "decimalPointPosition: 2",
        "currencyName: ГРН",
        "zReportMade: 0",
        "lastZReportNumber: 41",
        "maxArticleNumber: 20688",
        "optionDigit1: 1",
        "optionDigit2: 1",
        "configCounters: 12 3 150 9000",
        "deviceFamily: 1",
        "deviceModel: 8",
        "articleMode: 0",
        "serviceSession: 0",
        "taxSlot1: kind=0 rateDigits=2000 rateText=20.00 date=01/01/11 name=ПДВ 20%",
        "taxSlot2: kind=0 rateDigits=0000 rateText=00.00 date=01/01/11 name=ПДВ 0%",
        "taxSlot3: kind=1 rateDigits=0500 rateText=05.00 date=03/01/15 name=Акциз 5%",
        "taxSlot4: kind=2 rateDigits=3000 rateText=30.00 date=06/15/09 name=Налог на выигрыш",
        "taxSlot5: kind= rateDigits= rateText= date= name=",
        "taxSlot6: kind= rateDigits= rateText= date= name=",
        "taxSlot7: kind= rateDigits= rateText= date= name=",
        "taxSlot8: kind= rateDigits= rateText= date= name=",
    };
    EXPECT_EQ(lines, expected);
    // It connected as the console does and disconnected.
    const Texts commands = TakeReceived();
    ASSERT_FALSE(commands.empty());
    EXPECT_EQ(commands.front(), "UPAS0000      Касир");
    EXPECT_EQ(commands.back(), "TABL");
}

TEST_F(CliProgramTest, InfoOfAServiceSessionOnFamily0) {
    UseProfile("f0m1");
    const CliRun run =
        RunCli({"--port", kPort, "--operator", "СЕРВІС", "--password", "0000", "info"});
    EXPECT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = SplitLines(run.out);
    ASSERT_EQ(lines.size(), 31u) << run.out;
    EXPECT_EQ(lines[0], "serialNumber: 4410003456");
    EXPECT_EQ(lines[13], "zReportMade: 1");
    EXPECT_EQ(lines[19], "deviceFamily: 0");
    EXPECT_EQ(lines[20], "deviceModel: 1");
    EXPECT_EQ(lines[22], "serviceSession: 1");
    // Family 0 keeps no tax names.
    EXPECT_EQ(lines[23], "taxSlot1: kind=0 rateDigits=2000 rateText=20.00 date=01/01/11 name=");
    EXPECT_EQ(TakeReceived().front(), "SPAS0000      ");
}

TEST_F(CliProgramTest, SendAfterTheConnectBehavesAsTheTerminalPage) {
    const CliRun run = RunCli({"--port", kPort, "--password", "0000", "send", "GETD", "", "NULL"});
    EXPECT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = SplitLines(run.out);
    ASSERT_EQ(lines.size(), 5u) << run.out;
    EXPECT_EQ(lines[0], ">GETD");
    EXPECT_EQ(lines[1].substr(0, 16), "GETD202402291200") << lines[1];
    EXPECT_EQ(lines[2], "READY");
    // The empty text is skipped, as the page skips an empty line.
    EXPECT_EQ(lines[3], ">NULL");
    EXPECT_EQ(lines[4], "READY");
    const Texts commands = TakeReceived();
    ASSERT_GE(commands.size(), 3u);
    EXPECT_EQ(commands.front(), "UPAS0000      Касир");
    EXPECT_EQ(Texts(commands.end() - 3, commands.end()), (Texts{"TABL", "GETD", "NULL"}));

    // With --raw nothing but the texts is sent.
    const CliRun raw = RunCli({"--port", kPort, "--raw", "send", "NULL"});
    EXPECT_EQ(raw.status, 0) << raw.err;
    EXPECT_EQ(raw.out, ">NULL\nREADY\n");
    EXPECT_EQ(TakeReceived(), (Texts{"NULL"}));
}

TEST_F(CliProgramTest, AFailedConnectPrintsTheMessageAndEndsWithStatus1) {
    const CliRun refused = RunCli({"--port", kPort, "--password", "1234", "info"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_NE(refused.err.find(Message(orvik::kStrPasswordRefused)), std::string::npos)
        << refused.err;
    EXPECT_EQ(TakeReceived(), (Texts{"UPAS1234      Касир"}));

    // No register on that port at all.
    const CliRun missing = RunCli({"--port", "COM8", "--password", "0000", "send", "NULL"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find(Message(orvik::kStrPortOpenFailed) + "\nCOM8: "), std::string::npos)
        << missing.err;
}

// Each row: the password options, ORVIK_PASSWORD (nullptr: unset), and the log-in the register
// receives (empty: the run is a usage error with that text instead).
TEST_F(CliProgramTest, ThePasswordComesFromTheOptionAFileOrTheEnvironment) {
    const std::string file = ports.Path() + "/password";
    std::ofstream(file) << "0000\nignored\n";
    struct Row {
        std::vector<std::string> options;
        const char* environment;
        std::string login;
        std::string error;
    };
    const std::vector<Row> rows = {
        {{"--password-file", file}, nullptr, "UPAS0000      Касир", ""},
        {{}, "0000", "UPAS0000      Касир", ""},
        {{"--password", "1234"}, "0000", "UPAS1234      Касир", ""},
        {{"--password-file", file + ".missing"}, nullptr, "", "cannot read the password file"},
        {{"--password-file", "/dev/zero"}, nullptr, "", "not a regular file"},
        {{"--password", "1", "--password-file", file}, nullptr, "", "not both"},
        {{}, "12345678901", "", "the password is longer than 10 characters"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.login + row.error);
        if (row.environment) {
            setenv("ORVIK_PASSWORD", row.environment, 1);
        } else {
            unsetenv("ORVIK_PASSWORD");
        }
        std::vector<std::string> args = {"--port", kPort};
        args.insert(args.end(), row.options.begin(), row.options.end());
        args.push_back("info");
        const CliRun run = RunCli(args);
        unsetenv("ORVIK_PASSWORD");
        const Texts received = TakeReceived();
        if (row.login.empty()) {
            EXPECT_EQ(run.status, 2);
            EXPECT_NE(run.err.find(row.error), std::string::npos) << run.err;
            EXPECT_TRUE(received.empty());
        } else {
            ASSERT_FALSE(received.empty());
            EXPECT_EQ(received.front(), row.login);
        }
    }
}

TEST_F(CliProgramTest, UsageErrorsEndWithStatus2BeforeAnythingIsSent) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{}, "no verb given"},
        {{"--port", kPort, "frob"}, "unknown verb \"frob\""},
        {{"--port", kPort, "info", "extra"}, "info takes no arguments"},
        {{"--port", kPort, "--raw", "info"}, "info needs the connection; leave out --raw"},
        {{"--port", kPort, "send"}, "send needs at least one TEXT"},
        {{"info"}, "info needs --port COMn"},
        {{"--port", "COM25", "info"},
         "\"COM25\" is not a port name (COM1 to COM24), a network address "
         "(rfc2217://HOST:PORT) or a register named in the registers file"},
        // A control sequence in what the user typed is shown, not obeyed by the terminal.
        {{"--port", "COM\x1b[2J", "info"},
         "\"COM\\x1B[2J\" is not a port name (COM1 to COM24), a network address "
         "(rfc2217://HOST:PORT) or a register named in the registers file"},
        {{"--port", kPort, "--password"}, "--password needs a value"},
        {{"--colour", "info"}, "unknown option --colour"},
        {{"ports", "COM1"}, "ports takes no arguments but --long"},
        // Several registers: what takes one, and the options that choose them.
        {{"--port", kPort, "--port", "COM8", "--trace", "t.txt", "info"},
         "--trace records one register: give one --port"},
        {{"--port", kPort, "--port", "COM8", "doctor"}, "doctor takes one register, not several"},
        {{"--port", kPort, "--all", "info"}, "give --port or --all, not both"},
        {{"--jobs", "0", "info"}, "--jobs takes a number from 1 to 999"},
        {{"--port", kPort, "apply-profile", "--dry-run"},
         "apply-profile needs one FILE, a settings profile"},
        {{"--port", kPort, "apply-profile", "/nonexistent/shop.profile"},
         "apply-profile: cannot read /nonexistent/shop.profile: No such file or directory"},
        {{"--port", kPort, "--port", "COM8", "read-profile", "p.txt"},
         "read-profile FILE writes one register's profile: give one --port"},
    };
    for (const auto& [args, message] : cases) {
        SCOPED_TRACE(message);
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("orvik-cli: " + message + "\n"), std::string::npos) << run.err;
    }
    EXPECT_TRUE(TakeReceived().empty());
    EXPECT_EQ(WakeBytes(), 0u);
}

}  // namespace
}  // namespace sim_test
