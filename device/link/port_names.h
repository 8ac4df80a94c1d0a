#pragma once

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

// The number n of "COMn" for 1 <= n <= 24, or nothing for any other name.
std::optional<int> ParsePortName(const std::string& name);

// The device path for a COM name, or the empty text for a name that is not one.
std::string ResolvePortPath(const std::string& name);

// Whether the port is really there, found without opening it: the path resolves to a character
// device and, for a legacy ttyS port, the kernel reports a known UART type.
bool PortExists(const std::string& name);

// The COM names that exist, in ascending order.
std::vector<std::string> ListExistingPorts();

}  // namespace orvik::device
