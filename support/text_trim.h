#pragma once

#include <string>
#include <string_view>

namespace orvik::support {

// A decimal digit, 0 to 9 (no other script's digits).
constexpr bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Blank, tab, line ends, vertical tab and form feed: the white space of the C locale.
constexpr bool IsWhiteSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f';
}

// The text without the white space around it.
constexpr std::u16string_view Trim(std::u16string_view text) {
    while (!text.empty() && IsWhiteSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsWhiteSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The text without the blanks around it: a register pads its names with blanks only, and a
// tab or line end in one is kept.
inline std::u16string TrimBlanks(std::u16string_view text) {
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) {
        return {};
    }
    return std::u16string(text.substr(first, text.find_last_not_of(u' ') - first + 1));
}

}  // namespace orvik::support
