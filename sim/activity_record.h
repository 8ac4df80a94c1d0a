#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

// What the simulated register has received and done, for tests to read and to wait on. Safe
// to use from several threads: the simulator's thread adds, tests read and wait.
namespace orvik::sim {

struct Activity {
    std::vector<std::u16string> commands;  // every command text received, oldest first
    std::size_t wakeBytes = 0;             // wake-up bytes received
    std::size_t badFrames = 0;             // frames refused for their length byte or checksum
    std::size_t answers = 0;               // answers written to the line in full
    bool hungUp = false;                   // the line is hung up (since the last start)
};

class ActivityRecord {
  public:
    void AddCommand(std::u16string text);
    void AddWakeByte();
    void AddBadFrame();
    void AddAnswer();
    void SetHungUp(bool hungUp = true);

    Activity Snapshot() const;
    std::vector<std::u16string> Commands() const;

    // Waits until the condition holds, for at most `bound`; true when it holds. The condition
    // is checked at once and after every change.
    bool WaitUntil(const std::function<bool(const Activity&)>& condition,
                   std::chrono::milliseconds bound) const;
    bool WaitForCommands(std::size_t count, std::chrono::milliseconds bound) const;

  private:
    template <class Change>
    void Update(Change&& change);

    mutable std::mutex m_mutex;  // guards m_activity
    mutable std::condition_variable m_changed;
    Activity m_activity;
};

}  // namespace orvik::sim
