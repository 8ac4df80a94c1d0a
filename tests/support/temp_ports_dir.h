#pragma once

#include <string>

// A fresh ports folder for one test, set as ORVIK_PORTS_DIR while the object lives, so that
// the COM names a test creates never meet a user's or another test's. ORVIK_STATE_DIR, where
// the receipt journal is kept, points into it as well.
class TempPortsDir {
  public:
    TempPortsDir();
    ~TempPortsDir();
    TempPortsDir(const TempPortsDir&) = delete;
    TempPortsDir& operator=(const TempPortsDir&) = delete;

    const std::string& Path() const { return m_path; }

  private:
    std::string m_path;
    std::string m_previous;
    bool m_hadPrevious = false;
    std::string m_previousState;
    bool m_hadPreviousState = false;
};
