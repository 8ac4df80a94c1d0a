#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Writes Windows bitmap files for the tests, one field at a time, so that a test can make a
// good two-colour logo or break exactly one thing about it.
struct BmpSpec {
    std::int32_t width = 16;
    std::int32_t height = 8;  // negative: rows stored top first
    std::uint16_t planes = 1;
    std::uint16_t bitsPerPixel = 1;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
    // Palette entries 0 and 1 as 0xRRGGBB.
    std::uint32_t colour0 = 0x000000;
    std::uint32_t colour1 = 0xFFFFFF;
    // Whether (x, y), y counted from the top, has palette index 1.
    std::function<bool(int x, int y)> index1 = [](int, int) { return true; };
    bool coreHeader = false;  // the 12-byte header of the oldest bitmaps
};

inline std::vector<std::uint8_t> MakeBmp(const BmpSpec& spec) {
    std::vector<std::uint8_t> out;
    auto put = [&out](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
        }
    };
    const std::uint32_t headerSize = spec.coreHeader ? 12 : 40;
    const int entrySize = spec.coreHeader ? 3 : 4;
    const std::uint32_t dataAt = 14 + headerSize + 2 * static_cast<std::uint32_t>(entrySize);
    const std::int32_t rows = spec.height < 0 ? -spec.height : spec.height;
    const std::int64_t rowBits = std::int64_t{spec.width} * spec.bitsPerPixel;
    const std::size_t stride = static_cast<std::size_t>((rowBits + 31) / 32) * 4;
    out.push_back('B');
    out.push_back('M');
    put(static_cast<std::uint32_t>(dataAt + stride * static_cast<std::size_t>(rows)), 4);
    put(0, 4);
    put(dataAt, 4);
    put(headerSize, 4);
    if (spec.coreHeader) {
        put(static_cast<std::uint32_t>(spec.width), 2);
        put(static_cast<std::uint32_t>(spec.height), 2);
    } else {
        put(static_cast<std::uint32_t>(spec.width), 4);
        put(static_cast<std::uint32_t>(spec.height), 4);
    }
    put(spec.planes, 2);
    put(spec.bitsPerPixel, 2);
    if (!spec.coreHeader) {
        put(spec.compression, 4);
        put(static_cast<std::uint32_t>(stride * static_cast<std::size_t>(rows)), 4);
        put(2835, 4);
        put(2835, 4);
        put(spec.coloursUsed, 4);
        put(0, 4);
    }
    for (const std::uint32_t colour : {spec.colour0, spec.colour1}) {
        put(colour & 0xFFFFFF, 3);  // blue, green, red
        if (!spec.coreHeader) {
            put(0, 1);
        }
    }
    for (std::int32_t stored = 0; stored < rows; ++stored) {
        const int y = spec.height < 0 ? stored : rows - 1 - stored;
        std::vector<std::uint8_t> row(stride, 0);
        if (spec.bitsPerPixel == 1) {
            for (int x = 0; x < spec.width; ++x) {
                if (spec.index1(x, y)) {
                    row[static_cast<std::size_t>(x / 8)] |=
                        static_cast<std::uint8_t>(0x80 >> (x % 8));
                }
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

inline std::string BmpString(const BmpSpec& spec) {
    const std::vector<std::uint8_t> bytes = MakeBmp(spec);
    return std::string(bytes.begin(), bytes.end());
}
