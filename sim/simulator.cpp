#include "sim/simulator.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>

#include "device/link/protocol_trace.h"
#include "sim/reply_writer.h"
#include "support/text_codec.h"

namespace orvik::sim {

namespace {

// How long HangUp waits for the thread to carry it out.
constexpr std::chrono::seconds kRequestBound{10};

void Signal(int eventFd) {
    const std::uint64_t one = 1;
    ssize_t written;
    do {
        written = ::write(eventFd, &one, sizeof(one));
    } while (written < 0 && errno == EINTR);
}

void Drain(int eventFd) {
    std::uint64_t count;
    while (::read(eventFd, &count, sizeof(count)) < 0 && errno == EINTR) {
    }
}

void CloseFd(int& fd) {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

}  // namespace

Simulator::Simulator(SimulatorOptions options) : m_options(std::move(options)) {
    RegisterBuiltinCommands(m_registry);
    RegisterSessionCommands(m_registry);
    RegisterReportCommands(m_registry);
    RegisterSettingsCommands(m_registry);
    RegisterReceiptCommands(m_registry);
    m_state.tape = &m_tape;
    if (const RegisterProfile* profile = FindProfile(m_options.profile)) {
        m_profileKnown = true;
        LoadProfile(*profile);
    }
    SetPassword(m_options.password);
    SetWakeOnlyAt57600(m_options.wakeOnlyAt57600);
    SetAnswersTaxNames(m_options.answersTaxNames);
}

Simulator::~Simulator() {
    Stop();
}

bool Simulator::Start(std::string* error) {
    std::string ignored;
    if (!error) {
        error = &ignored;
    }
    if (IsRunning()) {
        *error = "the simulator is already running";
        return false;
    }
    if (!m_profileKnown) {
        *error = "there is no register profile \"" + m_options.profile + "\"";
        return false;
    }
    if (!m_options.tapePath.empty() && !m_tape.Open(m_options.tapePath, error)) {
        return false;
    }
    if (!m_endpoint.Open(m_options.portName, error)) {
        m_tape.Close();
        return false;
    }
    m_stopFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    m_controlFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_stopFd < 0 || m_controlFd < 0) {
        *error = "cannot create the simulator's events";
        Stop();
        return false;
    }
    m_cutter = CommandCutter();
    m_lineUp = true;
    m_activity.SetHungUp(false);
    m_hangUpRequested.store(false);
    // The first record names the line and the register.
    WithState([this](const RegisterState& state) {
        const RegisterIdentity& id = state.identity;
        const Software& software = id.softwareUpdate ? *id.softwareUpdate : id.software;
        m_tape.Note(support::FromUtf8("-- switched on: " + m_options.portName + " is " +
                                      m_endpoint.LinkPath() + " -> " + m_endpoint.SlavePath() +
                                      "; register family " + std::to_string(id.family) + " model " +
                                      std::to_string(id.model) + ", serial ") +
                    id.serialNumber + u", software " + software.name + u" " + software.date);
    });
    try {
        m_thread = std::thread(&Simulator::Run, this);
    } catch (const std::system_error& e) {
        *error = std::string("cannot start the simulator's thread: ") + e.what();
        Stop();
        return false;
    }
    return true;
}

void Simulator::Stop() {
    if (m_thread.joinable()) {
        Signal(m_stopFd);
        m_thread.join();
    }
    const bool wasOpen = !m_endpoint.SlavePath().empty();
    m_endpoint.Close();
    m_lineUp = false;
    CloseFd(m_stopFd);
    CloseFd(m_controlFd);
    if (wasOpen) {
        m_tape.Note("-- switched off");
    }
    m_tape.Close();
}

void Simulator::RegisterCommand(std::u16string name, CommandHandler handler) {
    std::lock_guard lock(m_stateMutex);
    m_registry.Register(std::move(name), std::move(handler));
}

void Simulator::LoadProfile(const RegisterProfile& profile) {
    std::lock_guard lock(m_stateMutex);
    const SessionState session = m_state.session;
    m_state = profile.state;
    m_state.tape = &m_tape;
    m_state.session.password = session.password;
    m_state.session.wakeOnlyAt57600 = session.wakeOnlyAt57600;
    m_state.session.answersTaxNames = session.answersTaxNames;
}

void Simulator::SetPassword(std::u16string password) {
    WithState([&](RegisterState& state) { state.session.password = std::move(password); });
}

void Simulator::SetWakeOnlyAt57600(bool only) {
    WithState([only](RegisterState& state) { state.session.wakeOnlyAt57600 = only; });
}

void Simulator::SetAnswersTaxNames(bool answers) {
    WithState([answers](RegisterState& state) { state.session.answersTaxNames = answers; });
}

void Simulator::HangUp() {
    if (!IsRunning()) {
        if (m_lineUp) {
            HangUpLine("hang-up");
        }
        return;
    }
    m_hangUpRequested.store(true, std::memory_order_release);
    Signal(m_controlFd);
    m_activity.WaitUntil([](const sim::Activity& a) { return a.hungUp; }, kRequestBound);
}

bool Simulator::Reconnect() {
    if (!IsRunning()) {
        return MakeLineAgain();
    }
    std::unique_lock lock(m_reconnectMutex);
    const std::uint64_t before = m_reconnects;
    m_reconnectRequested.store(true, std::memory_order_release);
    Signal(m_controlFd);
    const bool done =
        m_reconnectDone.wait_for(lock, kRequestBound, [&] { return m_reconnects != before; });
    return done && !m_reconnectFailed;
}

bool Simulator::MakeLineAgain() {
    std::string error;
    m_endpoint.Close();
    const bool made = m_endpoint.Open(m_options.portName, &error);
    m_lineUp = made;
    if (made) {
        m_cutter = CommandCutter();
        m_tape.Note("-- line up again: " + m_endpoint.LinkPath() + " -> " + m_endpoint.SlavePath());
    } else {
        m_tape.Note("-- the line could not be made again: " + error);
    }
    m_activity.SetHungUp(!made);
    {
        std::lock_guard lock(m_reconnectMutex);
        ++m_reconnects;
        m_reconnectFailed = !made;
    }
    m_reconnectDone.notify_all();
    return made;
}

void Simulator::Run() {
    for (;;) {
        // Once the line is hung up only the events are watched (poll skips a negative fd).
        std::array<pollfd, 3> fds{{{m_stopFd, POLLIN, 0},
                                   {m_controlFd, POLLIN, 0},
                                   {m_lineUp ? m_endpoint.MasterFd() : -1, POLLIN, 0}}};
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
        if (fds[1].revents != 0) {
            Drain(m_controlFd);
            if (m_hangUpRequested.exchange(false) && m_lineUp) {
                HangUpLine("hang-up");
            }
            if (m_reconnectRequested.exchange(false)) {
                MakeLineAgain();
            }
        }
        if (!m_lineUp) {
            continue;
        }
        const short lineEvents = fds[2].revents;
        if (lineEvents & POLLIN) {
            if (!ReadLine()) {
                HangUpLine("the line failed");
            }
        } else if (lineEvents & (POLLHUP | POLLERR | POLLNVAL)) {
            // Not expected while the simulator holds its own slave open; never spin on it.
            HangUpLine("the line failed");
        }
    }
}

bool Simulator::ReadLine() {
    std::array<std::uint8_t, 4096> buffer;
    ssize_t n;
    do {
        n = ::read(m_endpoint.MasterFd(), buffer.data(), buffer.size());
    } while (n < 0 && errno == EINTR);
    if (n < 0) {
        return errno == EAGAIN || errno == EWOULDBLOCK;
    }
    if (n == 0) {
        return false;
    }
    std::vector<LineEvent> events;
    m_cutter.Feed(std::span<const std::uint8_t>(buffer.data(), static_cast<std::size_t>(n)),
                  events);
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (!m_lineUp) {
            break;
        }
        // Wake-up bytes that arrive together are one call to wake up: the register answers the
        // last of them. Bytes the console wrote before it changed the rate but that are read
        // only after it (the simulator was slow to read) then cannot add answers of their own
        // that the console would take for the answers to its next commands.
        const bool anotherWakeFollows = events[i].kind == LineEvent::Kind::WakeByte &&
                                        i + 1 < events.size() &&
                                        events[i + 1].kind == LineEvent::Kind::WakeByte;
        if (anotherWakeFollows) {
            m_tape.Note("<< wake-up byte 55");
            m_activity.AddWakeByte();
            continue;
        }
        Handle(events[i]);
    }
    return true;
}

