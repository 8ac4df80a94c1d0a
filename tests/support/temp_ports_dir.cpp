#include "tests/support/temp_ports_dir.h"

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

TempPortsDir::TempPortsDir() {
    if (const char* previous = std::getenv("ORVIK_PORTS_DIR")) {
        m_previous = previous;
        m_hadPrevious = true;
    }
    std::string pattern =
        (std::filesystem::temp_directory_path() / "orvik-test-ports-XXXXXX").string();
    // mkdtemp makes the folder 0700: the programs use a ports folder only when it is the
    // user's alone.
    if (!mkdtemp(pattern.data())) {
        throw std::runtime_error("cannot create a temporary ports folder");
    }
    m_path = pattern;
    setenv("ORVIK_PORTS_DIR", m_path.c_str(), 1);
    // One test's receipt journal must not reach another's (or the user's own).
    if (const char* state = std::getenv("ORVIK_STATE_DIR")) {
        m_previousState = state;
        m_hadPreviousState = true;
    }
    setenv("ORVIK_STATE_DIR", (m_path + "/state").c_str(), 1);
}

TempPortsDir::~TempPortsDir() {
    if (m_hadPrevious) {
        setenv("ORVIK_PORTS_DIR", m_previous.c_str(), 1);
    } else {
        unsetenv("ORVIK_PORTS_DIR");
    }
    if (m_hadPreviousState) {
        setenv("ORVIK_STATE_DIR", m_previousState.c_str(), 1);
    } else {
        unsetenv("ORVIK_STATE_DIR");
    }
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}
