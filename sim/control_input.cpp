#include "sim/control_input.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <vector>

#include "sim/key_position.h"
#include "sim/session_replies.h"
#include "sim/simulator.h"
#include "support/text_codec.h"

namespace orvik::sim {

namespace {

// No control line is longer; a longer one is skipped whole.
constexpr std::size_t kMaxLineLength = 256;
// How long a terminal that keeps the input from a background process is left alone.
constexpr int kBackgroundRetryMs = 1000;
constexpr std::size_t kMaxTokenLength = 64;

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) {
            ++i;
        }
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') {
            ++i;
        }
        if (i > start) {
            words.push_back(line.substr(start, i - start));
        }
    }
    return words;
}

ControlOutcome Done(std::string reply) {
    return {true, std::move(reply), true};
}

ControlOutcome Info(std::string reply) {
    return {true, std::move(reply), false};
}

ControlOutcome NotUnderstood(std::string reply) {
    return {false, std::move(reply), false};
}

// A status token is a word of letters and digits, as the register's tokens are.
bool IsTokenText(std::string_view word) {
    if (word.empty() || word.size() > kMaxTokenLength) {
        return false;
    }
    for (const char ch : word) {
        const bool plain =
            (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9');
        if (!plain) {
            return false;
        }
    }
    return true;
}

std::string StateLine(Simulator& simulator) {
    return simulator.WithState([](RegisterState& state) {
        const support::LocalDateTime now = state.clock.Now();
        char clock[32];
        std::snprintf(clock, sizeof(clock), "%04d-%02d-%02d %02d:%02d:%02d", now.year, now.month,
                      now.day, now.hour, now.minute, now.second);
        return "key " + DescribeKey(state) + "; paper " + (state.paperOut ? "out" : "in") +
               "; last Z report " + std::to_string(state.counters.lastZReportNumber) +
               (state.counters.zReportMade ? " (made, nothing registered since)" : "") +
               "; clock " + clock;
    });
}

ControlOutcome Key(Simulator& simulator, const std::vector<std::string_view>& words) {
    if (words.size() != 2) {
        return NotUnderstood("key needs one of R, X, Z, P, O or service");
    }
    if (words[1] == "service" || words[1] == "SERVICE") {
        simulator.WithState([](RegisterState& state) { LeaveKeyUnchecked(state); });
        return Done("key: service mode, no command checks the key");
    }
    const std::optional<KeyPosition> key = KeyFromLetter(words[1]);
    if (!key) {
        return NotUnderstood("\"" + std::string(words[1]) +
                             "\" is no key position (R, X, Z, P, O or service)");
    }
    return Done("key: " + simulator.WithState([&](RegisterState& state) {
        TurnKey(state, *key);
        return DescribeKey(state);
    }));
}

ControlOutcome Level(Simulator& simulator, const std::vector<std::string_view>& words) {
    if (words.size() != 2 || words[1].size() != 1 || words[1][0] < '0' || words[1][0] > '3') {
        return NotUnderstood("level needs one of 0, 1, 2, 3");
    }
    const int level = words[1][0] - '0';
    const bool done = simulator.WithState([level](RegisterState& state) {
        if (state.identity.family != 1 || state.identity.model != 7) {
            return false;
        }
        state.keyChecked = true;
        state.session.accessLevel = level;
        return true;
    });
    if (!done) {
        return NotUnderstood("only family 1 model 7 has access levels; turn its key instead");
    }
    return Done("key: access level " + std::to_string(level));
}

// "paper low|full" and "paper ends N": the roll running low, or running out mid-receipt.
ControlOutcome PaperRoll(Simulator& simulator, const std::vector<std::string_view>& words) {
    if (words[1] == "ends") {
        constexpr int kMostLines = 100000;
        int line = 0;
        const std::string_view digits = words.size() == 3 ? words[2] : std::string_view();
        const char* last = digits.data() + digits.size();
        const auto [end, problem] = std::from_chars(digits.data(), last, line);
        if (digits.empty() || problem != std::errc() || end != last || line < 1 ||
            line > kMostLines) {
            return NotUnderstood("paper ends needs the number of a receipt line, 1 to 100000");
        }
        simulator.WithState(
            [line](RegisterState& state) { state.receipt.paperRunsOutAtLine = line; });
        return Done("paper: runs out at receipt line " + std::to_string(line) + " from now");
    }
    const bool low = words[1] == "low";
    simulator.WithState([low](RegisterState& state) { state.receipt.paperLow = low; });
    return Done(low ? "paper: running low, printing is warned of with SOFTPAPER"
                    : "paper: a full roll");
}

ControlOutcome Paper(Simulator& simulator, const std::vector<std::string_view>& words) {
    if (words.size() >= 2 && (words[1] == "low" || words[1] == "full" || words[1] == "ends")) {
        if (words[1] != "ends" && words.size() != 2) {
            return NotUnderstood("paper needs out, in, low, full or ends N");
        }
        return PaperRoll(simulator, words);
    }
    if (words.size() != 2 || (words[1] != "out" && words[1] != "in")) {
        return NotUnderstood("paper needs out, in, low, full or ends N");
    }
    const bool out = words[1] == "out";
    simulator.WithState([out](RegisterState& state) { state.paperOut = out; });
    return Done(out ? "paper: out, printing commands are answered HARDPAPER" : "paper: in");
}

ControlOutcome Silent(Simulator& simulator, const std::vector<std::string_view>& words) {
    if (words.size() == 3 && words[1] == "after") {
        const std::u16string name = support::FromUtf8(words[2]);
        if (name.size() != 4) {
            return NotUnderstood("a command name has four characters, as \"FISC\"");
        }
        simulator.Faults().FallSilentAfter(name);
        return Done("silent: after the next \"" + std::string(words[2]) +
                    "\" the register answers nothing");
    }
    if (words.size() != 2 || (words[1] != "on" && words[1] != "off")) {
        return NotUnderstood("silent needs on, off or after NAME");
    }
    if (words[1] == "on") {
        simulator.Faults().Silence(u"");
        return Done("silent: the register answers nothing");
    }
    simulator.Faults().ClearAnswerFaults();
    return Done("silent: off, the register answers again");
}

ControlOutcome Status(Simulator& simulator, const std::vector<std::string_view>& words) {
    if (words.size() < 2 || words.size() > 3 || !IsTokenText(words[1])) {
        return NotUnderstood("status needs a TOKEN of letters and digits, and may name a command");
    }
    std::u16string name;
    if (words.size() == 3) {
        name = support::FromUtf8(words[2]);
        if (name.size() != 4) {
            return NotUnderstood("a command name has four characters, as \"NREP\"");
        }
    }
    simulator.Faults().InjectStatus(name, support::FromUtf8(words[1]), 1);
    return Done("status: the next " +
                (name.empty() ? std::string("command") : "\"" + std::string(words[2]) + "\"") +
                " is answered " + std::string(words[1]));
}

// "drop-reply NAME", "hangup-after NAME", "refuse NAME [TOKEN]": what a cable, an adapter or
// the register does to the next command NAME.
ControlOutcome CommandFault(Simulator& simulator, const std::vector<std::string_view>& words) {
    const std::string_view verb = words[0];
    const bool refuse = verb == "refuse";
    if (words.size() < 2 || words.size() > (refuse ? 3u : 2u)) {
        return NotUnderstood(std::string(verb) + " needs a command NAME" +
                             (refuse ? " and may give a TOKEN" : ""));
    }
    const std::u16string name = support::FromUtf8(words[1]);
    if (name.size() != 4) {
        return NotUnderstood("a command name has four characters, as \"COMP\"");
    }
    const std::string quoted = "\"" + std::string(words[1]) + "\"";
    if (verb == "drop-reply") {
        simulator.Faults().DropReplyTo(name);
        return Done("drop-reply: the next " + quoted + " is carried out, its answer is lost");
    }
    if (verb == "hangup-after") {
        simulator.Faults().HangUpOn(name);
        return Done("hangup-after: the line hangs up when the next " + quoted +
                    " arrives, before it is carried out");
    }
    const std::string token = words.size() == 3 ? std::string(words[2]) : "SOFTPARAM";
    if (!IsTokenText(token)) {
        return NotUnderstood("refuse: a TOKEN is letters and digits, as SOFTCHECK");
    }
    simulator.Faults().InjectStatus(name, support::FromUtf8(token), 1);
    return Done("refuse: the next " + quoted + " is refused with " + token +
                " and not carried out");
}

ControlOutcome Line(Simulator& simulator, const std::vector<std::string_view>& words) {
    if (words.size() != 2 || words[1] != "up") {
        return NotUnderstood("line needs up");
    }
    if (!simulator.Reconnect()) {
        return NotUnderstood("line up: the line could not be made again (see the tape)");
    }
    return Done("line up: the line is back, " + simulator.LinkPath() + " -> " +
                simulator.SlavePath());
}

}  // namespace

