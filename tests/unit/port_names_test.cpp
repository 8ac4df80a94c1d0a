// COM names, the device paths behind them and the probe of the connection bar.
#include "device/link/port_names.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/temp_ports_dir.h"

using namespace orvik::device;

namespace {

namespace fs = std::filesystem;

TEST(ParsePortName, AcceptsCom1ToCom24) {
    for (int n = 1; n <= 24; ++n) {
        EXPECT_EQ(orvik::device::ParsePortName("COM" + std::to_string(n)), n);
    }
}

TEST(ParsePortName, RejectsEverythingElse) {
    for (const char* name : {"COM0", "COM25", "COM100", "COM01", "COM001", "com1", "Com1", "COM1x",
                             "COM1 ", " COM1", "COM+1", "COM-1", "COM", "", "LPT1", "COM１"}) {
        EXPECT_EQ(orvik::device::ParsePortName(name), std::nullopt) << '"' << name << '"';
    }
}

// Sets or clears an environment variable for one test and puts it back afterwards.
class EnvironmentOverride {
  public:
    EnvironmentOverride(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_old = old;
        }
        if (value) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~EnvironmentOverride() {
        if (m_old) {
            setenv(m_name, m_old->c_str(), 1);
        } else {
            unsetenv(m_name);
        }
    }
    EnvironmentOverride(const EnvironmentOverride&) = delete;
    EnvironmentOverride& operator=(const EnvironmentOverride&) = delete;

  private:
    const char* m_name;
    std::optional<std::string> m_old;
};

TEST(PortsDirectory, ChosenFromEnvironment) {
    {
        EnvironmentOverride ports("ORVIK_PORTS_DIR", "/somewhere/ports");
        EnvironmentOverride runtime("XDG_RUNTIME_DIR", "/run/user/1000");
        EXPECT_EQ(orvik::device::PortsDirectory(), "/somewhere/ports");
    }
    {
        EnvironmentOverride ports("ORVIK_PORTS_DIR", nullptr);
        EnvironmentOverride runtime("XDG_RUNTIME_DIR", "/run/user/1000");
        EXPECT_EQ(orvik::device::PortsDirectory(), "/run/user/1000/orvik/ports");
    }
    {
        EnvironmentOverride ports("ORVIK_PORTS_DIR", "");
        EnvironmentOverride runtime("XDG_RUNTIME_DIR", nullptr);
        EXPECT_EQ(orvik::device::PortsDirectory(), "/tmp/orvik-ports-" + std::to_string(getuid()));
    }
}

TEST(ResolvePortPath, FixedTableWithoutLink) {
    TempPortsDir ports;
    const std::pair<const char*, const char*> table[] = {
        {"COM1", "/dev/ttyS0"},    {"COM4", "/dev/ttyS3"},    {"COM5", "/dev/ttyUSB0"},
        {"COM14", "/dev/ttyUSB9"}, {"COM15", "/dev/ttyACM0"}, {"COM24", "/dev/ttyACM9"},
    };
    for (const auto& [name, path] : table) {
        EXPECT_EQ(orvik::device::ResolvePortPath(name), path) << name;
    }
    EXPECT_EQ(orvik::device::ResolvePortPath("COM25"), "");
    EXPECT_EQ(orvik::device::ResolvePortPath("com1"), "");
}

TEST(ResolvePortPath, LinkInPortsFolderWins) {
    TempPortsDir ports;
    const std::string link = ports.Path() + "/COM5";
    fs::create_symlink("/dev/null", link);
    EXPECT_EQ(orvik::device::ResolvePortPath("COM5"), link);
    EXPECT_EQ(orvik::device::ResolvePortPath("COM6"), "/dev/ttyUSB1");
    // A name outside COM1..COM24 is never looked up in the folder.
    fs::create_symlink("/dev/null", ports.Path() + "/COM25");
    EXPECT_EQ(orvik::device::ResolvePortPath("COM25"), "");
}

// A pseudo-terminal: a character device that is a terminal, as the simulator offers.
class PseudoTerminal {
  public:
    PseudoTerminal() {
        m_master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (m_master >= 0 && grantpt(m_master) == 0 && unlockpt(m_master) == 0) {
            if (const char* name = ptsname(m_master)) {
                m_slave = name;
            }
        }
    }
    ~PseudoTerminal() {
        if (m_master >= 0) {
            close(m_master);
        }
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    const std::string& SlavePath() const { return m_slave; }

  private:
    int m_master = -1;
    std::string m_slave;
};

TEST(PortExists, OnlyForCharacterDevices) {
    TempPortsDir ports;
    PseudoTerminal pty;
    ASSERT_FALSE(pty.SlavePath().empty()) << "no pseudo-terminal available";

    const std::string regular = ports.Path() + "/plain-file";
    std::ofstream(regular) << "not a device";
    fs::create_symlink(pty.SlavePath(), ports.Path() + "/COM1");
    fs::create_symlink(regular, ports.Path() + "/COM2");
    fs::create_symlink(ports.Path() + "/nothing-here", ports.Path() + "/COM3");
    fs::create_symlink(ports.Path(), ports.Path() + "/COM4");

    EXPECT_TRUE(orvik::device::PortExists("COM1")) << "link to " << pty.SlavePath();
    EXPECT_FALSE(orvik::device::PortExists("COM2")) << "link to a regular file";
    EXPECT_FALSE(orvik::device::PortExists("COM3")) << "dangling link";
    EXPECT_FALSE(orvik::device::PortExists("COM4")) << "link to a folder";
    EXPECT_FALSE(orvik::device::PortExists("COM0"));
    EXPECT_FALSE(orvik::device::PortExists(""));
}

TEST(ListExistingPorts, AscendingByNumber) {
    TempPortsDir ports;
    PseudoTerminal pty;
    ASSERT_FALSE(pty.SlavePath().empty()) << "no pseudo-terminal available";
    const std::string regular = ports.Path() + "/plain-file";
    std::ofstream(regular) << "not a device";
    // Every name gets an entry, so that devices of this machine cannot show up in the list.
    const std::vector<std::string> present = {"COM1", "COM2", "COM10", "COM24"};
    for (int n = 1; n <= 24; ++n) {
        const std::string name = "COM" + std::to_string(n);
        const bool isPresent = std::find(present.begin(), present.end(), name) != present.end();
        fs::create_symlink(isPresent ? pty.SlavePath() : regular, ports.Path() + "/" + name);
    }
    EXPECT_EQ(orvik::device::ListExistingPorts(), present);
}

}  // namespace