void Simulator::Handle(const LineEvent& event) {
    switch (event.kind) {
        case LineEvent::Kind::Command:
            OnCommand(event.bytes);
            break;
        case LineEvent::Kind::WakeByte:
            OnWakeByte();
            break;
        case LineEvent::Kind::BadFrame:
            OnBadFrame(event);
            break;
    }
}

void Simulator::OnCommand(const std::vector<std::uint8_t>& bytes) {
    std::u16string text = support::Decode(
        support::CodePage::Oem866,
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    m_tape.Note(u"<< " + text);
    m_activity.AddCommand(text);
    const FaultDecision fault = m_faults.ForCommand(CommandName(text));
    switch (fault.kind) {
        case FaultDecision::Kind::Silence:
            m_tape.Note("-- no answer (silence)");
            return;
        case FaultDecision::Kind::HangUp:
            HangUpLine("hang-up at this command");
            return;
        case FaultDecision::Kind::DropReply: {
            const Replies replies = Execute(text);
            for (const std::u16string& reply : replies) {
                m_tape.Note(u"-- answer lost: " + reply);
            }
            return;
        }
        case FaultDecision::Kind::Status: {
            Replies replies{fault.status};
            if (fault.thenReady) {
                replies.emplace_back(u"READY");
            }
            m_tape.Note("-- status token injected instead of the answer");
            Answer(replies);
            return;
        }
        case FaultDecision::Kind::None:
            Answer(Execute(text));
            if (fault.thenSilent) {
                m_faults.Silence(u"");
                m_tape.Note("-- falls silent after this command");
            }
            return;
    }
}

Replies Simulator::Execute(std::u16string_view text) {
    const std::u16string_view name = CommandName(text);
    if (std::optional<Replies> scripted = m_scripts.Take(name)) {
        return std::move(*scripted);
    }
    std::lock_guard lock(m_stateMutex);
    const CommandHandler* handler = m_registry.Find(name);
    if (!handler) {
        return {u"SOFTCOMMAN"};
    }
    m_state.lineBaud = m_endpoint.LineBaud();
    return (*handler)(text, m_state);
}

void Simulator::OnWakeByte() {
    m_tape.Note("<< wake-up byte 55");
    m_activity.AddWakeByte();
    if (m_faults.SilencesEverything()) {
        m_tape.Note("-- no answer (silence)");
        return;
    }
    Replies replies;
    {
        std::lock_guard lock(m_stateMutex);
        if (const CommandHandler* handler = m_registry.WakeHandler()) {
            m_state.lineBaud = m_endpoint.LineBaud();
            replies = (*handler)(std::u16string_view(), m_state);
        }
    }
    if (!replies.empty()) {
        Answer(replies);
    }
}

void Simulator::OnBadFrame(const LineEvent& event) {
    m_tape.Note("<< broken frame (" + event.problem + "): " + device::HexBytes(event.bytes));
    m_activity.AddBadFrame();
    if (m_faults.SilencesEverything()) {
        m_tape.Note("-- no answer (silence)");
        return;
    }
    Answer({u"SOFTBLOCK"});
}

void Simulator::Answer(const Replies& replies) {
    for (const std::u16string& reply : replies) {
        m_tape.Note(u">> " + reply);
    }
    const ReplyShape shape = m_faults.Shape();
    const WriteOutcome outcome =
        PerformWrites(m_endpoint.MasterFd(), m_stopFd, PlanReplyWrites(replies, shape), shape);
    switch (outcome) {
        case WriteOutcome::Written:
            m_activity.AddAnswer();
            break;
        case WriteOutcome::Stopped:
            break;
        case WriteOutcome::Stalled:
            m_tape.Note("-- the console took nothing for a long time; the rest was dropped");
            break;
        case WriteOutcome::Failed:
            HangUpLine("the line failed");
            break;
    }
}

void Simulator::HangUpLine(const char* why) {
    m_endpoint.HangUp();
    m_lineUp = false;
    m_tape.Note(std::string("-- line hung up (") + why + ")");
    m_activity.SetHungUp();
}

}  // namespace orvik::sim
