#pragma once

#include <chrono>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "sim/reply_scripts.h"

// Line faults a test (or a person at the simulator) can switch on while the simulator runs.
// Answer faults replace the register's answer to chosen commands: no answer at all, a status
// token, or a hang-up. The reply shape changes how every answer travels on the line. Safe to
// use from several threads.
namespace orvik::sim {

// framesPerWrite value: every frame of one answer in a single write.
inline constexpr int kAllFrames = 0;

struct ReplyShape {
    // How long the register takes before it answers (it reads nothing meanwhile), as a slow
    // command such as a report does.
    std::chrono::milliseconds answerDelay{0};
    // Every byte in a write of its own, with byteGap between them, as a slow line delivers it:
    // the console then meets frames in many small reads.
    bool splitBytes = false;
    std::chrono::microseconds byteGap{500};
    // How many reply frames of one answer go out in one write: 1 each on its own, 2 in pairs,
    // kAllFrames all together. Ignored while splitBytes is on.
    int framesPerWrite = 1;
    // Noise written before every reply frame. Never holds the frame start 0xFD.
    std::string garbage;
};

struct FaultDecision {
    enum class Kind { None, Silence, Status, HangUp, DropReply };
    Kind kind = Kind::None;
    std::u16string status;   // Status: the token sent instead of the answer
    bool thenReady = false;  // Status: "READY" follows the token
    // None: the command is answered as usual, and then the register falls silent as a whole
    // (as Silence with an empty name) until the answer faults are cleared.
    bool thenSilent = false;
};

class FaultPlan {
  public:
    // No answer to the next `times` commands of that name. An empty name silences everything:
    // every command, the wake-up byte and broken frames.
    void Silence(std::u16string_view name, int times = kAlways);
    // The next `times` commands of that name are answered with the token alone (or followed by
    // "READY"), and not carried out.
    void InjectStatus(std::u16string_view name, std::u16string token, int times = 1,
                      bool thenReady = false);
    // The register hangs up the line when the command arrives, without carrying it out.
    void HangUpOn(std::u16string_view name);
    // The register carries out the occurrence-th command of that name from now (1: the next
    // one) but its answer is lost on the way; the commands after it are answered as usual.
    void DropReplyTo(std::u16string_view name, int occurrence = 1);
    // The register answers the occurrence-th command of that name from now (1: the next one)
    // as usual and then answers nothing more, as if it had died after it.
    void FallSilentAfter(std::u16string_view name, int occurrence = 1);
    // Drops every answer fault.
    void ClearAnswerFaults();

    // False (and nothing changed) when the garbage holds 0xFD.
    bool SetShape(ReplyShape shape);
    ReplyShape Shape() const;

    // The fault for a command of that name, using up one of its counts.
    FaultDecision ForCommand(std::u16string_view name);
    // Whether the line is silenced as a whole (for the wake-up byte and broken frames), using
    // up one count of that silence.
    bool SilencesEverything();

  private:
    struct Rule {
        FaultDecision decision;
        std::u16string name;  // empty: every command
        int remaining;        // kAlways: until cleared
        int passOver = 0;     // commands of that name let through before the rule applies
    };

    FaultDecision UseRule(std::vector<Rule>::iterator rule);

    mutable std::mutex m_mutex;  // guards m_rules and m_shape
    std::vector<Rule> m_rules;   // searched in the order they were added
    ReplyShape m_shape;
};

}  // namespace orvik::sim
