#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "tests/integration/sim_link_fixture.h"

extern char** environ;

namespace sim_test {

// A program run as a child process, as a script or a person runs it: its standard output and
// error are read through pipes, and its standard input is either empty or a pipe the test
// writes lines to. Every wait is bounded; a child still running at the end is killed.
class ChildProgram {
  public:
    ChildProgram(const char* path, std::vector<std::string> args, bool inputPipe = false) {
        int in[2] = {-1, -1};
        int out[2];
        int err[2];
        if ((inputPipe && pipe2(in, O_CLOEXEC) != 0) || pipe2(out, O_CLOEXEC) != 0 ||
            pipe2(err, O_CLOEXEC) != 0) {
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        if (inputPipe) {
            posix_spawn_file_actions_adddup2(&actions, in[0], 0);
        } else {
            posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        }
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_adddup2(&actions, err[1], 2);
        args.insert(args.begin(), path);
        std::vector<char*> argv;
        for (auto& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        if (posix_spawn(&m_pid, path, &actions, nullptr, argv.data(), environ) != 0) {
            m_pid = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        if (inputPipe) {
            ::close(in[0]);
            m_in = in[1];
        }
        ::close(out[1]);
        ::close(err[1]);
        m_fds = {out[0], err[0]};
    }

    ~ChildProgram() {
        CloseInput();
        if (m_pid > 0 && !m_exited) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
        for (const int fd : m_fds) {
            if (fd >= 0) {
                ::close(fd);
            }
        }
    }

    ChildProgram(const ChildProgram&) = delete;
    ChildProgram& operator=(const ChildProgram&) = delete;

    bool Started() const { return m_pid > 0; }
    pid_t Pid() const { return m_pid; }

    bool WriteLine(std::string_view line) {
        const std::string text = std::string(line) + "\n";
        return m_in >= 0 &&
               ::write(m_in, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    }

    void CloseInput() {
        if (m_in >= 0) {
            ::close(m_in);
            m_in = -1;
        }
    }

    // Reads until a line of standard output (0) or error (1) holds needle; that line, or
    // nothing when none came within the bound. Lines before it are passed over.
    std::optional<std::string> WaitForLine(int stream, std::string_view needle) {
        const auto deadline = std::chrono::steady_clock::now() + kBound;
        for (;;) {
            std::string& text = m_text[stream];
            for (std::size_t end; (end = text.find('\n', m_seen[stream])) != std::string::npos;) {
                const std::string line = text.substr(m_seen[stream], end - m_seen[stream]);
                m_seen[stream] = end + 1;
                if (line.find(needle) != std::string::npos) {
                    return line;
                }
            }
            if (!ReadSome(deadline)) {
                return std::nullopt;
            }
        }
    }
    std::optional<std::string> WaitForOutput(std::string_view needle) {
        return WaitForLine(0, needle);
    }
    std::optional<std::string> WaitForError(std::string_view needle) {
        return WaitForLine(1, needle);
    }

    // Reads both streams until they end and the program exits, within the bound; its exit
    // status, or -1.
    int Finish() {
        const auto deadline = std::chrono::steady_clock::now() + kBound;
        while ((m_fds[0] >= 0 || m_fds[1] >= 0) && ReadSome(deadline)) {
        }
        if (m_fds[0] >= 0 || m_fds[1] >= 0 || m_pid <= 0) {
            return -1;
        }
        int status = 0;
        if (waitpid(m_pid, &status, 0) != m_pid) {
            return -1;
        }
        m_exited = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // Everything read so far.
    const std::string& Output() const { return m_text[0]; }
    const std::string& Errors() const { return m_text[1]; }

  private:
    // Waits for either stream and reads what is there; false at the deadline or when both
    // streams have ended.
    bool ReadSome(std::chrono::steady_clock::time_point deadline) {
        std::array<pollfd, 2> fds{{{m_fds[0], POLLIN, 0}, {m_fds[1], POLLIN, 0}}};
        if (fds[0].fd < 0 && fds[1].fd < 0) {
            return false;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 ||
            poll(fds.data(), fds.size(), static_cast<int>(left.count())) <= 0) {
            return false;
        }
        for (std::size_t i = 0; i < fds.size(); ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) {
                continue;
            }
            char buffer[4096];
            const ssize_t n = ::read(fds[i].fd, buffer, sizeof(buffer));
            if (n > 0) {
                m_text[i].append(buffer, static_cast<std::size_t>(n));
            } else {
                ::close(m_fds[i]);
                m_fds[i] = -1;
            }
        }
        return true;
    }

    pid_t m_pid = -1;
    bool m_exited = false;
    int m_in = -1;
    std::array<int, 2> m_fds{-1, -1};
    std::array<std::string, 2> m_text;
    std::array<std::size_t, 2> m_seen{0, 0};
};

inline std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace sim_test
