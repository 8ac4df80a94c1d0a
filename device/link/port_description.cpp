#include "device/link/port_description.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "device/link/port_names.h"

namespace orvik::device {

namespace {

namespace fs = std::filesystem;

// The first line of a sysfs attribute, without its line end; empty when it cannot be read.
std::string ReadAttribute(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r' || line.back() == ' ')) {
        line.pop_back();
    }
    return line;
}

bool IsWithin(const fs::path& path, const fs::path& root) {
    const auto [rootEnd, pathIt] =
        std::mismatch(root.begin(), root.end(), path.begin(), path.end());
    return rootEnd == root.end();
}

}  // namespace

std::optional<UsbAdapter> FindUsbAdapter(const std::string& device, const std::string& sysfsRoot) {
    const std::string base = fs::path(device).filename().string();
    if (base.empty()) {
        return std::nullopt;
    }
    std::error_code ec;
    const fs::path root = fs::canonical(sysfsRoot, ec);
    if (ec) {
        return std::nullopt;
    }
    const fs::path classEntry = root / "class" / "tty" / base / "device";
    const fs::path start = fs::canonical(classEntry, ec);
    if (ec) {
        return std::nullopt;
    }
    // The tty hangs below the USB interface, which hangs below the USB device: the first
    // ancestor with a vendor id is the adapter.
    for (fs::path dir = start; IsWithin(dir, root) && dir != root; dir = dir.parent_path()) {
        if (!fs::exists(dir / "idVendor", ec)) {
            continue;
        }
        UsbAdapter adapter;
        adapter.vendorId = ReadAttribute(dir / "idVendor");
        adapter.productId = ReadAttribute(dir / "idProduct");
        adapter.manufacturer = ReadAttribute(dir / "manufacturer");
        adapter.product = ReadAttribute(dir / "product");
        adapter.serial = ReadAttribute(dir / "serial");
        const fs::path driver = fs::read_symlink(classEntry / "driver", ec);
        if (!ec) {
            adapter.driver = driver.filename().string();
        }
        return adapter;
    }
    return std::nullopt;
}

PortDescription DescribePort(const std::string& comName, const std::string& sysfsRoot) {
    PortDescription port;
    port.name = comName;
    port.path = ResolvePortPath(comName);
    if (port.path.empty()) {
        return port;
    }
    port.fromPortsFolder = port.path.rfind(PortsDirectory() + "/", 0) == 0;
    std::error_code ec;
    const fs::path device = fs::canonical(port.path, ec);
    struct stat st {};
    if (!ec && ::stat(device.c_str(), &st) == 0 && S_ISCHR(st.st_mode)) {
        port.device = device.string();
        port.usb = FindUsbAdapter(port.device, sysfsRoot);
    }
    return port;
}

std::string PortDetails(const PortDescription& port) {
    std::string details = port.device.empty() ? port.path : port.device;
    if (port.usb) {
        const UsbAdapter& usb = *port.usb;
        std::string product =
            usb.product.empty() ? "USB " + usb.vendorId + ":" + usb.productId : usb.product;
        details += ", " + product;
        if (!usb.serial.empty()) {
            details += ", serial " + usb.serial;
        }
    }
    return details;
}

std::string DescribePortLine(const PortDescription& port) {
    return port.name + "  " + PortDetails(port);
}

}  // namespace orvik::device
