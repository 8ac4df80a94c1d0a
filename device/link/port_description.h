#pragma once

#include <optional>
#include <string>
#include <vector>

// What stands behind a COM name, told so that a person recognises it: the device it resolves to
// and, for a USB adapter, the maker's product name and serial number as the kernel reports them
// under /sys. Nothing here opens the device.
namespace orvik::device {

// A USB serial adapter as its descriptors name it; any field may be empty.
struct UsbAdapter {
    std::string vendorId;   // four hexadecimal digits, as "0403"
    std::string productId;  // as "6001"
    std::string manufacturer;
    std::string product;
    std::string serial;
    std::string driver;  // the kernel driver of the tty, as "ftdi_sio"
};

struct PortDescription {
    std::string name;              // "COMn"
    std::string path;              // what the name resolves to (ports-folder entry or fixed path)
    bool fromPortsFolder = false;  // path is an entry of the ports folder
    std::string device;            // the device the path leads to; empty when it leads nowhere
    std::optional<UsbAdapter> usb;
};

// The USB adapter behind a tty device ("/dev/ttyUSB0"), read from sysfsRoot
// ("/sys" outside tests). Nothing for a device that is not on USB.
std::optional<UsbAdapter> FindUsbAdapter(const std::string& device,
                                         const std::string& sysfsRoot = "/sys");

PortDescription DescribePort(const std::string& comName, const std::string& sysfsRoot = "/sys");

// One line for a list: "COM5  /dev/ttyUSB0  FT232R USB UART, serial A50285BI".
std::string DescribePortLine(const PortDescription& port);

// The label beside COMn in a drop-down list: the device and, for USB, product and serial.
std::string PortDetails(const PortDescription& port);

}  // namespace orvik::device
