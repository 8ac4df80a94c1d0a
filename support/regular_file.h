#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace orvik::support {

// Opening and reading the files a user names (a logo, footer lines, a receipt or command file)
// without ever waiting on them: a FIFO with no writer or a device could hold the program
// forever, and /dev/zero never ends. Only regular files are read, and only up to a bound.

// Error numbers of our own beside the system's, for SystemErrorText.
inline constexpr int kErrorNotRegularFile = 100000;
inline constexpr int kErrorFileTooLarge = 100001;

// Opens a regular file for reading without blocking: its descriptor, or -1 with the system's
// error number, or kErrorNotRegularFile for a FIFO, a device, a socket or a folder, in error.
int OpenRegularFile(const std::filesystem::path& path, int& error);

struct RegularFileRead {
    bool read = false;
    int error = 0;  // when not read: the system's error number or one of ours above
    std::string bytes;
};

// The whole content of a regular file of at most maxBytes (kErrorFileTooLarge when larger).
RegularFileRead ReadRegularFile(const std::filesystem::path& path, std::size_t maxBytes);

}  // namespace orvik::support
