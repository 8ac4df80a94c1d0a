#include "device/protocol/session_commands.h"

namespace orvik::device {

Credentials TruncateCredentials(std::u16string_view operatorName, std::u16string_view password) {
    return {std::u16string(operatorName.substr(0, kMaxOperatorNameLength)),
            std::u16string(password.substr(0, kMaxPasswordLength))};
}

LoginCommand BuildLoginCommand(std::u16string_view operatorName, std::u16string_view password) {
    const Credentials cut = TruncateCredentials(operatorName, password);
    std::u16string paddedPassword = cut.password;
    paddedPassword.resize(kMaxPasswordLength, u' ');
    if (cut.operatorName == kServiceOperatorName) {
        return {u"SPAS" + paddedPassword, true};
    }
    return {u"UPAS" + paddedPassword + cut.operatorName, false};
}

std::u16string BuildAccessLevelCommand(int level, const std::array<std::u16string_view, 3>& codes) {
    if (level == 0) {
        return u"SVSL0";
    }
    const int used = (level == 2 || level == 3) ? level : 1;
    std::u16string text = u"SVSL";
    text.push_back(static_cast<char16_t>(u'0' + used));
    text += codes[static_cast<std::size_t>(used - 1)].substr(0, 4);
    return text;
}

}  // namespace orvik::device
