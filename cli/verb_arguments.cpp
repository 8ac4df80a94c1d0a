#include "cli/verb_arguments.h"

#include <cstdio>

#include "support/text_codec.h"

namespace orvik::cli {

namespace {

// Exactly `width` digits starting at `position`.
std::optional<int> Digits(std::string_view text, std::size_t position, std::size_t width) {
    if (position + width > text.size()) {
        return std::nullopt;
    }
    int value = 0;
    for (std::size_t i = position; i < position + width; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

}  // namespace

std::optional<std::int32_t> ParseNumberInRange(std::string_view text, std::int32_t min,
                                               std::int32_t max) {
    // More than ten digits cannot be in any range the verbs take; stops overflow early.
    if (text.empty() || text.size() > 10) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (const char ch : text) {
        if (ch < '0' || ch > '9') {
            return std::nullopt;
        }
        value = value * 10 + (ch - '0');
    }
    if (value < min || value > max) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::optional<orvik::support::LocalDateTime> ParseCalendarDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    const auto year = Digits(text, 0, 4);
    const auto month = Digits(text, 5, 2);
    const auto day = Digits(text, 8, 2);
    if (!year || !month || !day || *year < 1 ||
        !orvik::support::IsCalendarDate(*year, *month, *day)) {
        return std::nullopt;
    }
    orvik::support::LocalDateTime date;
    date.year = *year;
    date.month = *month;
    date.day = *day;
    return date;
}

std::optional<orvik::support::LocalDateTime> ParseTimeOfDay(std::string_view text) {
    if (text.size() != 8 || text[2] != ':' || text[5] != ':') {
        return std::nullopt;
    }
    const auto hour = Digits(text, 0, 2);
    const auto minute = Digits(text, 3, 2);
    const auto second = Digits(text, 6, 2);
    if (!hour || !minute || !second || !orvik::support::IsClockTime(*hour, *minute, *second)) {
        return std::nullopt;
    }
    orvik::support::LocalDateTime time;
    time.hour = *hour;
    time.minute = *minute;
    time.second = *second;
    return time;
}

std::optional<std::u16string> RegisterText(std::string_view utf8) {
    std::u16string text = orvik::support::FromUtf8(utf8);
    for (const char16_t ch : text) {
        // The Ukrainian I travels as the Latin one.
        const bool ukrainianI = ch == u'\u0406' || ch == u'\u0456';
        // Control characters would break the command frame's text.
        if (ch < 0x20 || ch == 0x7F ||
            (orvik::support::EncodeChar(orvik::support::CodePage::Oem866, ch) ==
                 orvik::support::kDefaultChar &&
             ch != u'?' && !ukrainianI)) {
            return std::nullopt;
        }
    }
    return text;
}

std::string FormatDateTime(const orvik::support::LocalDateTime& value) {
    char text[40];
    std::snprintf(text, sizeof(text), "%04d-%02d-%02d %02d:%02d:%02d", value.year, value.month,
                  value.day, value.hour, value.minute, value.second);
    return text;
}

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (const char ch : text) {
        switch (ch) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            default:
                if (static_cast<unsigned char>(ch) < 0x20) {
                    char escape[8];
                    std::snprintf(escape, sizeof(escape), "\\u%04x", ch);
                    out += escape;
                } else {
                    out += ch;
                }
        }
    }
    return out + "\"";
}

}  // namespace orvik::cli