ControlOutcome ApplyControlLine(Simulator& simulator, std::string_view line) {
    const std::vector<std::string_view> words = Words(line);
    if (words.empty() || words[0][0] == '#') {
        return Info({});
    }
    const std::string_view verb = words[0];
    if (verb == "key") {
        return Key(simulator, words);
    }
    if (verb == "level") {
        return Level(simulator, words);
    }
    if (verb == "paper") {
        return Paper(simulator, words);
    }
    if (verb == "silent") {
        return Silent(simulator, words);
    }
    if (verb == "status") {
        return Status(simulator, words);
    }
    if (verb == "drop-reply" || verb == "hangup-after" || verb == "refuse") {
        return CommandFault(simulator, words);
    }
    if (verb == "line") {
        return Line(simulator, words);
    }
    if (verb == "state" && words.size() == 1) {
        return Info(StateLine(simulator));
    }
    if (verb == "help" && words.size() == 1) {
        return Info("control lines:\n" + ControlLinesHelp());
    }
    return NotUnderstood("unknown control line \"" + std::string(line.substr(0, 40)) +
                         "\" (type help for the list)");
}

std::string ControlLinesHelp() {
    return "  key R|X|Z|P|O     turn the key (checked from then on); on family 1 model 7 this\n"
           "                    sets the access level: O 0, R 1, X and Z 2, P 3\n"
           "  key service       back to service mode: no command checks the key\n"
           "  level 0|1|2|3     family 1 model 7: set the access level\n"
           "  paper out|in      take the paper out (printing is answered HARDPAPER), put it back\n"
           "  paper low|full    the paper runs low (printing is warned of with SOFTPAPER), or not\n"
           "  paper ends N      the paper runs out at the N-th receipt line from now\n"
           "  silent on|off     fall silent (nothing is answered), speak again\n"
           "  silent after NAME answer the next command NAME, then fall silent\n"
           "  status TOKEN [NAME]  answer the next command (named NAME) with TOKEN alone\n"
           "  drop-reply NAME   carry out the next command NAME but lose its answer\n"
           "  hangup-after NAME hang the line up when the next NAME arrives, before it is\n"
           "                    carried out\n"
           "  refuse NAME [TOKEN]  refuse the next NAME with TOKEN (default SOFTPARAM)\n"
           "  line up           make the line again after a hang-up (the same COM name)\n"
           "  state             show the key, the paper, the Z counters and the clock\n"
           "  help              list the control lines\n";
}

