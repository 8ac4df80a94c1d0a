#include "console/logo_bitmap.h"

#include <algorithm>

namespace orvik::console {

namespace {

// Perceived brightness from 0 to 255.
int Brightness(const PaletteColour& colour) {
    return (colour.red * 299 + colour.green * 587 + colour.blue * 114) / 1000;
}

constexpr int kDarkBelow = 128;

}  // namespace

std::size_t LogoBytesPerRow(int width) {
    return width <= 0 ? 0 : static_cast<std::size_t>((width + 15) / 16) * 2;
}

std::size_t MonoBitmap::BytesPerRow() const {
    return LogoBytesPerRow(width);
}

bool MonoBitmap::IsDot(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) {
        return false;
    }
    const std::size_t index =
        static_cast<std::size_t>(y) * BytesPerRow() + static_cast<std::size_t>(x / 8);
    if (index >= bits.size()) {
        return false;
    }
    return (bits[index] & (0x80 >> (x % 8))) == 0;
}

MonoBitmap MakeMonoBitmap(int width, int height, const std::function<bool(int x, int y)>& isDot) {
    MonoBitmap bitmap;
    if (width < 0 || height < 0 || width > kMaxLogoWidth || height > kMaxLogoHeight) {
        return bitmap;
    }
    bitmap.width = width;
    bitmap.height = height;
    const std::size_t stride = bitmap.BytesPerRow();
    // All white, the padding included; the dots are cleared bits.
    bitmap.bits.assign(stride * static_cast<std::size_t>(height), 0xFF);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (isDot(x, y)) {
                bitmap
                    .bits[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x / 8)] &=
                    static_cast<std::uint8_t>(~(0x80 >> (x % 8)));
            }
        }
    }
    return bitmap;
}

std::array<bool, 2> DotColours(const PaletteColour& first, const PaletteColour& second) {
    const int a = Brightness(first);
    const int b = Brightness(second);
    if (a == b) {
        const bool dark = a < kDarkBelow;
        return {dark, dark};
    }
    return {a < b, b < a};
}

bool IsAcceptableLogoFormat(int width, int height, int planes, int bitsPerPixel) {
    return planes == 1 && bitsPerPixel == 1 && width > 0 && height > 0 && width <= kMaxLogoWidth &&
           height <= kMaxLogoHeight;
}

std::u16string LogoRowText(const MonoBitmap& bitmap, int row) {
    static constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";
    const std::size_t stride = bitmap.BytesPerRow();
    if (row < 0 || row >= bitmap.height ||
        (static_cast<std::size_t>(row) + 1) * stride > bitmap.bits.size()) {
        return {};
    }
    const std::size_t count = std::min(stride, kMaxLogoRowBytes);
    std::u16string text;
    text.reserve(count * 2);
    const std::uint8_t* bytes = bitmap.bits.data() + static_cast<std::size_t>(row) * stride;
    for (std::size_t i = 0; i < count; ++i) {
        // Bits beyond the picture's width go out white whatever the bitmap holds there.
        const int firstPixel = static_cast<int>(i) * 8;
        const int inside = std::clamp(bitmap.width - firstPixel, 0, 8);
        const auto padding = static_cast<std::uint8_t>(0xFF >> inside);
        const auto dots = static_cast<std::uint8_t>(~(bytes[i] | padding));
        text += kHexDigits[dots >> 4];
        text += kHexDigits[dots & 0x0F];
    }
    return text;
}

}  // namespace orvik::console
