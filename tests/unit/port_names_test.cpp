// COM names, the device paths behind them and the probe of the connection bar.
#include "device/link/port_names.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "device/link/serial_port.h"
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
    fs::create_symlink("/dev/null", ports.Path() + "/COM5");

    EXPECT_TRUE(orvik::device::PortExists("COM1")) << "link to " << pty.SlavePath();
    EXPECT_FALSE(orvik::device::PortExists("COM2")) << "link to a regular file";
    EXPECT_FALSE(orvik::device::PortExists("COM3")) << "dangling link";
    EXPECT_FALSE(orvik::device::PortExists("COM4")) << "link to a folder";
    EXPECT_FALSE(orvik::device::PortExists("COM5")) << "a character device but no terminal";
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
    // Character devices that are no terminals are not ports either.
    const std::vector<std::string> present = {"COM1", "COM2", "COM10", "COM24"};
    const std::map<std::string, std::string> notTerminals = {{"COM3", "/dev/null"},
                                                             {"COM11", "/dev/zero"}};
    for (int n = 1; n <= 24; ++n) {
        const std::string name = "COM" + std::to_string(n);
        const bool isPresent = std::find(present.begin(), present.end(), name) != present.end();
        const auto device = notTerminals.find(name);
        fs::create_symlink(isPresent                      ? pty.SlavePath()
                           : device != notTerminals.end() ? device->second
                                                          : regular,
                           ports.Path() + "/" + name);
    }
    EXPECT_EQ(orvik::device::ListExistingPorts(), present);
}

// A ports folder someone else could change decides where the password goes: its entries are
// passed over, and opening a name it holds is refused with the folder's remedy. Each row spoils
// a folder whose COM20 leads to a working terminal.
TEST(PortsFolderRefused, UnlessItIsTheUsersAlone) {
    PseudoTerminal pty;
    ASSERT_FALSE(pty.SlavePath().empty()) << "no pseudo-terminal available";
    struct Row {
        const char* what;
        std::function<std::string(const std::string&)> spoil;  // the ports folder to use
        std::string reason;
        std::string remedy;
    };
    const uid_t stranger = geteuid() + 4242;
    auto withMode = [](mode_t mode) {
        return [mode](const std::string& dir) {
            EXPECT_EQ(chmod(dir.c_str(), mode), 0);
            return dir;
        };
    };
    const std::vector<Row> rows = {
        {"group may write", withMode(0770), "may be written by others (mode 0770)", "chmod 0700 "},
        {"anyone may write", withMode(01777), "may be written by others (mode 1777)",
         "chmod 0700 "},
        {"a symbolic link",
         [](const std::string& dir) {
             fs::create_directory_symlink(dir, dir + "-link");
             return dir + "-link";
         },
         "is a symbolic link", "remove the link"},
        {"another user's",
         [stranger](const std::string& dir) {
             EXPECT_EQ(chown(dir.c_str(), stranger, static_cast<gid_t>(-1)), 0);
             return dir;
         },
         "belongs to another user (uid " + std::to_string(stranger) + ")",
         "set ORVIK_PORTS_DIR to a folder of your own with mode 0700"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        if (row.what == std::string("another user's") && geteuid() != 0) {
            continue;  // only root may give a folder away
        }
        TempPortsDir ports;
        fs::create_symlink(pty.SlavePath(), ports.Path() + "/COM20");
        ASSERT_TRUE(orvik::device::PortExists("COM20"));  // the user's own folder is used

        const std::string dir = row.spoil(ports.Path());
        setenv("ORVIK_PORTS_DIR", dir.c_str(), 1);
        const auto refusal = orvik::device::CheckPortsDirectory(dir);
        ASSERT_TRUE(refusal);
        EXPECT_NE(refusal->reason.find("the ports folder " + dir + " " + row.reason),
                  std::string::npos)
            << refusal->reason;
        EXPECT_NE(refusal->remedy.find(row.remedy), std::string::npos) << refusal->remedy;

        EXPECT_EQ(orvik::device::ResolvePortPath("COM20"), "/dev/ttyACM5");
        EXPECT_FALSE(orvik::device::PortExists("COM20"));
        orvik::device::SerialPort port;
        std::string reason;
        EXPECT_FALSE(port.Open("COM20", &reason));
        EXPECT_EQ(reason, refusal->Text());
        // A name the folder has no entry for still resolves through the fixed table.
        EXPECT_FALSE(orvik::device::RefusedPortEntry("COM21"));
        fs::remove(ports.Path() + "-link");
    }
    // No folder at all is no fault.
    EXPECT_FALSE(orvik::device::CheckPortsDirectory("/nonexistent/orvik/ports"));
}

}  // namespace