ControlInput::ControlInput(Simulator& simulator, int inputFd, std::FILE* replies,
                           std::FILE* problems)
    : m_simulator(simulator), m_input(inputFd), m_replies(replies), m_problems(problems) {}

ControlInput::~ControlInput() {
    Stop();
}

bool ControlInput::Start(std::string* error) {
    m_stopFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_stopFd < 0) {
        *error = "cannot create the control input's stop event";
        return false;
    }
    try {
        m_thread = std::thread(&ControlInput::Run, this);
    } catch (const std::system_error& e) {
        *error = std::string("cannot start the control input's thread: ") + e.what();
        return false;
    }
    return true;
}

void ControlInput::Stop() {
    if (m_thread.joinable()) {
        const std::uint64_t one = 1;
        while (::write(m_stopFd, &one, sizeof(one)) < 0 && errno == EINTR) {
        }
        m_thread.join();
    }
    if (m_stopFd >= 0) {
        ::close(m_stopFd);
        m_stopFd = -1;
    }
}

bool ControlInput::WaitForStop(int milliseconds) const {
    pollfd stop{m_stopFd, POLLIN, 0};
    int ready;
    do {
        ready = ::poll(&stop, 1, milliseconds);
    } while (ready < 0 && errno == EINTR);
    return ready != 0;
}

void ControlInput::Run() {
    for (;;) {
        std::array<pollfd, 2> fds{{{m_stopFd, POLLIN, 0}, {m_input, POLLIN, 0}}};
        const int ready = ::poll(fds.data(), fds.size(), -1);
        if (ready < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        if (fds[0].revents != 0) {
            return;
        }
        if (fds[1].revents & POLLNVAL) {
            return;
        }
        if (fds[1].revents != 0 && !ReadSome()) {
            // The input has ended: the simulator runs on until it is stopped.
            return;
        }
    }
}

bool ControlInput::ReadSome() {
    char buffer[1024];
    const ssize_t n = ::read(m_input, buffer, sizeof(buffer));
    if (n < 0) {
        if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK) {
            return true;
        }
        if (errno == EIO) {
            // A terminal that does not give a background process its input.
            return !WaitForStop(kBackgroundRetryMs);
        }
        return false;
    }
    if (n == 0) {
        if (!m_pending.empty() && !m_overlong) {
            TakeLine(m_pending);
        }
        m_pending.clear();
        return false;
    }
    for (ssize_t i = 0; i < n; ++i) {
        const char ch = buffer[i];
        if (ch == '\n') {
            if (!m_overlong) {
                TakeLine(m_pending);
            }
            m_pending.clear();
            m_overlong = false;
        } else if (!m_overlong) {
            m_pending += ch;
            if (m_pending.size() > kMaxLineLength) {
                m_overlong = true;
                m_pending.clear();
                std::fprintf(m_problems,
                             "orvik-sim: a control line longer than %zu characters "
                             "is skipped\n",
                             kMaxLineLength);
                std::fflush(m_problems);
            }
        }
    }
    return true;
}

void ControlInput::TakeLine(std::string_view line) {
    const ControlOutcome outcome = ApplyControlLine(m_simulator, line);
    if (outcome.reply.empty()) {
        return;
    }
    std::FILE* out = outcome.understood ? m_replies : m_problems;
    std::fprintf(out, "orvik-sim: %s\n", outcome.reply.c_str());
    std::fflush(out);
    if (outcome.changed) {
        m_simulator.Tape().Note("-- control: " + outcome.reply);
    }
}

}  // namespace orvik::sim
