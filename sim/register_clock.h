#pragma once

#include <cstdint>

#include "support/local_time.h"

// The register's own clock. It runs with this computer's clock, at an offset that setting it
// changes, so that a test or a person can give the register any date without touching the
// computer's.
namespace orvik::sim {

class RegisterClock {
  public:
    // The register's present date and time.
    support::LocalDateTime Now() const;
    // Sets the clock; it runs on from there. A date or time the calendar does not have is
    // refused (false, the clock unchanged).
    bool Set(const support::LocalDateTime& when);
    // Sets the time of day and keeps the register's date.
    bool SetTimeOfDay(int hour, int minute, int second);

  private:
    std::int64_t m_offsetSeconds = 0;  // how far the register is ahead of this computer
};

}  // namespace orvik::sim
