#include "support/text_codec.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <mutex>
#include <utility>
#include <vector>

namespace orvik::support {

namespace {

struct SingleByteTable {
    std::array<char16_t, 256> toUnicode{};
    // (unicode, byte) pairs sorted by unicode, for encoding.
    std::vector<std::pair<char16_t, std::uint8_t>> fromUnicode;
};

SingleByteTable BuildTable(const char* iconvName) {
    SingleByteTable table;
    iconv_t cd = iconv_open("UTF-16LE", iconvName);
    for (int b = 0; b < 256; ++b) {
        char16_t unit = 0xFFFD;
        if (cd != reinterpret_cast<iconv_t>(-1)) {
            char in = static_cast<char>(b);
            unsigned char out[4] = {};
            char* inPtr = &in;
            char* outPtr = reinterpret_cast<char*>(out);
            size_t inLeft = 1;
            size_t outLeft = sizeof(out);
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1) &&
                outLeft == 2) {
                unit = static_cast<char16_t>(out[0] | (out[1] << 8));
            }
        }
        table.toUnicode[b] = unit;
        if (unit != 0xFFFD) {
            table.fromUnicode.emplace_back(unit, static_cast<std::uint8_t>(b));
        }
    }
    if (cd != reinterpret_cast<iconv_t>(-1)) {
        iconv_close(cd);
    }
    std::sort(table.fromUnicode.begin(), table.fromUnicode.end());
    return table;
}

const SingleByteTable& Table(CodePage page) {
    static const SingleByteTable oem = BuildTable("CP866");
    static const SingleByteTable ansi = BuildTable("CP1251");
    return page == CodePage::Oem866 ? oem : ansi;
}

}  // namespace

char16_t DecodeByte(CodePage page, std::uint8_t byte) {
    return Table(page).toUnicode[byte];
}

std::uint8_t EncodeChar(CodePage page, char16_t ch) {
    const auto& map = Table(page).fromUnicode;
    auto it = std::lower_bound(map.begin(), map.end(), std::make_pair(ch, std::uint8_t{0}));
    if (it != map.end() && it->first == ch) {
        return it->second;
    }
    return kDefaultChar;
}

std::u16string Decode(CodePage page, std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        text.push_back(DecodeByte(page, static_cast<std::uint8_t>(c)));
    }
    return text;
}

std::string Encode(CodePage page, std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (char16_t ch : text) {
        bytes.push_back(static_cast<char>(EncodeChar(page, ch)));
    }
    return bytes;
}

namespace {

// Runs iconv over the whole input, replacing what cannot be converted.
std::string ConvertWithIconv(const char* to, const char* from, const char* input, size_t size,
                             std::string_view replacement, size_t unitSize) {
    std::string output;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return output;
    }
    char* inPtr = const_cast<char*>(input);
    size_t inLeft = size;
    std::vector<char> buffer(size * 4 + 16);
    while (inLeft > 0) {
        char* outPtr = buffer.data();
        size_t outLeft = buffer.size();
        size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        output.append(buffer.data(), buffer.size() - outLeft);
        if (rc == static_cast<size_t>(-1)) {
            if (errno == E2BIG) {
                continue;
            }
            // Invalid or incomplete input: replace one unit and go on.
            output.append(replacement);
            size_t skip = std::min(unitSize, inLeft);
            inPtr += skip;
            inLeft -= skip;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return output;
}

}  // namespace

std::string ToUtf8(std::u16string_view text) {
    return ConvertWithIconv("UTF-8", "UTF-16LE", reinterpret_cast<const char*>(text.data()),
                            text.size() * sizeof(char16_t), "\xEF\xBF\xBD", sizeof(char16_t));
}

std::u16string FromUtf8(std::string_view text) {
    static const char kReplacement[] = {'\xFD', '\xFF'};
    std::string bytes = ConvertWithIconv("UTF-16LE", "UTF-8", text.data(), text.size(),
                                         std::string_view(kReplacement, 2), 1);
    std::u16string result(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < result.size(); ++i) {
        result[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                          (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    }
    return result;
}

bool IsValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        std::size_t length = 0;
        std::uint32_t code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07u;
        } else {
            return false;
        }
        if (i + length > bytes.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0u) != 0x80u) {
                return false;
            }
            code = (code << 6) | (next & 0x3Fu);
        }
        const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
        if (overlong || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
            return false;
        }
        i += length;
    }
    return true;
}

std::string EscapeControls(std::string_view utf8) {
    std::string shown;
    shown.reserve(utf8.size());
    char escape[8];
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if ((byte < 0x20 && byte != '\n' && byte != '\t') || byte == 0x7F) {
            std::snprintf(escape, sizeof(escape), "\\x%02X", byte);
            shown += escape;
        } else if (byte == 0xC2 && i + 1 < utf8.size() &&
                   static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(utf8[i + 1]) <= 0x9F) {
            std::snprintf(escape, sizeof(escape), "\\u00%02X",
                          static_cast<unsigned char>(utf8[i + 1]));
            shown += escape;
            ++i;
        } else {
            shown += utf8[i];
        }
    }
    return shown;
}

}  // namespace orvik::support
