#include "gui/document/connection_rules.h"

#include "res/string_table.h"

namespace orvik::gui {

std::optional<ConnectionField> FirstMissingConnectionValue(const ConnectionValues& values) {
    if (values.port.empty()) {
        return ConnectionField::Port;
    }
    if (values.operatorName.empty()) {
        return ConnectionField::OperatorName;
    }
    if (values.password.empty()) {
        return ConnectionField::Password;
    }
    return std::nullopt;
}

std::optional<std::u16string_view> FirstConnectionProblem(const ConnectionValues& values) {
    const auto missing = FirstMissingConnectionValue(values);
    if (!missing) {
        return std::nullopt;
    }
    switch (*missing) {
        case ConnectionField::Port:
            return FindString(kStrNoPort);
        case ConnectionField::OperatorName:
            return FindString(kStrNoOperatorName);
        case ConnectionField::Password:
            return FindString(kStrNoPassword);
    }
    return std::nullopt;
}

CommandEnabling EnablingFor(bool connected) {
    return CommandEnabling{.connect = !connected, .disconnect = connected};
}

std::u16string FormatPane(std::u16string_view format, std::u16string_view value) {
    std::u16string text(format);
    if (const auto at = text.find(u"%s"); at != std::u16string::npos) {
        text.replace(at, 2, value);
    }
    return text;
}

std::u16string StatePaneText(bool connected) {
    return FormatPane(LoadString(kStrStateFormat),
                      LoadString(connected ? kStrConnected : kStrNotConnected));
}

std::u16string SerialPaneText(const std::optional<std::u16string>& serialNumber) {
    return FormatPane(LoadString(kStrSerialFormat),
                      serialNumber ? *serialNumber : LoadString(kStrNotConnected));
}

KeyboardLocks LocksFromModifierMask(std::uint32_t mask) {
    constexpr std::uint32_t kLockMask = 1u << 1;
    constexpr std::uint32_t kNumLockMask = 1u << 4;
    return KeyboardLocks{.numLock = (mask & kNumLockMask) != 0,
                         .capsLock = (mask & kLockMask) != 0};
}

}  // namespace orvik::gui
