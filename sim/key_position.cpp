#include "sim/key_position.h"

namespace orvik::sim {

namespace {

bool HasAccessLevels(const RegisterState& state) {
    return state.identity.family == 1 && state.identity.model == 7;
}

// The token that asks for the key position a need names.
std::u16string AskFor(KeyNeed need) {
    switch (need) {
        case KeyNeed::Registration:
            return u"SOFTSLWORK";
        case KeyNeed::XReport:
        case KeyNeed::HardwareReport:
            return u"SOFTSLZREP";
        case KeyNeed::ZReport:
        case KeyNeed::FiscalMemoryReport:
            return u"SOFTSLNREP";
        case KeyNeed::Programming:
            return u"SOFTSLPROG";
    }
    return u"SOFTSLWORK";
}

KeyPosition PositionFor(KeyNeed need) {
    switch (need) {
        case KeyNeed::Registration:
            return KeyPosition::Registration;
        case KeyNeed::XReport:
        case KeyNeed::HardwareReport:
            return KeyPosition::XReport;
        case KeyNeed::ZReport:
        case KeyNeed::FiscalMemoryReport:
            return KeyPosition::ZReport;
        case KeyNeed::Programming:
            return KeyPosition::Programming;
    }
    return KeyPosition::Registration;
}

std::u16string AccessLevelRefusal(int level, KeyNeed need) {
    if (level <= 0) {
        return u"SOFTSYSLOCK";
    }
    const bool dayReport = need == KeyNeed::XReport || need == KeyNeed::ZReport;
    return dayReport && level < 2 ? AskFor(need) : std::u16string();
}

int AccessLevelFor(KeyPosition key) {
    switch (key) {
        case KeyPosition::Off:
            return 0;
        case KeyPosition::Registration:
            return 1;
        case KeyPosition::XReport:
        case KeyPosition::ZReport:
            return 2;
        case KeyPosition::Programming:
            return 3;
    }
    return 1;
}

}  // namespace

std::u16string KeyRefusal(const RegisterState& state, KeyNeed need) {
    if (!state.keyChecked) {
        return {};
    }
    if (HasAccessLevels(state)) {
        return AccessLevelRefusal(state.session.accessLevel, need);
    }
    if (state.key == KeyPosition::Off) {
        return u"SOFTSYSLOCK";
    }
    return state.key == PositionFor(need) ? std::u16string() : AskFor(need);
}

std::optional<KeyPosition> KeyFromLetter(std::string_view letter) {
    if (letter.size() != 1) {
        return std::nullopt;
    }
    switch (letter[0]) {
        case 'R':
        case 'r':
            return KeyPosition::Registration;
        case 'X':
        case 'x':
            return KeyPosition::XReport;
        case 'Z':
        case 'z':
            return KeyPosition::ZReport;
        case 'P':
        case 'p':
            return KeyPosition::Programming;
        case 'O':
        case 'o':
            return KeyPosition::Off;
        default:
            return std::nullopt;
    }
}

char KeyLetter(KeyPosition key) {
    switch (key) {
        case KeyPosition::Registration:
            return 'R';
        case KeyPosition::XReport:
            return 'X';
        case KeyPosition::ZReport:
            return 'Z';
        case KeyPosition::Programming:
            return 'P';
        case KeyPosition::Off:
            return 'O';
    }
    return 'O';
}

void TurnKey(RegisterState& state, KeyPosition key) {
    state.keyChecked = true;
    state.key = key;
    if (HasAccessLevels(state)) {
        state.session.accessLevel = AccessLevelFor(key);
    }
}

void LeaveKeyUnchecked(RegisterState& state) {
    state.keyChecked = false;
}

std::string DescribeKey(const RegisterState& state) {
    if (!state.keyChecked) {
        return "not checked (service mode)";
    }
    if (HasAccessLevels(state)) {
        return "access level " + std::to_string(state.session.accessLevel);
    }
    return std::string(1, KeyLetter(state.key));
}

}  // namespace orvik::sim
