#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <thread>

// Control lines: what a person at a running orvik-sim (or a test driving it through a pipe)
// types on its standard input to do what one does to a register by hand, one line each:
//
//   key R|X|Z|P|O    turn the key (checked from then on); on family 1 model 7 this sets the
//                    access level instead: O 0, R 1, X and Z 2, P 3
//   key service      back to service mode, in which no command checks the key
//   level 0|1|2|3    family 1 model 7: set the access level (checked from then on)
//   paper out        take the paper out: printing commands are answered "HARDPAPER"
//   paper in         put it back
//   paper low|full   the paper is running low: what prints is warned of with "SOFTPAPER"
//                    first; full: no more warnings
//   paper ends N     the paper runs out at the N-th receipt line from now
//   silent on        the register falls silent: nothing is answered, not even the wake-up byte
//   silent off       it answers again (this also drops pending "status" lines)
//   silent after NAME  answer the next command NAME, then fall silent as with "silent on"
//   status TOKEN [NAME]  answer the next command (or the next one named NAME) with TOKEN alone
//   drop-reply NAME  carry out the next command NAME but lose its answer
//   hangup-after NAME  hang the line up when the next NAME arrives, before carrying it out
//   refuse NAME [TOKEN]  refuse the next NAME with TOKEN (SOFTPARAM when none is given)
//   line up          make the line again after a hang-up, as a cable plugged back in
//   state            print the key, the paper, the Z counters and the clock
//   help             list the control lines
//
// Blank lines and lines beginning with "#" are ignored. Each line is answered on standard
// output ("orvik-sim: " and what was done) and noted on the tape; a line that is not
// understood is answered on standard error.
namespace orvik::sim {

class Simulator;

struct ControlOutcome {
    bool understood = true;
    std::string reply;     // empty: nothing to say
    bool changed = false;  // the line changed the register (and is noted on the tape)
};

// Carries out one control line on the simulator.
ControlOutcome ApplyControlLine(Simulator& simulator, std::string_view line);

// The control lines, for --help and the "help" line.
std::string ControlLinesHelp();

// Reads control lines from a descriptor on a thread of its own, which waits in poll on it and
// on a stop event and so never spins. At the end of the input it stops reading; the simulator
// runs on. A terminal that refuses a background process its input (EIO) is tried again once a
// second, so that the lines are read again after the program is brought to the foreground.
class ControlInput {
  public:
    ControlInput(Simulator& simulator, int inputFd, std::FILE* replies, std::FILE* problems);
    ~ControlInput();
    ControlInput(const ControlInput&) = delete;
    ControlInput& operator=(const ControlInput&) = delete;

    // False with the reason in *error when the thread or its stop event cannot be made.
    bool Start(std::string* error);
    void Stop();

  private:
    void Run();
    // False when the input has ended or failed for good.
    bool ReadSome();
    void TakeLine(std::string_view line);
    bool WaitForStop(int milliseconds) const;

    Simulator& m_simulator;
    int m_input;
    std::FILE* m_replies;
    std::FILE* m_problems;
    int m_stopFd = -1;
    std::string m_pending;    // the line being read
    bool m_overlong = false;  // the line being read is too long and is being skipped
    std::thread m_thread;
};

}  // namespace orvik::sim
