#include "console/bmp_reader.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "support/regular_file.h"

namespace orvik::console {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
// The later info headers (V2 to V5) keep the first 40 bytes.
constexpr std::uint32_t kLargestHeaderSize = 124;
constexpr std::uint32_t kUncompressed = 0;

// Little-endian numbers at an offset already known to lie inside the bytes.
std::uint32_t U16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8));
}
std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
    return U16(b, at) | (U16(b, at + 2) << 16);
}
std::int32_t I32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::int32_t>(U32(b, at));
}

struct Header {
    std::int64_t width = 0;
    std::int64_t height = 0;  // negative: rows stored top first
    std::uint32_t planes = 0;
    std::uint32_t bitsPerPixel = 0;
    std::uint32_t compression = kUncompressed;
    std::size_t paletteAt = 0;
    std::size_t paletteEntrySize = 4;
    std::size_t paletteEntries = 2;
};

std::optional<Header> ReadHeader(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kFileHeaderSize + 4 || bytes[0] != 'B' || bytes[1] != 'M') {
        return std::nullopt;
    }
    const std::uint32_t size = U32(bytes, kFileHeaderSize);
    if (bytes.size() < kFileHeaderSize + std::min(size, kLargestHeaderSize)) {
        return std::nullopt;
    }
    Header header;
    constexpr std::size_t at = kFileHeaderSize;
    if (size == kCoreHeaderSize) {
        header.width = U16(bytes, at + 4);
        header.height = U16(bytes, at + 6);
        header.planes = U16(bytes, at + 8);
        header.bitsPerPixel = U16(bytes, at + 10);
        header.paletteEntrySize = 3;
    } else if (size >= kInfoHeaderSize && size <= kLargestHeaderSize) {
        header.width = I32(bytes, at + 4);
        header.height = I32(bytes, at + 8);
        header.planes = U16(bytes, at + 12);
        header.bitsPerPixel = U16(bytes, at + 14);
        header.compression = U32(bytes, at + 16);
        const std::uint32_t coloursUsed = U32(bytes, at + 32);
        // A two-colour palette has at most two entries that matter; a bitmap that claims one
        // has nothing to say about the other pixel value and is not read.
        if (coloursUsed == 1) {
            return std::nullopt;
        }
    } else {
        return std::nullopt;
    }
    header.paletteAt = kFileHeaderSize + size;
    return header;
}

}  // namespace

BmpLoad ReadMonoBmp(std::span<const std::uint8_t> bytes) {
    BmpLoad load;
    const std::optional<Header> header = ReadHeader(bytes);
    if (!header) {
        return load;
    }
    // A picture with no pixels is no logo; it would load no row and switch printing on.
    if (header->width <= 0 || header->height == 0) {
        return load;
    }
    const std::int64_t height = header->height < 0 ? -header->height : header->height;
    const int width = static_cast<int>(std::min<std::int64_t>(header->width, kMaxLogoWidth + 1));
    const int rows = static_cast<int>(std::min<std::int64_t>(height, kMaxLogoHeight + 1));
    if (!IsAcceptableLogoFormat(width, rows, static_cast<int>(header->planes),
                                static_cast<int>(header->bitsPerPixel)) ||
        header->compression != kUncompressed) {
        load.status = BmpStatus::WrongFormat;
        return load;
    }
    const std::size_t paletteEnd =
        header->paletteAt + header->paletteEntries * header->paletteEntrySize;
    const std::uint32_t dataAt = U32(bytes, 10);
    // Rows are stored in whole 32-bit words.
    const std::size_t stride = static_cast<std::size_t>((width + 31) / 32) * 4;
    const std::size_t dataSize = stride * static_cast<std::size_t>(rows);
    if (paletteEnd > bytes.size() || dataAt > bytes.size() || bytes.size() - dataAt < dataSize) {
        return load;
    }
    std::array<PaletteColour, 2> palette;
    for (std::size_t i = 0; i < 2; ++i) {
        const std::size_t entry = header->paletteAt + i * header->paletteEntrySize;
        // Stored blue, green, red.
        palette[i] = PaletteColour{bytes[entry + 2], bytes[entry + 1], bytes[entry]};
    }
    const std::array<bool, 2> dots = DotColours(palette[0], palette[1]);
    const bool topDown = header->height < 0;
    const std::uint8_t* data = bytes.data() + dataAt;
    load.bitmap = MakeMonoBitmap(width, rows, [&](int x, int y) {
        const std::size_t stored = static_cast<std::size_t>(topDown ? y : rows - 1 - y);
        const std::uint8_t byte = data[stored * stride + static_cast<std::size_t>(x / 8)];
        return dots[(byte >> (7 - x % 8)) & 1];
    });
    load.status = BmpStatus::Loaded;
    return load;
}

BmpLoad ReadMonoBmpFile(const std::filesystem::path& path) {
    support::RegularFileRead file = support::ReadRegularFile(path, kMaxBmpFileBytes);
    if (!file.read) {
        BmpLoad load;
        if (file.error == support::kErrorFileTooLarge) {
            load.status = BmpStatus::WrongFormat;
        } else {
            load.fileError = file.error;
        }
        return load;
    }
    const auto* data = reinterpret_cast<const std::uint8_t*>(file.bytes.data());
    return ReadMonoBmp(std::span<const std::uint8_t>(data, file.bytes.size()));
}

}  // namespace orvik::console
