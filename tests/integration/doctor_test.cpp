// orvik-cli doctor as a service engineer runs it: against the simulated register, a port that
// is not there, a link that leads nowhere, a port another program holds and one this user may
// not open. Every failed line carries its remedy.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include <filesystem>
#include <fstream>

#include "device/link/serial_port.h"
#include "tests/integration/child_program.h"

namespace sim_test {
namespace {

struct DoctorRun {
    int status = -1;
    std::string out;
};

DoctorRun Doctor(std::vector<std::string> args) {
    args.insert(args.begin(), "doctor");
    ChildProgram cli(ORVIK_CLI_PROGRAM, args);
    DoctorRun run;
    run.status = cli.Finish();
    run.out = cli.Output();
    return run;
}

// The line of a check ("  ok      name: ...") and the remedy line under it, if any.
struct CheckLine {
    std::string state;
    std::string detail;
    std::string remedy;
};

std::optional<CheckLine> FindCheck(const std::string& out, const std::string& check) {
    const std::vector<std::string> lines = SplitLines(out);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto at = lines[i].find(" " + check + ": ");
        if (at == std::string::npos) {
            continue;
        }
        CheckLine found;
        const auto first = lines[i].find_first_not_of(' ');
        found.state = lines[i].substr(first, lines[i].find(' ', first) - first);
        found.detail = lines[i].substr(at + check.size() + 3);
        if (i + 1 < lines.size() && lines[i + 1].find("remedy: ") != std::string::npos) {
            found.remedy = lines[i + 1].substr(lines[i + 1].find("remedy: ") + 8);
        }
        return found;
    }
    return std::nullopt;
}

class DoctorTest : public ::testing::Test {
  protected:
    static constexpr const char* kPort = "COM8";

    void StartSimulator() {
        std::string error;
        ASSERT_TRUE(sim.Start(&error)) << error;
    }

