#pragma once

#include <cstdio>
#include <mutex>
#include <string>
#include <string_view>

// The simulated register's tape: a plain UTF-8 text file, appended to, on which the simulator
// notes what it received and answered (one timestamped line each) and on which the register
// prints. Without a file every call does nothing. Each line is flushed at once, so that a
// person can follow the tape with `tail -f` and a test can read it while the simulator runs.
// Safe to use from several threads.
namespace orvik::sim {

class PaperTape {
  public:
    PaperTape() = default;
    ~PaperTape();
    PaperTape(const PaperTape&) = delete;
    PaperTape& operator=(const PaperTape&) = delete;

    // Opens (creating or appending to) the file. False with the system's reason in *error.
    bool Open(const std::string& path, std::string* error);
    void Close();
    bool IsOpen() const;

    // A timestamped line of the simulator's own record, "YYYY-MM-DD HH:MM:SS.mmm  <text>". Control
    // characters are written as \xNN so that every record stays one line.
    void Note(std::u16string_view text);
    void Note(std::string_view utf8);
    // A line the register prints, as it is (control characters escaped as in Note).
    void Print(std::u16string_view line);

  private:
    void WriteLine(const std::string& line);

    mutable std::mutex m_mutex;  // guards m_file
    std::FILE* m_file = nullptr;
};

// The text with control characters written as \xNN (and the backslash as \\).
std::string EscapeForTape(std::u16string_view text);

}  // namespace orvik::sim
