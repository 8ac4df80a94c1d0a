#include "support/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace orvik::support {

int OpenRegularFile(const std::filesystem::path& path, int& error) {
    // O_NONBLOCK: opening a FIFO does not wait for a writer, and a serial line's control lines
    // are not waited on. Whatever the path turned out to be is then refused unless a file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        error = errno;
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        error = errno;
        ::close(fd);
        return -1;
    }
    if (!S_ISREG(info.st_mode)) {
        error = kErrorNotRegularFile;
        ::close(fd);
        return -1;
    }
    // Reads of a regular file never wait on a writer; blocking reads are simpler to loop on.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

RegularFileRead ReadRegularFile(const std::filesystem::path& path, std::size_t maxBytes) {
    RegularFileRead result;
    const int fd = OpenRegularFile(path, result.error);
    if (fd < 0) {
        return result;
    }
    // One byte past the bound tells a file that is too large, even one that grew meanwhile.
    result.bytes.resize(maxBytes + 1);
    std::size_t size = 0;
    while (size < result.bytes.size()) {
        const ssize_t count = ::read(fd, result.bytes.data() + size, result.bytes.size() - size);
        if (count == 0) {
            break;
        }
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            result.error = errno;
            ::close(fd);
            result.bytes.clear();
            return result;
        }
        size += static_cast<std::size_t>(count);
    }
    ::close(fd);
    if (size > maxBytes) {
        result.error = kErrorFileTooLarge;
        result.bytes.clear();
        return result;
    }
    result.bytes.resize(size);
    result.read = true;
    return result;
}

}  // namespace orvik::support