    TempPortsDir ports;
    orvik::sim::Simulator sim{{kPort, ""}};
};

TEST_F(DoctorTest, AWorkingSimulatorPassesEveryCheck) {
    StartSimulator();
    const DoctorRun run = Doctor({"--port", kPort});
    EXPECT_EQ(run.status, 0) << run.out;
    for (const char* check : {"name", "device", "permission", "free", "line", "wake-up"}) {
        const auto line = FindCheck(run.out, check);
        ASSERT_TRUE(line) << check << " missing in\n" << run.out;
        EXPECT_EQ(line->state, "ok") << check << ": " << line->detail;
        EXPECT_EQ(line->remedy, "") << check;
    }
    EXPECT_NE(FindCheck(run.out, "name")->detail.find(sim.SlavePath()), std::string::npos);
    EXPECT_NE(FindCheck(run.out, "wake-up")->detail.find("answered at 115200 baud"),
              std::string::npos);
    EXPECT_NE(FindCheck(run.out, "usb")->detail.find("not a USB adapter"), std::string::npos);
}

TEST_F(DoctorTest, ARegisterHeardOnlyAt57600IsFoundAtTheFallBack) {
    sim.SetWakeOnlyAt57600(true);
    StartSimulator();
    const DoctorRun run = Doctor({"--port", kPort});
    EXPECT_EQ(run.status, 0) << run.out;
    ASSERT_TRUE(FindCheck(run.out, "wake-up"));
    EXPECT_NE(FindCheck(run.out, "wake-up")->detail.find("only at 57600"), std::string::npos);
}

TEST_F(DoctorTest, ASilentRegisterFailsTheWakeUpWithItsRemedy) {
    StartSimulator();
    sim.Faults().Silence(u"");
    const DoctorRun run = Doctor({"--port", kPort});
    EXPECT_EQ(run.status, 1);
    const auto wake = FindCheck(run.out, "wake-up");
    ASSERT_TRUE(wake) << run.out;
    EXPECT_EQ(wake->state, "FAILED");
    EXPECT_NE(wake->remedy.find("switch the register on"), std::string::npos);
}

// Each row: how the port is broken, the check that fails and words of its detail and remedy.
TEST_F(DoctorTest, EachBrokenPortNamesItsFaultAndRemedy) {
    namespace fs = std::filesystem;
    const std::string dangling = ports.Path() + "/COM9";
    fs::create_symlink(ports.Path() + "/gone-pts", dangling);
    const std::string notTty = ports.Path() + "/COM10";
    fs::create_symlink("/dev/null", notTty);
    const std::string plainFile = ports.Path() + "/plain";
    std::ofstream(plainFile) << "x";
    fs::create_symlink(plainFile, ports.Path() + "/COM11");

    struct Row {
        const char* port;
        const char* check;
        const char* detail;
        const char* remedy;
    };
    const Row rows[] = {
        // COM24 is /dev/ttyACM9 by the fixed table, which no test machine has.
        {"COM24", "device", "/dev/ttyACM9 does not exist", "plug the adapter in"},
        {"COM9", "name", "which does not exist", "rm "},
        {"COM10", "device", "not a terminal", "point COM10 at a serial port"},
        {"COM11", "device", "not a character device", "point COM11 at the serial device"},
    };
    for (const Row& row : rows) {
        const DoctorRun run = Doctor({"--port", row.port});
        EXPECT_EQ(run.status, 1) << row.port;
        const auto line = FindCheck(run.out, row.check);
        ASSERT_TRUE(line) << row.port << ":\n" << run.out;
        EXPECT_EQ(line->state, "FAILED") << row.port;
        EXPECT_NE(line->detail.find(row.detail), std::string::npos)
            << row.port << ": " << line->detail;
        EXPECT_NE(line->remedy.find(row.remedy), std::string::npos)
            << row.port << ": " << line->remedy;
        EXPECT_FALSE(FindCheck(run.out, "wake-up")) << row.port << ": woken after a failure";
    }
}

TEST_F(DoctorTest, APortHeldByAnotherProgramNamesTheHolder) {
    StartSimulator();
    // This test process holds the port as a running console or orvik-cli would.
    orvik::device::SerialPort holder;
    std::string reason;
    ASSERT_TRUE(holder.Open(kPort, &reason)) << reason;
    const DoctorRun run = Doctor({"--port", kPort});
    EXPECT_EQ(run.status, 1);
    const auto line = FindCheck(run.out, "free");
    ASSERT_TRUE(line) << run.out;
    EXPECT_EQ(line->state, "FAILED");
    EXPECT_NE(line->detail.find("pid " + std::to_string(getpid())), std::string::npos)
        << line->detail;
    EXPECT_NE(line->remedy.find("kill " + std::to_string(getpid())), std::string::npos)
        << line->remedy;
}

// The program to close is the one that has the port open and locked, not the simulator that
// serves the line (it keeps the line open as well), even when the simulator started first.
TEST_F(DoctorTest, APortHeldByAProgramStartedAfterTheSimulatorNamesThatProgram) {
    StartSimulator();  // this process serves the line
    int ready[2];
    int release[2];
    ASSERT_EQ(pipe2(ready, O_CLOEXEC), 0);
    ASSERT_EQ(pipe2(release, O_CLOEXEC), 0);
    const pid_t holder = fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        // A program of its own, as orvik-cli is: nothing of the simulator's stays open in it.
        const unsigned low = static_cast<unsigned>(std::min(ready[1], release[0]));
        const unsigned high = static_cast<unsigned>(std::max(ready[1], release[0]));
        close_range(3, low - 1, 0);
        close_range(low + 1, high - 1, 0);
        close_range(high + 1, ~0u, 0);
        orvik::device::SerialPort port;
        const char opened = port.Open(kPort, nullptr) ? '1' : '0';
        char byte = 0;
        if (::write(ready[1], &opened, 1) == 1) {
            // Holds the port until the test closes its end.
            [[maybe_unused]] const ssize_t ignored = ::read(release[0], &byte, 1);
        }
        _exit(0);
    }
    ::close(ready[1]);
    ::close(release[0]);
    struct Holder {
        int release;
        int ready;
        pid_t pid;
        ~Holder() {
            ::close(release);
            ::close(ready);
            waitpid(pid, nullptr, 0);
        }
    } running{release[1], ready[0], holder};
    char opened = 0;
    ASSERT_EQ(::read(running.ready, &opened, 1), 1);
    ASSERT_EQ(opened, '1');

