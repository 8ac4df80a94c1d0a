#include "device/link/frame.h"

#include <algorithm>

#include "support/text_codec.h"

namespace orvik::device {

std::uint32_t FrameChecksum(std::span<const std::uint8_t> bytes) {
    std::uint32_t h = 0;
    for (std::uint8_t b : bytes) {
        // Each byte enters sign-extended, as the register computes it.
        const auto s =
            static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<std::int8_t>(b)));
        h ^= s;
        const std::uint32_t c = (h ^ (h << 4)) & 0xFFu;
        h = (((h >> 4) ^ c) >> 4) ^ (((c << 5) ^ c) << 3);
    }
    return h;
}

std::size_t BuildCommandFrame(std::u16string_view text, std::span<std::uint8_t> out) {
    if (out.size() < 5) {
        return 0;  // not even an empty frame fits
    }
    const std::size_t n = std::min({text.size(), kMaxCommandText, out.size() - 5});
    out[0] = kFrameStart;
    for (std::size_t i = 0; i < n; ++i) {
        const char16_t ch = text[i];
        std::uint8_t byte;
        if (ch == u'\u0406') {
            byte = 'I';
        } else if (ch == u'\u0456') {
            byte = 'i';
        } else {
            byte = support::EncodeChar(support::CodePage::Oem866, ch);
        }
        out[1 + i] = byte;
    }
    out[n + 1] = static_cast<std::uint8_t>((n + 1) % 256);
    out[n + 2] = kFrameEnd;
    out[n + 3] = 0x00;
    out[n + 4] = static_cast<std::uint8_t>(FrameChecksum(out.first(n + 3)) & 0xFFu);
    return n + 5;
}

}  // namespace orvik::device
