#pragma once

#include <filesystem>
#include <string_view>

namespace orvik::support {

// Saving a file so that a failure never destroys what was there: the bytes go to a temporary
// file beside the target, which replaces the target only once it is written whole.

enum class FileWriteStatus {
    Written,
    // Nothing was touched: the folder, the target or a temporary file cannot be written.
    CannotCreate,
    // Writing failed after the temporary file was made; the target is as it was.
    WriteError,
};

struct FileWriteResult {
    FileWriteStatus status = FileWriteStatus::Written;
    int error = 0;  // the system's error number, for every status but Written
};

// Writes bytes as the whole content of path. A target that is a symbolic link stays one: the
// file it points to is replaced. A replaced file keeps its permissions. A target that exists
// but may not be written, or is no regular file, counts as one that cannot be created.
FileWriteResult WriteFileReplacing(const std::filesystem::path& path, std::string_view bytes);

}  // namespace orvik::support
