#include "support/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>
#include <system_error>

namespace orvik::support {

namespace {

constexpr int kTemporaryNameAttempts = 100;

FileWriteResult Failure(FileWriteStatus status, int error) {
    return FileWriteResult{status, error};
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The file that is really meant: the end of a chain of symbolic links, so that replacing it
// keeps the links. A path that does not resolve is taken as it is.
std::filesystem::path ResolvedTarget(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
    return error || resolved.empty() ? path : resolved;
}

// Distinct temporary names within one process, also across threads.
unsigned NextTemporaryNumber() {
    static std::atomic<unsigned> counter{0};
    return counter.fetch_add(1, std::memory_order_relaxed);
}

}  // namespace

FileWriteResult WriteFileReplacing(const std::filesystem::path& path, std::string_view bytes) {
    const std::filesystem::path target = ResolvedTarget(path);

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists) {
        if (S_ISDIR(existing.st_mode)) {
            return Failure(FileWriteStatus::CannotCreate, EISDIR);
        }
        // A device, a pipe or a socket is no file to be replaced.
        if (!S_ISREG(existing.st_mode)) {
            return Failure(FileWriteStatus::CannotCreate, EINVAL);
        }
        // Opening a read-only file for writing would fail; renaming over it would not.
        if (::access(target.c_str(), W_OK) != 0) {
            return Failure(FileWriteStatus::CannotCreate, errno);
        }
    } else if (errno != ENOENT) {
        return Failure(FileWriteStatus::CannotCreate, errno);
    }

    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    std::filesystem::path temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        temporary =
            folder / ("." + target.filename().string() + ".tmp-" + std::to_string(::getpid()) +
                      "-" + std::to_string(NextTemporaryNumber()));
        // The mode is what a new file gets under the umask; a replaced file's follows below.
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && (errno != EEXIST || attempt + 1 >= kTemporaryNameAttempts)) {
            return Failure(FileWriteStatus::CannotCreate, errno);
        }
    }

    bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0 &&
                   (!exists || ::fchmod(fd, existing.st_mode & 07777) == 0);
    int error = written ? 0 : errno;
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && ::rename(temporary.c_str(), target.c_str()) != 0) {
        written = false;
        error = errno;
    }
    if (!written) {
        ::unlink(temporary.c_str());
        return Failure(FileWriteStatus::WriteError, error);
    }
    // The new name is durable once the folder is; a folder that cannot be synced changes
    // nothing about the file's content.
    if (const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    return FileWriteResult{};
}

}  // namespace orvik::support
