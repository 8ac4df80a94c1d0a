#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>

#include "support/text_codec.h"

// Readable forms for failure messages: bytes as "FD 4E 55", texts as UTF-8.
inline std::string HexDump(std::span<const std::uint8_t> bytes) {
    std::string out;
    for (std::uint8_t b : bytes) {
        char cell[4];
        std::snprintf(cell, sizeof(cell), "%02X ", b);
        out += cell;
    }
    if (!out.empty()) {
        out.pop_back();
    }
    return out;
}

inline std::string Utf8(std::u16string_view text) {
    return orvik::support::ToUtf8(text);
}
