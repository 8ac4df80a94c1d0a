#include "cli/fleet_run.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "cli/interrupt.h"
#include "cli/json_document.h"
#include "cli/verb_arguments.h"
#include "support/text_codec.h"

extern char** environ;

namespace orvik::cli {

namespace {

// A register's run: its process and what it has printed but not yet ended with a newline.
struct Run {
    std::size_t index = 0;  // in the registers given
    pid_t pid = -1;
    int fds[2] = {-1, -1};  // standard output and error
    std::string pending[2];
    std::string lastError;  // the last complete line of standard error
    std::string document;   // with --json: its standard output, one JSON document
};

// Characters, not bytes, so that a Cyrillic name lines up with a Latin one.
std::size_t Width(const std::string& text) {
    return support::FromUtf8(text).size();
}

std::string Padded(const std::string& text, std::size_t width) {
    return text + std::string(width > Width(text) ? width - Width(text) : 0, ' ');
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

// This program's own environment with the password put in (or left as it is without one).
std::vector<std::string> ChildEnvironment(const std::optional<std::string>& password) {
    std::vector<std::string> variables;
    for (char** entry = environ; *entry; ++entry) {
        if (!password || std::strncmp(*entry, "ORVIK_PASSWORD=", 15) != 0) {
            variables.emplace_back(*entry);
        }
    }
    if (password) {
        variables.push_back("ORVIK_PASSWORD=" + *password);
    }
    return variables;
}

bool Start(Run& run, const std::string& program, std::vector<std::string> args,
           std::vector<std::string>& environment) {
    int out[2];
    int err[2];
    if (pipe2(out, O_CLOEXEC) != 0) {
        return false;
    }
    if (pipe2(err, O_CLOEXEC) != 0) {
        ::close(out[0]);
        ::close(out[1]);
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    args.insert(args.begin(), program);
    std::vector<char*> argv = Pointers(args);
    std::vector<char*> envp = Pointers(environment);
    const int spawned =
        posix_spawn(&run.pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    ::close(err[1]);
    run.fds[0] = out[0];
    run.fds[1] = err[0];
    if (spawned != 0) {
        run.pid = -1;
        errno = spawned;
        return false;
    }
    return true;
}

// Writes the complete lines of what arrived, each after the register's name; at the stream's
// end (flushAll) an unfinished last line too.
void Emit(Run& run, int stream, const std::string& name, bool flushAll) {
    std::string& pending = run.pending[stream];
    if (flushAll && !pending.empty() && pending.back() != '\n') {
        pending += '\n';
    }
    std::size_t start = 0;
    for (std::size_t end; (end = pending.find('\n', start)) != std::string::npos; start = end + 1) {
        const std::string line = pending.substr(start, end - start);
        std::fprintf(stream == 0 ? stdout : stderr, "%s: %s\n", name.c_str(), line.c_str());
        if (stream == 1 && !line.empty()) {
            run.lastError = line;
        }
    }
    pending.erase(0, start);
    std::fflush(stream == 0 ? stdout : stderr);
}

int Finish(Run& run) {
    int status = 0;
    while (::waitpid(run.pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFSIGNALED(status)) {
        return 128 + WTERMSIG(status);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

}  // namespace

std::string FleetSummary(const std::vector<FleetEntry>& entries) {
    std::size_t nameWidth = Width("register");
    for (const FleetEntry& entry : entries) {
        nameWidth = std::max(nameWidth, Width(entry.name));
    }
    std::string text = Padded("register", nameWidth) + "  " + Padded("result", 11) + "  message\n";
    for (const FleetEntry& entry : entries) {
        std::string line = Padded(entry.name, nameWidth) + "  " +
                           Padded(OutcomeName(entry.status), 11) + "  " + entry.message;
        while (!line.empty() && line.back() == ' ') {
            line.pop_back();
        }
        text += line + "\n";
    }
    return text;
}

std::string FleetJson(const std::vector<FleetEntry>& entries) {
    std::string json = "[";
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const FleetEntry& entry = entries[i];
        std::string document = entry.document;
        while (!document.empty() && (document.back() == '\n' || document.back() == ' ')) {
            document.pop_back();
        }
        const std::string head = "{\"register\":" + JsonString(entry.name);
        // A run that wrote no document (it could not start, or was never started) still has
        // its place, with what is known of it.
        json += (i ? ",\n" : "\n") +
                (document.starts_with("{") && document.ends_with("}")
                     ? head + (document.size() > 2 ? "," : "") + document.substr(1)
                     : head + ",\"status\":" + std::to_string(entry.status) +
                           ",\"outcome\":" + JsonString(OutcomeName(entry.status)) +
                           ",\"message\":" + JsonString(entry.message) + "}");
    }
    return json + "\n]\n";
}

int RunFleet(const CliOptions& options, const std::vector<std::string>& registers,
             const std::optional<std::string>& password) {
    std::error_code ec;
    const std::string program = std::filesystem::read_symlink("/proc/self/exe", ec).string();
    std::vector<std::string> environment = ChildEnvironment(password);
    std::vector<FleetEntry> entries(registers.size());
    for (std::size_t i = 0; i < registers.size(); ++i) {
        entries[i].name = support::EscapeControls(registers[i]);
    }
    const bool progress = ::isatty(2) == 1;
    std::vector<Run> running;
    std::size_t next = 0;
    std::size_t done = 0;
    bool interrupted = false;
    while (next < registers.size() || !running.empty()) {
        if (!interrupted && Interrupted()) {
            // Each run ends its exchange as a signalled orvik-cli does; none is started anew.
            interrupted = true;
            for (Run& run : running) {
                ::kill(run.pid, SIGINT);
            }
        }
        while (!interrupted && next < registers.size() &&
               running.size() < static_cast<std::size_t>(options.jobs)) {
            Run run;
            run.index = next++;
            std::vector<std::string> args{"--port", registers[run.index]};
            args.insert(args.end(), options.forwarded.begin(), options.forwarded.end());
            args.push_back(options.verb);
            args.insert(args.end(), options.arguments.begin(), options.arguments.end());
            if (!Start(run, program, std::move(args), environment)) {
                entries[run.index].status = 1;
                entries[run.index].message =
                    std::string("could not start orvik-cli: ") + std::strerror(errno);
                for (int& fd : run.fds) {
                    if (fd >= 0) {
                        ::close(fd);
                    }
                }
                ++done;
                continue;
            }
            running.push_back(std::move(run));
        }
        if (interrupted && next < registers.size()) {
            for (; next < registers.size(); ++next) {
                entries[next].status = 130;
                entries[next].message = "not started: interrupted";
                ++done;
            }
        }
        std::vector<pollfd> fds;
        for (const Run& run : running) {
            for (const int fd : run.fds) {
                fds.push_back({fd, static_cast<short>(fd >= 0 ? POLLIN : 0), 0});
            }
        }
        if (fds.empty()) {
            continue;
        }
        // A tenth of a second at most, so that a signal is passed on at once.
        if (::poll(fds.data(), fds.size(), 100) < 0 && errno != EINTR) {
            break;
        }
        for (std::size_t r = 0; r < running.size(); ++r) {
            Run& run = running[r];
            const std::string& name = entries[run.index].name;
            for (int stream = 0; stream < 2; ++stream) {
                const pollfd& p = fds[2 * r + static_cast<std::size_t>(stream)];
                if (run.fds[stream] < 0 || p.revents == 0) {
                    continue;
                }
                char buffer[4096];
                const ssize_t n = ::read(run.fds[stream], buffer, sizeof(buffer));
                // With --json a run's standard output is its document, kept whole.
                const bool document = stream == 0 && options.json;
                if (n > 0 && document) {
                    run.document.append(buffer, static_cast<std::size_t>(n));
                } else if (n > 0) {
                    run.pending[stream].append(buffer, static_cast<std::size_t>(n));
                    Emit(run, stream, name, false);
                } else if (n == 0 || (errno != EINTR && errno != EAGAIN)) {
                    if (!document) {
                        Emit(run, stream, name, true);
                    }
                    ::close(run.fds[stream]);
                    run.fds[stream] = -1;
                }
            }
        }
        // A run whose two streams have ended is over.
        for (auto it = running.begin(); it != running.end();) {
            if (it->fds[0] >= 0 || it->fds[1] >= 0) {
                ++it;
                continue;
            }
            FleetEntry& entry = entries[it->index];
            entry.status = Finish(*it);
            entry.message = it->lastError;
            entry.document = std::move(it->document);
            ++done;
            if (progress) {
                std::fprintf(stderr, "[%zu/%zu] %s: %s\n", done, registers.size(),
                             entry.name.c_str(), OutcomeName(entry.status));
            }
            it = running.erase(it);
        }
    }
    std::fputs(options.json ? FleetJson(entries).c_str() : FleetSummary(entries).c_str(), stdout);
    int worst = 0;
    for (const FleetEntry& entry : entries) {
        worst = std::max(worst, entry.status);
    }
    return worst;
}

}  // namespace orvik::cli
