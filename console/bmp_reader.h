#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "console/logo_bitmap.h"

// Reads a logo from a Windows bitmap file (.bmp) without a toolkit, for the command line. Only
// what a logo can be is read: an uncompressed bitmap of one plane and one bit per pixel, with
// a core or an info header, stored bottom-up or top-down. Every length and offset is checked
// against the bytes there are: no file can make it read outside them.
namespace orvik::console {

enum class BmpStatus {
    Loaded,
    // Not a bitmap, or one cut short or inconsistent: "Ошибка при загрузке битового образа".
    Unreadable,
    // A bitmap, but not a two-colour one of at most 432 x 192: the wrong-format message.
    WrongFormat,
};

struct BmpLoad {
    BmpStatus status = BmpStatus::Unreadable;
    MonoBitmap bitmap;  // set when Loaded
    // Unreadable because the file could not be read at all: the system's error number, or
    // support's for what is no regular file. 0 when it was read and is no bitmap.
    int fileError = 0;
};

// The largest file read; a two-colour 432 x 192 bitmap takes about 11 KB, so a larger file is
// not such a picture.
inline constexpr std::size_t kMaxBmpFileBytes = 1 << 20;

BmpLoad ReadMonoBmp(std::span<const std::uint8_t> bytes);
// A file that cannot be opened or read is Unreadable.
BmpLoad ReadMonoBmpFile(const std::filesystem::path& path);

}  // namespace orvik::console
