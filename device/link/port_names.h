#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace orvik::device {

// COM names ("COM1" to "COM24") and the device paths behind them. An entry COMn in the ports
// folder (a symbolic link to the real device) wins; otherwise COM1-COM4 are /dev/ttyS0-3,
// COM5-COM14 /dev/ttyUSB0-9 and COM15-COM24 /dev/ttyACM0-9.

inline constexpr int kFirstPortNumber = 1;
inline constexpr int kLastPortNumber = 24;

// $ORVIK_PORTS_DIR, else $XDG_RUNTIME_DIR/orvik/ports, else /tmp/orvik-ports-<uid>.
std::string PortsDirectory();

// Why a ports folder may not be used. Its links decide where the operator's password goes, so
// it is used only when it belongs to this user (or root), is not itself a symbolic link and no
// one else may write to it, as ssh judges its own files.
struct PortsFolderRefusal {
    std::string reason;  // "the ports folder /tmp/orvik-ports-1000 belongs to another user ..."
    std::string remedy;  // "remove it (sudo rm -r ...), or set ORVIK_PORTS_DIR to ..."
    // Both, for a message on one line.
    std::string Text() const { return reason + ": " + remedy; }
};

// Nothing when the folder may be used or does not exist (a missing folder is no fault: the
// fixed table serves every name).
std::optional<PortsFolderRefusal> CheckPortsDirectory(const std::string& dir);

// Nothing unless the ports folder has an entry of this name and may not be used: the name must
// then not be opened at all, neither through the entry nor through the fixed table.
std::optional<PortsFolderRefusal> RefusedPortEntry(const std::string& name);

// The number n of "COMn" for 1 <= n <= 24, or nothing for any other name.
std::optional<int> ParsePortName(const std::string& name);

// The device path for a COM name, or the empty text for a name that is not one. The entries of
// a ports folder that may not be used are passed over.
std::string ResolvePortPath(const std::string& name);

// The number N of the pseudo-terminal slave /dev/pts/N numbered rdev, or nothing for another
// device.
std::optional<unsigned> PseudoTerminalIndex(dev_t rdev);

// Whether the character device numbered rdev is a terminal, told without opening it: the kernel
// files it under the tty class, or it is a pseudo-terminal.
bool IsTerminalDevice(dev_t rdev);

// Whether the port is really there, found without opening it: the path resolves to a character
// device that is a terminal and, for a legacy ttyS port, the kernel reports a known UART type.
bool PortExists(const std::string& name);

// The COM names that exist, in ascending order.
std::vector<std::string> ListExistingPorts();

}  // namespace orvik::device
