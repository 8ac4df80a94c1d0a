#include "device/link/port_names.h"

#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
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
    const std::string link = PortsDirectory() + "/" + name;
    struct stat st {};
    if (lstat(link.c_str(), &st) == 0) {
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
    if (stat(target.c_str(), &st) != 0 || !S_ISCHR(st.st_mode)) {
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
