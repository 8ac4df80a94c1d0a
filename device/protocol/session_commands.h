#pragma once

#include <array>
#include <string>
#include <string_view>

namespace orvik::device {

// The command texts of the connection session, built without a port.

// The register takes an operator name of at most 9 characters and a password of at most 10.
inline constexpr std::size_t kMaxOperatorNameLength = 9;
inline constexpr std::size_t kMaxPasswordLength = 10;

// The operator who opens a service session instead of a cashier's (Ukrainian capital I).
inline constexpr std::u16string_view kServiceOperatorName = u"СЕРВІС";

struct Credentials {
    std::u16string operatorName;
    std::u16string password;
};

// Both cut to what the register takes.
Credentials TruncateCredentials(std::u16string_view operatorName, std::u16string_view password);

struct LoginCommand {
    std::u16string text;
    bool serviceSession = false;
};

// "SPAS" and the password padded with blanks to 10 for the service operator; otherwise "UPAS",
// the padded password and the operator name. Both are cut first.
LoginCommand BuildLoginCommand(std::u16string_view operatorName, std::u16string_view password);

// "SVSL0" for level 0; "SVSL2"/"SVSL3" with the first four characters of that level's code;
// every other level "SVSL1" with the level-1 code.
std::u16string BuildAccessLevelCommand(int level, const std::array<std::u16string_view, 3>& codes);

}  // namespace orvik::device
