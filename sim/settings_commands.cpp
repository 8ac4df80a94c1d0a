// The simulated register's programmable settings and the queries that read them back. A
// setting needs the key in programming (P); a query answers in every position. The commands
// only family 1 model 8 knows (the discount print mode, the logo, the line spacing, the tape
// mode) and the cutter, which family 0 lacks, are unknown commands elsewhere. Every change is
// recorded on the tape.
#include "device/protocol/settings_commands.h"
#include "sim/handler_helpers.h"
#include "sim/printout.h"
#include "sim/session_replies.h"
#include "support/text_codec.h"

namespace orvik::sim {

namespace {

using handlers::Argument;
using handlers::DigitsAt;
using handlers::IsModel8;
using handlers::Note;
using handlers::Ready;
using handlers::Token;

// The department mnemonic the register keeps.
constexpr std::size_t kDepartmentLength = 5;
// The line spacings the register has, in eighths of a millimetre.
constexpr std::int64_t kMinLineSpacing = 3;
constexpr std::int64_t kMaxLineSpacing = 20;
// A footer line in double width has half the room.
constexpr std::size_t kFooterLineLength = 43;
constexpr std::size_t kDoubleWidthFooterLineLength = 21;

Replies BadParameter() {
    return Token(u"SOFTPARAM");
}

Replies Unknown() {
    return Token(u"SOFTCOMMAN");
}

std::u16string Quoted(std::u16string_view text) {
    return u"\"" + std::u16string(text) + u"\"";
}

// Runs a change once the key allows it: records it on the tape and answers READY.
template <class Change>
Replies Program(RegisterState& state, KeyNeed need, Change&& change) {
    if (const std::u16string refusal = KeyRefusal(state, need); !refusal.empty()) {
        return Token(refusal);
    }
    Note(state, change());
    return Ready();
}

// A single digit from 0 to max as the whole argument.
std::optional<int> OneDigit(std::u16string_view argument, int max) {
    const auto digit = DigitsAt(argument, 0, 1);
    if (argument.size() != 1 || !digit || *digit > max) {
        return std::nullopt;
    }
    return static_cast<int>(*digit);
}

std::u16string Flag(bool value) {
    return value ? u"1" : u"0";
}

// "CTIM" and the time of day HHMMSS; the register's date stays.
Replies SetClock(std::u16string_view text, RegisterState& state) {
    const std::u16string_view argument = Argument(text);
    const auto hour = DigitsAt(argument, 0, 2);
    const auto minute = DigitsAt(argument, 2, 2);
    const auto second = DigitsAt(argument, 4, 2);
    if (argument.size() != 6 || !hour || !minute || !second ||
        !support::IsClockTime(static_cast<int>(*hour), static_cast<int>(*minute),
                              static_cast<int>(*second))) {
        return BadParameter();
    }
    return Program(state, KeyNeed::Programming, [&] {
        state.clock.SetTimeOfDay(static_cast<int>(*hour), static_cast<int>(*minute),
                                 static_cast<int>(*second));
        return u"clock set to " + TimeText(state.clock.Now());
    });
}

// "CUTR" alone asks model 8 for its cutter, beeper and partial-cut digits. "CUTR" with the
// cutter and beeper flags sets them; model 8 takes the partial-cut digit after them.
Replies Cutter(std::u16string_view text, RegisterState& state) {
    if (state.identity.family != 1) {
        return Unknown();
    }
    const std::u16string_view argument = Argument(text);
    ProgrammedSettings& settings = state.settings;
    if (argument.empty()) {
        if (!IsModel8(state)) {
            return BadParameter();
        }
        return {
            u"CUTR" + Flag(settings.cutter) + Flag(settings.beeper) + Number(settings.partialCut),
            u"READY"};
    }
    const std::size_t digits = IsModel8(state) ? 3 : 2;
    std::optional<int> values[3];
    for (std::size_t i = 0; i < argument.size() && i < 3; ++i) {
        values[i] = OneDigit(argument.substr(i, 1), i < 2 ? 1 : 9);
    }
    const bool complete = (argument.size() == 2 || argument.size() == digits) && values[0] &&
                          values[1] && (argument.size() < 3 || values[2]);
    if (!complete) {
        return BadParameter();
    }
    return Program(state, KeyNeed::Programming, [&] {
        settings.cutter = *values[0] == 1;
        settings.beeper = *values[1] == 1;
        if (argument.size() == 3) {
            settings.partialCut = *values[2];
        }
        return u"cutter " + Flag(settings.cutter) + u", beeper " + Flag(settings.beeper) +
               (IsModel8(state) ? u", partial cut " + Number(settings.partialCut)
                                : std::u16string());
    });
}

// The longest header or footer line the register prints.
std::size_t LineLimit(const RegisterState& state) {
    return HeaderLineWidth(state);
}

// "HEAD" and the receipt header line; "BOTM" and the footer line.
Replies HeaderOrFooter(std::u16string_view text, RegisterState& state) {
    const std::u16string_view line = Argument(text);
    if (line.size() > LineLimit(state)) {
        return BadParameter();
    }
    const bool header = text.substr(0, 4) == u"HEAD";
    return Program(state, KeyNeed::Programming, [&] {
        (header ? state.header : state.footer) = std::u16string(line);
        return (header ? u"header set to " : u"footer set to ") + Quoted(line);
    });
}

// The multi-line footer, service session only: "BOTm" erases it, "BOTm" and a line number 0
// to 9 erases that line, and with the journal flag, the format digit and the text after the
// number sets it.
Replies FooterLines(std::u16string_view text, RegisterState& state) {
    if (!state.session.serviceSession) {
        return Token(u"SOFTPROTOC");
    }
    const std::u16string_view argument = Argument(text);
    auto& lines = state.settings.footerLines;
    if (argument.empty()) {
        return Program(state, KeyNeed::Programming, [&] {
            lines.fill(std::nullopt);
            return std::u16string(u"footer lines erased");
        });
    }
    const auto index = OneDigit(argument.substr(0, 1), 9);
    if (!index) {
        return BadParameter();
    }
    if (argument.size() == 1) {
        return Program(state, KeyNeed::Programming, [&] {
            lines[static_cast<std::size_t>(*index)].reset();
            return u"footer line " + Number(*index) + u" erased";
        });
    }
    const auto journal = OneDigit(argument.substr(1, 1), 1);
    const auto format = argument.size() > 2 ? OneDigit(argument.substr(2, 1), 3) : std::nullopt;
    const std::u16string_view lineText = argument.size() > 3 ? argument.substr(3) : u"";
    const std::size_t room =
        format && (*format & 1) ? kDoubleWidthFooterLineLength : kFooterLineLength;
    if (!journal || !format || lineText.empty() || lineText.size() > room) {
        return BadParameter();
    }
    return Program(state, KeyNeed::Programming, [&] {
        lines[static_cast<std::size_t>(*index)] =
            FooterLine{std::u16string(lineText), *journal == 1, *format};
        return u"footer line " + Number(*index) + u" set to " + Quoted(lineText) + u" (journal " +
               Number(*journal) + u", format " + Number(*format) + u")";
    });
}

// "ARMO" and the article mode 0 to 2.
Replies ArticleMode(std::u16string_view text, RegisterState& state) {
    const auto mode = OneDigit(Argument(text), 2);
    if (!mode) {
        return BadParameter();
    }
    return Program(state, KeyNeed::Programming, [&] {
        state.counters.articleMode = *mode;
        return u"article mode " + Number(*mode);
    });
}

// "PPMD": added taxes on the receipt total; "PPMD1": on each item. Family 0 is sent "PPMD1"
// at every connection as part of preparing it for work, so there it does not ask for the key.
Replies TaxCalculation(std::u16string_view text, RegisterState& state) {
    if (text != u"PPMD" && text != u"PPMD1") {
        return BadParameter();
    }
    const KeyNeed need = KeyNeed::Programming;
    if (state.identity.family == 0 || KeyRefusal(state, need).empty()) {
        state.taxPerItem = text == u"PPMD1";
        Note(state, state.taxPerItem ? u"added taxes calculated on each item"
                                     : u"added taxes calculated on the receipt total");
        return Ready();
    }
    return Token(KeyRefusal(state, need));
}

// "PPOD": added taxes printed on the receipt's total turnover; "PPOD1": after each line.
Replies TaxPrint(std::u16string_view text, RegisterState& state) {
    if (text != u"PPOD" && text != u"PPOD1") {
        return BadParameter();
    }
    return Program(state, KeyNeed::Programming, [&] {
        state.settings.taxPrintOnTotal = text == u"PPOD";
        return std::u16string(state.settings.taxPrintOnTotal
                                  ? u"added taxes printed on the total turnover"
                                  : u"added taxes printed after each line");
    });
}

// "TMOD" and the message set 0 to 3.
Replies MessageSet(std::u16string_view text, RegisterState& state) {
    const auto set = OneDigit(Argument(text), 3);
    if (!set) {
        return BadParameter();
    }
    return Program(state, KeyNeed::Programming, [&] {
        state.settings.messageSet = *set;
        return u"message set " + Number(*set);
    });
}

// "DEPT" and the department mnemonic.
Replies Department(std::u16string_view text, RegisterState& state) {
    const std::u16string_view mnemonic = Argument(text);
    if (mnemonic.size() > kDepartmentLength) {
        return BadParameter();
    }
    return Program(state, KeyNeed::Programming, [&] {
        state.settings.department = std::u16string(mnemonic);
        return u"department " + Quoted(mnemonic);
    });
}

// A setting of model 8 that "NAME" alone asks for and "NAME" with `width` digits sets.
template <class Read, class Write>
Replies Model8Setting(std::u16string_view text, RegisterState& state, std::size_t width,
                      std::int64_t min, std::int64_t max, KeyNeed need, Read read, Write write) {
    if (!IsModel8(state)) {
        return Unknown();
    }
    const std::u16string name(text.substr(0, 4));
    const std::u16string_view argument = Argument(text);
    if (argument.empty()) {
        return {name + Digits(read(), width), u"READY"};
    }
    const auto value = DigitsAt(argument, 0, width);
    if (argument.size() != width || !value || *value < min || *value > max) {
        return BadParameter();
    }
    return Program(state, need, [&] { return write(static_cast<int>(*value)); });
}

Replies DiscountPrint(std::u16string_view text, RegisterState& state) {
    int& mode = state.settings.discountPrintMode;
    return Model8Setting(
        text, state, 1, 0, 1, KeyNeed::Programming, [&] { return mode; },
        [&](int value) {
            mode = value;
            return u"discounts printed " +
                   std::u16string(value == 0 ? u"on each line" : u"at the end of the receipt");
        });
}

Replies LineSpacing(std::u16string_view text, RegisterState& state) {
    int& spacing = state.settings.lineSpacing;
    return Model8Setting(
        text, state, 2, kMinLineSpacing, kMaxLineSpacing, KeyNeed::Programming,
        [&] { return spacing; },
        [&](int value) {
            spacing = value;
            return u"line spacing " + Number(value) + u"/8 mm";
        });
}

// The tape mode is set just before a receipt, in registration.
Replies TapeMode(std::u16string_view text, RegisterState& state) {
    int& mode = state.settings.tapeMode;
    return Model8Setting(
        text, state, 1, 0, 1, KeyNeed::Registration, [&] { return mode; },
        [&](int value) {
            mode = value;
            return std::u16string(value == 0 ? u"ordinary tape" : u"continuous tape");
        });
}

bool IsHexText(std::u16string_view text) {
    for (const char16_t ch : text) {
        const bool hex =
            (ch >= u'0' && ch <= u'9') || (ch >= u'A' && ch <= u'F') || (ch >= u'a' && ch <= u'f');
        if (!hex) {
            return false;
        }
    }
    return text.size() % 2 == 0;
}

// "LUPC", the row number 001 to 192 and up to 108 hexadecimal digits of dots.
Replies LogoRow(std::u16string_view text, RegisterState& state) {
    if (!IsModel8(state)) {
        return Unknown();
    }
    const std::u16string_view argument = Argument(text);
    const auto row = DigitsAt(argument, 0, 3);
    const std::u16string_view dots = argument.size() > 3 ? argument.substr(3) : u"";
    if (!row || *row < 1 || *row > static_cast<std::int64_t>(kLogoLineCount) ||
        dots.size() > device::kLogoLineHexCharacters || !IsHexText(dots)) {
        return BadParameter();
    }
    return Program(state, KeyNeed::Programming, [&] {
        state.settings.logoRows[static_cast<std::size_t>(*row - 1)] = std::u16string(dots);
        return u"logo row " + Number(*row) + u" loaded";
    });
}

// "AUPC" and how many logo rows are printed, 000 to 192; 000 switches the logo off.
Replies LogoHeight(std::u16string_view text, RegisterState& state) {
    if (!IsModel8(state)) {
        return Unknown();
    }
    const std::u16string_view argument = Argument(text);
    const auto rows = DigitsAt(argument, 0, 3);
    if (argument.size() != 3 || !rows || *rows > static_cast<std::int64_t>(kLogoLineCount)) {
        return BadParameter();
    }
    return Program(state, KeyNeed::Programming, [&] {
        state.settings.logoHeight = static_cast<int>(*rows);
        return *rows == 0 ? std::u16string(u"logo switched off")
                          : u"logo of " + Number(*rows) + u" rows";
    });
}

}  // namespace

void RegisterSettingsCommands(CommandRegistry& registry) {
    registry.Register(u"CTIM", SetClock);
    registry.Register(u"CUTR", Cutter);
    registry.Register(u"HEAD", HeaderOrFooter);
    registry.Register(u"BOTM", HeaderOrFooter);
    registry.Register(u"BOTm", FooterLines);
    registry.Register(u"ARMO", ArticleMode);
    registry.Register(u"PPMD", TaxCalculation);
    registry.Register(u"PPOD", TaxPrint);
    registry.Register(u"TMOD", MessageSet);
    registry.Register(u"DEPT", Department);
    registry.Register(u"NPDI", DiscountPrint);
    registry.Register(u"BLFI", LineSpacing);
    registry.Register(u"NCDC", TapeMode);
    registry.Register(u"LUPC", LogoRow);
    registry.Register(u"AUPC", LogoHeight);
}

}  // namespace orvik::sim
