// The commands of a connection: the wake-up byte, the operator's and the service log-in, the
// configuration queries, the clock and counters, and the access level and table mode that
// prepare the register for work ("PPMD", which prepares family 0, is a setting:
// settings_commands.cpp). What a register does not know on its family or model it refuses with
// "SOFTCOMMAN", as a real one does.
#include <algorithm>
#include <string>

#include "sim/command_registry.h"
#include "sim/session_replies.h"
#include "sim/tape.h"
#include "support/text_codec.h"

namespace orvik::sim {

namespace {

constexpr int kFallbackBaud = 57600;
constexpr std::size_t kPasswordWidth = 10;
constexpr std::size_t kLoginHeader = 4 + kPasswordWidth;

Replies Ready() {
    return {u"READY"};
}

Replies DataThenReady(std::u16string data) {
    return {std::move(data), u"READY"};
}

Replies Unknown() {
    return {u"SOFTCOMMAN"};
}

Replies BadParameter() {
    return {u"SOFTPARAM"};
}

bool IsFamily1(const RegisterState& state) {
    return state.identity.family == 1;
}

bool IsModel(const RegisterState& state, int family, int model) {
    return state.identity.family == family && state.identity.model == model;
}

void Note(RegisterState& state, const std::u16string& text) {
    state.tape->Note(u"-- " + text);
}

// "UPAS", the password padded with blanks to 10 and the operator's name; or "SPAS" and the
// padded password for the service engineer.
Replies LogIn(std::u16string_view text, RegisterState& state, bool service) {
    SessionState& session = state.session;
    const bool accepted =
        text.size() >= kLoginHeader &&
        text.substr(4, kPasswordWidth) == Padded(session.password, kPasswordWidth);
    const std::u16string operatorName =
        service ? std::u16string()
                : std::u16string(text.substr(std::min(text.size(), kLoginHeader)));
    if (!accepted) {
        session.loggedIn = false;
        session.serviceSession = false;
        Note(state, service ? u"service log-in refused: wrong password"
                            : u"log-in of \"" + operatorName + u"\" refused: wrong password");
        return {u"SOFTUPAS"};
    }
    session.loggedIn = true;
    session.serviceSession = service;
    session.operatorName = operatorName;
    Note(state,
         service ? u"service session opened" : u"operator \"" + operatorName + u"\" logged in");
    return Ready();
}

// "SVSL0", or "SVSL" with the level 1 to 3 and that level's access code.
Replies SetAccessLevel(std::u16string_view text, RegisterState& state) {
    if (!IsModel(state, 1, 7)) {
        return Unknown();
    }
    const std::u16string_view argument = text.substr(4);
    int level = -1;
    if (argument == u"0") {
        level = 0;
    } else if (argument.size() == 5 && argument[0] >= u'1' && argument[0] <= u'3' &&
               argument.substr(1) == state.session.accessCodes[argument[0] - u'1']) {
        level = argument[0] - u'0';
    }
    if (level < 0) {
        Note(state, u"access level refused");
        return BadParameter();
    }
    state.session.accessLevel = level;
    Note(state, u"access level " + std::u16string(1, static_cast<char16_t>(u'0' + level)));
    return Ready();
}

// "CNAL" asks for the tax table; "CNAL1", on family 1, for the tax names.
Replies TaxQuery(std::u16string_view text, RegisterState& state) {
    if (text == u"CNAL") {
        return DataThenReady(TaxTableReply(state));
    }
    if (text != u"CNAL1") {
        return BadParameter();
    }
    if (!IsFamily1(state)) {
        // Family 0 keeps no tax names.
        return BadParameter();
    }
    if (!state.session.answersTaxNames) {
        Note(state, u"no answer: this register does not answer \"CNAL1\"");
        return {};
    }
    return DataThenReady(TaxNamesReply(state));
}

}  // namespace

void RegisterSessionCommands(CommandRegistry& registry) {
    registry.SetWakeHandler([](std::u16string_view, RegisterState& state) {
        if (state.session.wakeOnlyAt57600 && state.lineBaud != kFallbackBaud) {
            Note(state, u"not heard at " + support::FromUtf8(std::to_string(state.lineBaud)) +
                            u" baud (this register listens at 57600 only)");
            return Replies{};
        }
        return Ready();
    });

    registry.Register(u"UPAS", [](std::u16string_view text, RegisterState& state) {
        return LogIn(text, state, false);
    });
    registry.Register(u"SPAS", [](std::u16string_view text, RegisterState& state) {
        return LogIn(text, state, true);
    });
    registry.Register(u"SVSL", SetAccessLevel);
    registry.Register(u"TABL", [](std::u16string_view, RegisterState& state) {
        if (!IsFamily1(state)) {
            return Unknown();
        }
        state.session.tableMode = true;
        return Ready();
    });

    // Some registers tag the reply "CONF"; the command is "CONf" on all of them.
    registry.Register(u"CONf", [](std::u16string_view, RegisterState& state) {
        return DataThenReady(ConfigurationReply(state));
    });
    registry.Register(u"CNAL", TaxQuery);
    registry.Register(u"CRES", [](std::u16string_view, RegisterState& state) {
        return DataThenReady(ConfigCountersReply(state));
    });
    registry.Register(u"GLCN", [](std::u16string_view, RegisterState& state) {
        return DataThenReady(DocumentCountersReply(state));
    });
    registry.Register(u"GETD", [](std::u16string_view, RegisterState& state) {
        return DataThenReady(ClockReply(state));
    });
    registry.Register(u"dset", [](std::u16string_view, RegisterState& state) {
        if (!IsModel(state, 1, 8)) {
            return Unknown();
        }
        return DataThenReady(DeviceOptionsReply(state));
    });
}

}  // namespace orvik::sim
