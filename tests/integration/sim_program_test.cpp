// The orvik-sim program as a person starts it: its arguments, its one line of output, and its
// end on a signal.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/integration/sim_link_fixture.h"

using namespace orvik::device;

extern char** environ;

namespace sim_test {
namespace {

namespace fs = std::filesystem;

// A running orvik-sim with its standard input empty and its output read through pipes.
class SimProcess {
  public:
    explicit SimProcess(std::vector<std::string> args) {
        int out[2];
        int err[2];
        if (pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0) {
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_adddup2(&actions, err[1], 2);
        args.insert(args.begin(), ORVIK_SIM_PROGRAM);
        std::vector<char*> argv;
        for (auto& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        if (posix_spawn(&m_pid, ORVIK_SIM_PROGRAM, &actions, nullptr, argv.data(), environ) != 0) {
            m_pid = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        ::close(err[1]);
        m_out = out[0];
        m_err = err[0];
        m_pidFd = m_pid > 0 ? static_cast<int>(syscall(SYS_pidfd_open, m_pid, 0)) : -1;
    }

    ~SimProcess() {
        if (m_pid > 0 && !m_exited) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
        for (int fd : {m_out, m_err, m_pidFd}) {
            if (fd >= 0) {
                ::close(fd);
            }
        }
    }

    bool Started() const { return m_pid > 0 && m_pidFd >= 0; }
    void Signal(int signal) const { kill(m_pid, signal); }

    // Reads standard output until a whole line has come, within the bound.
    std::string FirstLine() {
        std::string text;
        const auto deadline = std::chrono::steady_clock::now() + kBound;
        while (text.find('\n') == std::string::npos) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            pollfd pfd{m_out, POLLIN, 0};
            if (left.count() <= 0 || poll(&pfd, 1, static_cast<int>(left.count())) <= 0) {
                break;
            }
            char buffer[256];
            const ssize_t n = ::read(m_out, buffer, sizeof(buffer));
            if (n <= 0) {
                break;
            }
            text.append(buffer, static_cast<std::size_t>(n));
        }
        return text.substr(0, text.find('\n'));
    }

    // Waits, within the bound, for the program to end; its exit status, or -1.
    int ExitStatus() {
        pollfd pfd{m_pidFd, POLLIN, 0};
        if (poll(&pfd, 1, static_cast<int>(std::chrono::milliseconds(kBound).count())) != 1) {
            return -1;
        }
        int status = 0;
        if (waitpid(m_pid, &status, 0) != m_pid) {
            return -1;
        }
        m_exited = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string AllOf(int fd) const {
        std::string text;
        char buffer[1024];
        for (ssize_t n; (n = ::read(fd, buffer, sizeof(buffer))) > 0;) {
            text.append(buffer, static_cast<std::size_t>(n));
        }
        return text;
    }
    // Once the program has ended.
    std::string Output() const { return AllOf(m_out); }
    std::string Errors() const { return AllOf(m_err); }

  private:
    pid_t m_pid = -1;
    int m_pidFd = -1;
    int m_out = -1;
    int m_err = -1;
    bool m_exited = false;
};

TEST(SimProgramTest, BadArgumentsEndWithStatus2AndSayWhatIsWrong) {
    TempPortsDir ports;
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{}, "--port is required"},
        {{"--port"}, "--port needs a value"},
        {{"--port", "COM25"}, "\"COM25\" is not a port name"},
        {{"--port", "LPT1"}, "\"LPT1\" is not a port name"},
        {{"--port", "COM1", "--tape"}, "--tape needs a value"},
        {{"--port", "COM1", "--port", "COM2"}, "--port is given twice"},
        {{"--port", "COM1", "extra"}, "unknown argument \"extra\""},
    };
    for (const auto& [args, message] : cases) {
        SimProcess sim(args);
        ASSERT_TRUE(sim.Started());
        EXPECT_EQ(sim.ExitStatus(), 2) << message;
        const std::string errors = sim.Errors();
        EXPECT_NE(errors.find("orvik-sim: " + message), std::string::npos) << errors;
        EXPECT_NE(errors.find("--help"), std::string::npos) << errors;
    }
    EXPECT_TRUE(fs::is_empty(ports.Path()));
}

TEST(SimProgramTest, HelpListsTheOptions) {
    SimProcess sim({"--help"});
    ASSERT_TRUE(sim.Started());
    EXPECT_EQ(sim.ExitStatus(), 0);
    const std::string help = sim.Output();
    for (const char* option : {"--port COMn", "--tape FILE", "--help"}) {
        EXPECT_NE(help.find(option), std::string::npos) << option;
    }
}

TEST(SimProgramTest, ServesThePortUntilASignalDespiteEmptyInputThenRemovesItsLink) {
    TempPortsDir ports;
    const std::string link = ports.Path() + "/COM9";
    const std::string tape = ports.Path() + "/tape.txt";
    for (const int signal : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(signal);
        SimProcess sim({"--port", "COM9", "--tape=" + tape});
        ASSERT_TRUE(sim.Started());
        const std::string line = sim.FirstLine();
        const std::string target = fs::read_symlink(link).string();
        EXPECT_EQ(line, "orvik-sim: " + target + " is linked as COM9 (" + link + ")");

        // Its standard input ended at once; it answers all the same.
        COrvikCore core;
        ASSERT_EQ(core.OpenPort("COM9").code, S_OK) << core.OpenFailureReason();
        ASSERT_TRUE(core.StartReceiver());
        core.SendCommand(u"NULL");
        EXPECT_EQ(core.WaitForReady(3000), S_OK);
        core.StopReceiverAndClosePort();

        sim.Signal(signal);
        EXPECT_EQ(sim.ExitStatus(), 0);
        EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
    }
    EXPECT_TRUE(fs::file_size(tape) > 0);
}

}  // namespace
}  // namespace sim_test
