#include "device/link/port_names.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace orvik::device {

std::string PortsDirectory() {
    if (const char* dir = std::getenv("ORVIK_PORTS_DIR"); dir && *dir) {
        return dir;
    }
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
        return std::string(runtime) + "/orvik/ports";
    }
    return "/tmp/orvik-ports-" + std::to_string(getuid());
}

std::optional<PortsFolderRefusal> CheckPortsDirectory(const std::string& dir) {
    struct stat st {};
    // A folder that cannot be reached is as good as missing: none of its entries can be either.
    if (::lstat(dir.c_str(), &st) != 0) {
        return std::nullopt;
    }
    const std::string folder = "the ports folder " + dir;
    const std::string recreate = "; orvik-sim then makes the folder again, for this user alone";
    if (S_ISLNK(st.st_mode)) {
        return PortsFolderRefusal{folder + " is a symbolic link and is not used",
                                  "remove the link (rm " + dir + ")" + recreate};
    }
    if (!S_ISDIR(st.st_mode)) {
        return PortsFolderRefusal{folder + " is not a folder and is not used",
                                  "remove it (rm " + dir + ")" + recreate};
    }
    if (st.st_uid != ::geteuid() && st.st_uid != 0) {
        return PortsFolderRefusal{
            folder + " belongs to another user (uid " + std::to_string(st.st_uid) +
                "), who could lead its COM names anywhere, and is not used",
            "remove it (sudo rm -r " + dir +
                "), or set ORVIK_PORTS_DIR to a folder of your own with mode 0700"};
    }
    if ((st.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        char mode[8];
        std::snprintf(mode, sizeof(mode), "%04o", static_cast<unsigned>(st.st_mode & 07777));
        return PortsFolderRefusal{
            folder + " may be written by others (mode " + mode + ") and is not used",
            "make it yours alone with chmod 0700 " + dir};
    }
    return std::nullopt;
}

std::optional<PortsFolderRefusal> RefusedPortEntry(const std::string& name) {
    if (!ParsePortName(name)) {
        return std::nullopt;
    }
    const std::string dir = PortsDirectory();
    struct stat st {};
    if (::lstat((dir + "/" + name).c_str(), &st) != 0) {
        return std::nullopt;
    }
    return CheckPortsDirectory(dir);
}

std::optional<int> ParsePortName(const std::string& name) {
    if (name.size() < 4 || name.compare(0, 3, "COM") != 0) {
        return std::nullopt;
    }
    int number = 0;
    const char* first = name.data() + 3;
    const char* last = name.data() + name.size();
    auto [ptr, ec] = std::from_chars(first, last, number);
    if (ec != std::errc() || ptr != last || *first == '0' || number < kFirstPortNumber ||
        number > kLastPortNumber) {
        return std::nullopt;
    }
    return number;
}

std::string ResolvePortPath(const std::string& name) {
    const auto number = ParsePortName(name);
    if (!number) {
        return {};
    }
    const std::string dir = PortsDirectory();
    const std::string link = dir + "/" + name;
    struct stat st {};
    if (lstat(link.c_str(), &st) == 0 && !CheckPortsDirectory(dir)) {
        return link;
    }
    const int n = *number;
    if (n <= 4) {
        return "/dev/ttyS" + std::to_string(n - 1);
    }
    if (n <= 14) {
        return "/dev/ttyUSB" + std::to_string(n - 5);
    }
    return "/dev/ttyACM" + std::to_string(n - 15);
}

namespace {

// Legacy ttyS nodes exist whether or not a UART is behind them; the kernel's type attribute
// is 0 for the phantom ones.
bool UartPresent(const std::filesystem::path& device) {
    const std::string base = device.filename().string();
    if (base.rfind("ttyS", 0) != 0) {
        return true;
    }
    std::ifstream typeFile("/sys/class/tty/" + base + "/type");
    int type = 0;
    return static_cast<bool>(typeFile >> type) && type != 0;
}

}  // namespace

std::optional<unsigned> PseudoTerminalIndex(dev_t rdev) {
    // The kernel numbers pseudo-terminal slaves from major 136 on, 256 to a major.
    constexpr unsigned kFirstPtySlaveMajor = 136;
    constexpr unsigned kLastPtySlaveMajor = 143;
    constexpr unsigned kMinorsPerMajor = 256;
    if (major(rdev) < kFirstPtySlaveMajor || major(rdev) > kLastPtySlaveMajor) {
        return std::nullopt;
    }
    return (major(rdev) - kFirstPtySlaveMajor) * kMinorsPerMajor + minor(rdev);
}

bool IsTerminalDevice(dev_t rdev) {
    if (PseudoTerminalIndex(rdev)) {
        return true;
    }
    // /sys/dev/char/MAJOR:MINOR is the device's own folder; its subsystem names the class.
    std::error_code ec;
    const std::filesystem::path subsystem =
        std::filesystem::read_symlink("/sys/dev/char/" + std::to_string(major(rdev)) + ":" +
                                          std::to_string(minor(rdev)) + "/subsystem",
                                      ec);
    return !ec && subsystem.filename() == "tty";
}

bool PortExists(const std::string& name) {
    const std::string path = ResolvePortPath(name);
    if (path.empty()) {
        return false;
    }
    std::error_code ec;
    const std::filesystem::path target = std::filesystem::canonical(path, ec);
    if (ec) {
        return false;
    }
    struct stat st {};
    if (stat(target.c_str(), &st) != 0 || !S_ISCHR(st.st_mode) || !IsTerminalDevice(st.st_rdev)) {
        return false;
    }
    return UartPresent(target);
}

std::vector<std::string> ListExistingPorts() {
    std::vector<std::string> ports;
    for (int n = kFirstPortNumber; n <= kLastPortNumber; ++n) {
        const std::string name = "COM" + std::to_string(n);
        if (PortExists(name)) {
            ports.push_back(name);
        }
    }
    return ports;
}

}  // namespace orvik::device
