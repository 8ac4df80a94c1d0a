#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvik::gui {

// The rules of the connection bar and the connection commands, free of any widget so that
// they can be checked without a window.

// What the connection bar holds when Connect is chosen.
struct ConnectionValues {
    // "COM1" to "COM24" or a register's name; empty when none was found
    std::string port;
    std::u16string operatorName;
    std::u16string password;
};

// The lengths the bar's fields accept while typing.
inline constexpr int kMaxOperatorNameLength = 9;
inline constexpr int kMaxPasswordLength = 10;

// The bar's three fields.
enum class ConnectionField { Port, OperatorName, Password };

// The first value that cannot be used, checked in the order port, operator name, password;
// nothing when a connection may be attempted. Only an empty password is refused: the register
// pads shorter ones itself.
std::optional<ConnectionField> FirstMissingConnectionValue(const ConnectionValues& values);
// The warning for that value.
std::optional<std::u16string_view> FirstConnectionProblem(const ConnectionValues& values);

// Which of the two connection commands may be chosen (menu item, tool strip button and, for
// Connect, the Enter key alike).
struct CommandEnabling {
    bool connect = false;
    bool disconnect = false;
    friend bool operator==(const CommandEnabling&, const CommandEnabling&) = default;
};
CommandEnabling EnablingFor(bool connected);

// The texts of the state and serial-number panes of the status bar.
std::u16string StatePaneText(bool connected);
// With no serial number (disconnected) the pane says so.
std::u16string SerialPaneText(const std::optional<std::u16string>& serialNumber);

// "%s" in format replaced by value (the first occurrence).
std::u16string FormatPane(std::u16string_view format, std::u16string_view value);

// The Num Lock and Caps Lock states in the modifier mask an X11 or Wayland key event carries
// (Lock is bit 1, Num Lock the usual Mod2, bit 4).
struct KeyboardLocks {
    bool numLock = false;
    bool capsLock = false;
    friend bool operator==(const KeyboardLocks&, const KeyboardLocks&) = default;
};
KeyboardLocks LocksFromModifierMask(std::uint32_t mask);

}  // namespace orvik::gui
