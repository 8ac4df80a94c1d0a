// Feeds arbitrary bytes to the logo's bitmap reader and, read as a small picture (a width, a
// height and pixels), to the row packing. Whatever the bytes: a picture read is within the
// register's 432 x 192; every row goes out as upper-case hexadecimal of whole 16-pixel words,
// at most 108 digits; each digit says exactly which pixels are dots; and the padding beyond the
// picture's width is white.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "console/bmp_reader.h"
#include "console/logo_bitmap.h"
#include "fuzz/fuzz_check.h"

using namespace orvik::console;

namespace {

int HexValue(char16_t ch) {
    if (ch >= u'0' && ch <= u'9') {
        return ch - u'0';
    }
    Check(ch >= u'A' && ch <= u'F');
    return ch - u'A' + 10;
}

void CheckRows(const MonoBitmap& bitmap) {
    Check(bitmap.width >= 0 && bitmap.width <= kMaxLogoWidth);
    Check(bitmap.height >= 0 && bitmap.height <= kMaxLogoHeight);
    Check(bitmap.bits.size() == bitmap.BytesPerRow() * static_cast<std::size_t>(bitmap.height));
    const std::size_t digits = 2 * std::min(bitmap.BytesPerRow(), kMaxLogoRowBytes);
    Check(digits % 4 == 0 && digits <= 108);
    for (int y = 0; y < bitmap.height; ++y) {
        const std::u16string text = LogoRowText(bitmap, y);
        Check(text.size() == digits);
        for (std::size_t x = 0; x < digits * 4; ++x) {
            const bool dot = (HexValue(text[x / 4]) & (0x8 >> (x % 4))) != 0;
            Check(dot == bitmap.IsDot(static_cast<int>(x), y));
        }
    }
    Check(LogoRowText(bitmap, bitmap.height).empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const BmpLoad load = ReadMonoBmp(bytes);
    if (load.status == BmpStatus::Loaded) {
        Check(load.bitmap.width > 0 && load.bitmap.height > 0);
        CheckRows(load.bitmap);
    } else {
        Check(load.bitmap.bits.empty());
    }

    // The same bytes as a small picture: a width of 1 to 432, a height of 0 to 7, then the
    // pixels, a set bit a dot, repeated as far as the picture needs.
    if (size >= 3) {
        const int width = 1 + (data[0] | (data[1] << 8)) % kMaxLogoWidth;
        const int height = data[2] % 8;
        const std::span<const std::uint8_t> pixels = bytes.subspan(3);
        const MonoBitmap bitmap = MakeMonoBitmap(width, height, [&](int x, int y) {
            if (pixels.empty()) {
                return false;
            }
            const std::size_t bit = static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                    static_cast<std::size_t>(x);
            return (pixels[(bit / 8) % pixels.size()] & (0x80 >> (bit % 8))) != 0;
        });
        Check(bitmap.width == width && bitmap.height == height);
        CheckRows(bitmap);
    }
    return 0;
}
