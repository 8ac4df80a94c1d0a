// The USB adapter behind a tty, read from a sysfs tree laid out as the kernel lays it out.
#include "device/link/port_description.h"

#include <gtest/gtest.h>

#include "tests/unit/scratch_folder.h"

namespace {

namespace fs = std::filesystem;
using orvik::device::FindUsbAdapter;

// sysfs for one adapter: the USB device with its descriptors, its interface, the tty below,
// and the class entry that links to it. ttyUSB adapters hang a port directory between the
// interface and the tty; ACM adapters do not.
void AddAdapter(const fs::path& root, const std::string& tty, bool withPortDir,
                const std::string& product, const std::string& serial) {
    const fs::path usbDevice = root / "devices/pci0000:00/usb1/1-2";
    fs::create_directories(usbDevice / "1-2:1.0");
    WriteBytes(usbDevice / "idVendor", "0403\n");
    WriteBytes(usbDevice / "idProduct", "6001\n");
    WriteBytes(usbDevice / "manufacturer", "FTDI\n");
    if (!product.empty()) {
        WriteBytes(usbDevice / "product", product + "\n");
    }
    if (!serial.empty()) {
        WriteBytes(usbDevice / "serial", serial + "\n");
    }
    const fs::path ttyParent = withPortDir ? usbDevice / "1-2:1.0" / tty : usbDevice / "1-2:1.0";
    fs::create_directories(ttyParent / "tty" / tty);
    fs::create_directories(root / "bus/usb-serial/drivers/ftdi_sio");
    fs::create_directory_symlink(root / "bus/usb-serial/drivers/ftdi_sio", ttyParent / "driver");
    fs::create_directories(root / "class/tty" / tty);
    fs::create_directory_symlink(ttyParent, root / "class/tty" / tty / "device");
}

TEST(FindUsbAdapter, ReadsTheDescriptorsOfTheAdapterAboveTheTty) {
    struct Row {
        const char* tty;
        bool withPortDir;
        const char* product;
        const char* serial;
    };
    for (const Row& row :
         {Row{"ttyUSB0", true, "FT232R USB UART", "A50285BI"}, Row{"ttyACM3", false, "", ""}}) {
        ScratchFolder sys;
        AddAdapter(sys.Path(), row.tty, row.withPortDir, row.product, row.serial);
        const auto adapter = FindUsbAdapter(std::string("/dev/") + row.tty, sys.Path().string());
        ASSERT_TRUE(adapter) << row.tty;
        EXPECT_EQ(adapter->vendorId, "0403");
        EXPECT_EQ(adapter->productId, "6001");
        EXPECT_EQ(adapter->manufacturer, "FTDI");
        EXPECT_EQ(adapter->product, row.product);
        EXPECT_EQ(adapter->serial, row.serial);
        EXPECT_EQ(adapter->driver, "ftdi_sio");
    }
}

TEST(FindUsbAdapter, NothingForATtyThatIsNotOnUsb) {
    ScratchFolder sys;
    // A built-in UART: its device is a platform device without USB descriptors.
    fs::create_directories(sys / "devices/platform/serial8250/tty/ttyS0");
    fs::create_directories(sys / "class/tty/ttyS0");
    fs::create_directory_symlink(sys / "devices/platform/serial8250",
                                 sys / "class/tty/ttyS0/device");
    fs::create_directories(sys / "class/tty/ptmx");
    for (const char* device : {"/dev/ttyS0", "/dev/ptmx", "/dev/pts/3", "/dev/ttyUSB7", ""}) {
        EXPECT_FALSE(FindUsbAdapter(device, sys.Path().string())) << device;
    }
}

TEST(PortDetails, NamesTheProductAndSerialBesideTheDevice) {
    orvik::device::PortDescription port;
    port.name = "COM5";
    port.path = "/dev/ttyUSB0";
    port.device = "/dev/ttyUSB0";
    EXPECT_EQ(orvik::device::DescribePortLine(port), "COM5  /dev/ttyUSB0");
    port.usb = orvik::device::UsbAdapter{"0403",     "6001",    "FTDI", "FT232R USB UART",
                                         "A50285BI", "ftdi_sio"};
    EXPECT_EQ(orvik::device::PortDetails(port), "/dev/ttyUSB0, FT232R USB UART, serial A50285BI");
    // Two adapters of one make are told apart by their serial; one without a product name by
    // its ids.
    port.usb->product.clear();
    port.usb->serial.clear();
    EXPECT_EQ(orvik::device::PortDetails(port), "/dev/ttyUSB0, USB 0403:6001");
    // A link that leads nowhere shows where it was meant to lead.
    port.device.clear();
    port.usb.reset();
    port.path = "/run/user/1000/orvik/ports/COM5";
    EXPECT_EQ(orvik::device::PortDetails(port), "/run/user/1000/orvik/ports/COM5");
}

}  // namespace
