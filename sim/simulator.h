#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

#include "sim/activity_record.h"
#include "sim/command_cutter.h"
#include "sim/command_registry.h"
#include "sim/fault_plan.h"
#include "sim/profiles.h"
#include "sim/pty_endpoint.h"
#include "sim/register_state.h"
#include "sim/reply_scripts.h"
#include "sim/tape.h"

// The simulated register: a pseudo-terminal linked as a COM name, and one thread that waits in
// poll on it, cuts the console's command frames, carries out each command and writes the
// answer frames. Used in-process by the tests and by the orvik-sim program.
//
// How a command is answered, first match wins: an answer fault (silence, status token,
// hang-up); a scripted answer; the registered handler; "SOFTCOMMAN" for an unknown name. A
// frame with a wrong length byte or checksum is answered "SOFTBLOCK"; the wake-up byte 0x55
// outside a frame is answered by the wake handler ("READY").
namespace orvik::sim {

struct SimulatorOptions {
    std::string portName = "COM1";
    std::string tapePath;  // empty: no tape
    // The register to be (profiles.h); Start refuses a name no profile has.
    std::string profile = std::string(kDefaultProfileName);
    // The operator password the register accepts (also for the service log-in).
    std::u16string password = u"0000";
    // The register hears the wake-up byte only at 57600 baud, so the console must fall back.
    bool wakeOnlyAt57600 = false;
    // The register answers "CNAL1" (the tax names); a register that does not stays silent.
    bool answersTaxNames = true;
};

class Simulator {
  public:
    explicit Simulator(SimulatorOptions options);
    ~Simulator();
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    // Opens the tape, creates and links the pseudo-terminal and starts the thread. False with
    // the reason in *error.
    bool Start(std::string* error);
    // Stops the thread, removes the link and closes the line and the tape.
    void Stop();
    bool IsRunning() const { return m_thread.joinable(); }

    const std::string& PortName() const { return m_options.portName; }
    const std::string& SlavePath() const { return m_endpoint.SlavePath(); }
    const std::string& LinkPath() const { return m_endpoint.LinkPath(); }
    // The baud rate the console has set on the line (0 when unknown).
    int LineBaud() const { return m_endpoint.LineBaud(); }

    // Adds or replaces a command; may be called while the simulator runs. The register's own
    // commands are registered by the Register*Commands functions of command_registry.h, each
    // in a file of its own; a test may replace any of them.
    void RegisterCommand(std::u16string name, CommandHandler handler);
    // Becomes the register of the profile: identity, configuration, taxes, counters and clock
    // are replaced; the password and the line habits of the options stay.
    void LoadProfile(const RegisterProfile& profile);
    // Shorthands for the session settings of the state (SessionState).
    void SetPassword(std::u16string password);
    void SetWakeOnlyAt57600(bool only);
    void SetAnswersTaxNames(bool answers);
    // Runs f on the register's state while the simulator's thread keeps off it.
    template <class F>
    decltype(auto) WithState(F&& f) {
        std::lock_guard lock(m_stateMutex);
        return std::forward<F>(f)(m_state);
    }

    ReplyScripts& Scripts() { return m_scripts; }
    FaultPlan& Faults() { return m_faults; }
    const ActivityRecord& Activity() const { return m_activity; }
    PaperTape& Tape() { return m_tape; }

    // Hangs up the line now (the console's side sees POLLHUP and reads fail) and returns once
    // that is done. The register then stays quiet until it is stopped.
    void HangUp();
    // Makes the line again after a hang-up, under the same COM name, as a cable plugged back
    // in: the register keeps its state (an open receipt stays open). Returns once that is done;
    // false when the line could not be made (the reason is on the tape).
    bool Reconnect();

  private:
    void Run();
    bool ReadLine();
    void Handle(const LineEvent& event);
    void OnCommand(const std::vector<std::uint8_t>& bytes);
    void OnWakeByte();
    void OnBadFrame(const LineEvent& event);
    Replies Execute(std::u16string_view text);
    void Answer(const Replies& replies);
    void HangUpLine(const char* why);
    bool MakeLineAgain();

    SimulatorOptions m_options;
    bool m_profileKnown = false;
    PtyEndpoint m_endpoint;
    PaperTape m_tape;
    ReplyScripts m_scripts;
    FaultPlan m_faults;
    ActivityRecord m_activity;

    std::mutex m_stateMutex;  // guards m_registry and m_state
    CommandRegistry m_registry;
    RegisterState m_state;

    // The thread's own.
    CommandCutter m_cutter;
    bool m_lineUp = false;

    int m_stopFd = -1;     // eventfd: the thread ends
    int m_controlFd = -1;  // eventfd: a request below waits
    std::atomic<bool> m_hangUpRequested{false};
    std::atomic<bool> m_reconnectRequested{false};
    // Reconnect waits for the thread to have made the line again.
    std::mutex m_reconnectMutex;  // guards the two below
    std::condition_variable m_reconnectDone;
    std::uint64_t m_reconnects = 0;
    bool m_reconnectFailed = false;
    std::thread m_thread;
};

}  // namespace orvik::sim