    const DoctorRun run = Doctor({"--port", kPort});
    EXPECT_EQ(run.status, 1);
    const auto line = FindCheck(run.out, "free");
    ASSERT_TRUE(line) << run.out;
    EXPECT_EQ(line->state, "FAILED");
    EXPECT_NE(line->detail.find("pid " + std::to_string(holder)), std::string::npos)
        << line->detail;
    EXPECT_EQ(line->detail.find("pid " + std::to_string(getpid())), std::string::npos)
        << line->detail;
    EXPECT_NE(line->remedy.find("kill " + std::to_string(holder)), std::string::npos)
        << line->remedy;
}

// A ports folder that others may write to could lead the password anywhere: the console, the
// doctor and the simulator all refuse it, each saying how to mend it.
TEST_F(DoctorTest, APortsFolderOthersMayWriteToIsRefusedWithItsRemedy) {
    StartSimulator();
    ASSERT_EQ(chmod(ports.Path().c_str(), 0777), 0);
    const std::string remedy = "chmod 0700 " + ports.Path();

    const DoctorRun run = Doctor({"--port", kPort});
    EXPECT_EQ(run.status, 1);
    const auto line = FindCheck(run.out, "name");
    ASSERT_TRUE(line) << run.out;
    EXPECT_EQ(line->state, "FAILED");
    EXPECT_NE(line->detail.find("the ports folder " + ports.Path() +
                                " may be written by others (mode 0777)"),
              std::string::npos)
        << line->detail;
    EXPECT_NE(line->remedy.find(remedy), std::string::npos) << line->remedy;
    EXPECT_FALSE(FindCheck(run.out, "wake-up")) << "woken through a refused folder";

    ChildProgram info(ORVIK_CLI_PROGRAM, {"--port", kPort, "--password", "0000", "info"});
    EXPECT_EQ(info.Finish(), 1);
    EXPECT_NE(info.Errors().find("may be written by others"), std::string::npos) << info.Errors();
    EXPECT_NE(info.Errors().find(remedy), std::string::npos) << info.Errors();
    EXPECT_TRUE(sim.Activity().Commands().empty());

    ChildProgram list(ORVIK_CLI_PROGRAM, {"ports"});
    EXPECT_EQ(list.Finish(), 0);
    EXPECT_EQ(list.Output().find(kPort), std::string::npos) << list.Output();
    EXPECT_NE(list.Errors().find(remedy), std::string::npos) << list.Errors();

    orvik::sim::Simulator second{{"COM9", ""}};
    std::string error;
    EXPECT_FALSE(second.Start(&error));
    EXPECT_NE(error.find(remedy), std::string::npos) << error;
}

TEST_F(DoctorTest, APortWithoutPermissionNamesTheGroupToJoin) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root may open every device";
    }
    StartSimulator();
    ASSERT_EQ(chmod(sim.SlavePath().c_str(), 0), 0);
    const DoctorRun run = Doctor({"--port", kPort});
    EXPECT_EQ(run.status, 1);
    const auto line = FindCheck(run.out, "permission");
    ASSERT_TRUE(line) << run.out;
    EXPECT_EQ(line->state, "FAILED");
    EXPECT_NE(line->remedy.find("usermod -aG"), std::string::npos) << line->remedy;
}

TEST_F(DoctorTest, JsonCarriesTheSameChecks) {
    StartSimulator();
    const DoctorRun run = Doctor({"--port", kPort, "--json"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("{\"ports\":[{\"port\":\"COM8\",\"answered\":true,", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("{\"check\":\"wake-up\",\"state\":\"ok\""), std::string::npos);
}

TEST_F(DoctorTest, WithoutAPortEveryPortOfTheFolderIsChecked) {
    StartSimulator();
    std::filesystem::create_symlink(ports.Path() + "/gone", ports.Path() + "/COM12");
    const DoctorRun run = Doctor({});
    // The simulator answered, so the run succeeds although COM12 leads nowhere.
    EXPECT_EQ(run.status, 0) << run.out;
    const std::vector<std::string> lines = SplitLines(run.out);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "COM8"), lines.end()) << run.out;
    EXPECT_NE(std::find(lines.begin(), lines.end(), "COM12"), lines.end()) << run.out;
}

}  // namespace
}  // namespace sim_test
