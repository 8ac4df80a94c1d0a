#pragma once

#include <span>
#include <string_view>

namespace orvik::device {

// The register's status tokens, in the order they are searched: the first token contained in
// a reply decides. Fatal tokens carry the id of their message; the three tokens that only warn
// carry 0.

struct StatusToken {
    std::u16string_view token;
    int messageId;  // 0 for the tokens that let the command go on
    bool fatal;
};

std::span<const StatusToken> StatusTable();

// The first row whose token occurs in the reply, or nullptr.
const StatusToken* MatchStatus(std::u16string_view reply);

// Whether a reply carries a status word at all ("SOFT", "HARD" or "SHUTDOWN").
bool HasStatusWord(std::u16string_view reply);

inline bool Contains(std::u16string_view text, std::u16string_view part) {
    return text.find(part) != std::u16string_view::npos;
}

}  // namespace orvik::device
