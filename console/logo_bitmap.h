#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The receipt logo without a toolkit: a two-colour picture kept the way a bitmap keeps it, the
// size the register takes, and the text of one row as the register loads it.
namespace orvik::console {

// The register prints a logo of at most 432 dots a row (54 bytes) and 192 rows.
inline constexpr int kMaxLogoWidth = 432;
inline constexpr int kMaxLogoHeight = 192;
inline constexpr std::size_t kMaxLogoRowBytes = 54;

// A two-colour picture: rows top first, eight pixels a byte with the leftmost pixel in the most
// significant bit, each row padded to a whole number of 16-pixel words. A set bit is a white
// pixel (no dot), as in a bitmap whose first colour is black; the padding bits are white.
struct MonoBitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bits;

    std::size_t BytesPerRow() const;
    // Whether the register prints a dot at (x, y); false outside the picture.
    bool IsDot(int x, int y) const;
};

// The bytes of a row of `width` pixels padded to 16-pixel words.
std::size_t LogoBytesPerRow(int width);

// A picture of width x height whose dots are where isDot(x, y) says. Nothing is made for a
// negative size or one beyond the register's (the result is then empty).
MonoBitmap MakeMonoBitmap(int width, int height, const std::function<bool(int x, int y)>& isDot);

// An RGB colour of a two-colour picture's palette.
struct PaletteColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

// Which of the two palette colours are printed as dots: the darker one. A picture whose two
// colours look alike is all dots when they are dark and all white when they are light. So a
// file whose palette lists white first prints the same as one that lists black first.
std::array<bool, 2> DotColours(const PaletteColour& first, const PaletteColour& second);

// Whether a picture may be the logo: one colour plane of one bit per pixel, at least one pixel
// and at most 432 x 192.
bool IsAcceptableLogoFormat(int width, int height, int planes, int bitsPerPixel);

// The text of one row for the register: the row's first bytes, at most 54, each inverted (a
// set bit is then a dot) and written as two upper-case hexadecimal digits. A 432-pixel row is
// 108 characters. Empty for a row outside the picture.
std::u16string LogoRowText(const MonoBitmap& bitmap, int row);

}  // namespace orvik::console
