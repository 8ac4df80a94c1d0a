#include "sim/handler_helpers.h"

#include "sim/tape.h"

namespace orvik::sim::handlers {

std::optional<std::int64_t> DigitsAt(std::u16string_view text, std::size_t position,
                                     std::size_t width) {
    if (position > text.size() || text.size() - position < width || width == 0 || width > 18) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (std::size_t i = position; i < position + width; ++i) {
        if (text[i] < u'0' || text[i] > u'9') {
            return std::nullopt;
        }
        value = value * 10 + (text[i] - u'0');
    }
    return value;
}

std::u16string PrintRefusal(const RegisterState& state, KeyNeed need) {
    std::u16string refusal = KeyRefusal(state, need);
    if (refusal.empty() && state.paperOut) {
        refusal = u"HARDPAPER";
    }
    return refusal;
}

void Note(const RegisterState& state, std::u16string_view text) {
    if (state.tape) {
        state.tape->Note(u"-- " + std::u16string(text));
    }
}

}  // namespace orvik::sim::handlers
