// Saving through a temporary file: the target is replaced only by a file written whole, keeps
// its permissions and its symbolic links, and a failure leaves it as it was.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "support/atomic_file.h"
#include "tests/unit/scratch_folder.h"

using namespace orvik::support;

namespace {

using orvik::support::FileWriteStatus;
using orvik::support::WriteFileReplacing;
namespace fs = std::filesystem;

mode_t ModeOf(const fs::path& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0);
    return info.st_mode & 07777;
}

// While it lives, this process may write no file beyond `bytes`: a write past that fails
// with EFBIG, as on a full disk.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        m_oldHandler = ::signal(SIGXFSZ, SIG_IGN);
        EXPECT_EQ(::getrlimit(RLIMIT_FSIZE, &m_old), 0);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        ::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

TEST(AtomicFile, WritesANewFileAndLeavesNothingElse) {
    ScratchFolder folder;
    const fs::path target = folder / "new.cmd";
    const std::string bytes("A\r\n\0B\xC0\r\n", 8);
    const auto result = WriteFileReplacing(target, bytes);
    EXPECT_EQ(result.status, FileWriteStatus::Written);
    EXPECT_EQ(ReadBytes(target), bytes);
    EXPECT_EQ(folder.EntryCount(), 1u);

    // A new file gets the mode any new file gets under the umask.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(ModeOf(target), 0666 & ~mask);
}

TEST(AtomicFile, ReplacesATargetKeepingItsPermissionsAndItsLink) {
    ScratchFolder folder;
    const fs::path target = folder / "report.rpt";
    WriteBytes(target, "old content that is longer than the new one\r\n");
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    const fs::path link = folder / "link.rpt";
    fs::create_symlink(target.filename(), link);

    EXPECT_EQ(WriteFileReplacing(link, ">PREP\r\n").status, FileWriteStatus::Written);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(target), ">PREP\r\n");
    EXPECT_EQ(ModeOf(target), 0640u);
    EXPECT_EQ(folder.EntryCount(), 2u);

    // An empty content truncates.
    EXPECT_EQ(WriteFileReplacing(target, "").status, FileWriteStatus::Written);
    EXPECT_EQ(fs::file_size(target), 0u);
}

TEST(AtomicFile, APlaceThatCannotHoldTheFileChangesNothing) {
    ScratchFolder folder;
    const auto missing = WriteFileReplacing(folder / "no-such-folder" / "a.cmd", "A\r\n");
    EXPECT_EQ(missing.status, FileWriteStatus::CannotCreate);
    EXPECT_EQ(missing.error, ENOENT);

    const fs::path directory = folder / "a-folder.cmd";
    fs::create_directory(directory);
    const auto onFolder = WriteFileReplacing(directory, "A\r\n");
    EXPECT_EQ(onFolder.status, FileWriteStatus::CannotCreate);
    EXPECT_TRUE(fs::is_directory(directory));
    EXPECT_EQ(folder.EntryCount(), 1u);

    // A device is not replaced by a file.
    const auto onDevice = WriteFileReplacing("/dev/null", "A\r\n");
    EXPECT_EQ(onDevice.status, FileWriteStatus::CannotCreate);
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST(AtomicFile, AFailedWriteKeepsThePreviousFileWhole) {
    ScratchFolder folder;
    const fs::path target = folder / "commands.cmd";
    const std::string previous = "PREP\r\nCOMP\r\n";
    WriteBytes(target, previous);

    orvik::support::FileWriteResult result;
    {
        const FileSizeLimit limit(1024);
        result = WriteFileReplacing(target, std::string(4096, 'X'));
    }
    EXPECT_EQ(result.status, FileWriteStatus::WriteError);
    EXPECT_EQ(result.error, EFBIG);
    EXPECT_EQ(ReadBytes(target), previous);
    // The partly written temporary file is gone.
    EXPECT_EQ(folder.EntryCount(), 1u);
}

}  // namespace
