#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "sim/command_registry.h"
#include "sim/key_position.h"

// Small pieces the report and settings commands of the simulated register share.
namespace orvik::sim::handlers {

inline Replies Ready() {
    return {u"READY"};
}

inline Replies Token(std::u16string token) {
    return {std::move(token)};
}

inline bool IsModel(const RegisterState& state, int family, int model) {
    return state.identity.family == family && state.identity.model == model;
}

inline bool IsModel8(const RegisterState& state) {
    return IsModel(state, 1, 8);
}

// The digits of text from position on, exactly width of them; nothing when there are fewer or
// any is not a digit.
std::optional<std::int64_t> DigitsAt(std::u16string_view text, std::size_t position,
                                     std::size_t width);

// The command's text after its four-letter name.
inline std::u16string_view Argument(std::u16string_view text) {
    return text.size() > kCommandNameLength ? text.substr(kCommandNameLength)
                                            : std::u16string_view();
}

// The token that refuses a command that prints: the key first, then the paper. Empty when it
// may print.
std::u16string PrintRefusal(const RegisterState& state, KeyNeed need);

// A line of the simulator's own record on the tape: "-- " and the text.
void Note(const RegisterState& state, std::u16string_view text);

}  // namespace orvik::sim::handlers
