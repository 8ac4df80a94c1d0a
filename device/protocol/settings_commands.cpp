#include "device/protocol/settings_commands.h"

#include <algorithm>

#include "device/protocol/config_replies.h"
#include "device/protocol/number_format.h"
#include "device/protocol/register_capabilities.h"
#include "support/text_trim.h"

namespace orvik::device {

namespace {

constexpr std::size_t kDateTimeDigits = 14;
constexpr int kFirstClockYear = 1900;

// A signed decimal number without padding, as the commands with a free-width argument take it.
std::u16string Decimal(std::int32_t value) {
    std::u16string text;
    for (const char c : std::to_string(value)) {
        text.push_back(static_cast<char16_t>(c));
    }
    return text;
}

char16_t Flag(std::int32_t value) {
    return value != 0 ? u'1' : u'0';
}

// Digits [position, position + width) of an answer known to hold digits there.
int DigitsAt(std::u16string_view answer, std::size_t position, std::size_t width) {
    int value = 0;
    for (const char16_t c : answer.substr(position, width)) {
        value = value * 10 + (c - u'0');
    }
    return value;
}

}  // namespace

std::optional<std::size_t> HeaderTextLimit(std::int32_t family, std::int32_t model) {
    return CapabilitiesOf(family, model, 0).headerTextWidth;
}

std::u16string BuildClockCommand(const support::LocalDateTime& time) {
    return u"CTIM" + FormatNumber(time.hour, 2) + FormatNumber(time.minute, 2) +
           FormatNumber(time.second, 2);
}

std::u16string BuildCutterCommand(std::int32_t cutter, std::int32_t beeper,
                                  std::optional<std::int32_t> partialCut) {
    std::u16string text = u"CUTR";
    text.push_back(Flag(cutter));
    text.push_back(Flag(beeper));
    if (partialCut) {
        text += FormatNumber(*partialCut, 1);
    }
    return text;
}

std::u16string BuildArticleModeCommand(std::int32_t mode) {
    return u"ARMO" + Decimal(mode);
}

std::u16string BuildHeaderTextCommand(std::u16string_view text, std::size_t limit) {
    return u"HEAD" + std::u16string(text.substr(0, limit));
}

std::u16string BuildFooterTextCommand(std::u16string_view text, std::size_t limit) {
    return u"BOTM" + std::u16string(text.substr(0, limit));
}

std::u16string BuildTaxCalculationCommand(std::int32_t perItem) {
    return perItem != 0 ? u"PPMD1" : u"PPMD";
}

std::u16string BuildTaxPrintCommand(std::int32_t onTotal) {
    return onTotal != 0 ? u"PPOD" : u"PPOD1";
}

std::u16string BuildMessageSetCommand(std::int32_t set) {
    return u"TMOD" + Decimal(set);
}

std::u16string BuildDepartmentCommand(std::u16string_view mnemonic) {
    return u"DEPT" + std::u16string(mnemonic);
}

std::u16string BuildDiscountPrintCommand(std::int32_t mode) {
    return u"NPDI" + FormatNumber(mode, 1);
}

std::u16string BuildLogoLineCommand(std::int32_t lineIndex, std::u16string_view hexText) {
    // Capped before adding, so that the largest index cannot overflow.
    const std::int32_t lineNumber = lineIndex >= kMaxLogoLines - 1 ? kMaxLogoLines : lineIndex + 1;
    return u"LUPC" + FormatNumber(lineNumber, 3) +
           std::u16string(hexText.substr(0, kLogoLineHexCharacters));
}

std::u16string BuildLogoHeightCommand(std::int32_t lines) {
    return u"AUPC" + FormatNumber(std::min(lines, kMaxLogoLines), 3);
}

std::u16string BuildLineSpacingCommand(std::int32_t value) {
    return u"BLFI" + FormatNumber(value, 2);
}

std::optional<support::LocalDateTime> ParseRegisterDateTime(std::u16string_view answer) {
    if (answer.size() < kDateTimeDigits) {
        return std::nullopt;
    }
    const std::u16string_view digits = answer.substr(0, kDateTimeDigits);
    if (!std::all_of(digits.begin(), digits.end(), support::IsDigit)) {
        return std::nullopt;
    }
    support::LocalDateTime clock;
    clock.year = DigitsAt(digits, 0, 4);
    clock.month = DigitsAt(digits, 4, 2);
    clock.day = DigitsAt(digits, 6, 2);
    clock.hour = DigitsAt(digits, 8, 2);
    clock.minute = DigitsAt(digits, 10, 2);
    clock.second = DigitsAt(digits, 12, 2);
    if (clock.year < kFirstClockYear ||
        !support::IsCalendarDate(clock.year, clock.month, clock.day) ||
        !support::IsClockTime(clock.hour, clock.minute, clock.second)) {
        return std::nullopt;
    }
    return clock;
}

std::optional<CutterOptions> ParseCutterOptions(std::u16string_view answer) {
    if (answer.empty()) {
        return std::nullopt;
    }
    CutterOptions options;
    options.cutter = ReadNumber(ReplyField(answer, 0, 1));
    options.beeper = ReadNumber(ReplyField(answer, 1, 1));
    options.partialCut = ReadNumber(ReplyField(answer, 2, 1));
    return options;
}

}  // namespace orvik::device
