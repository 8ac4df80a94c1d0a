// Command files: comments, blank lines and leading blanks are dropped on reading, every line
// of the box is written, and hostile files are refused without harm.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <future>
#include <span>
#include <string>
#include <vector>

#include "console/command_file.h"
#include "support/regular_file.h"
#include "support/text_codec.h"
#include "tests/unit/scratch_folder.h"

using namespace orvik::console;

namespace {

using namespace orvik::console;
using Lines = std::vector<std::u16string>;

std::string Cp1251(std::u16string_view text) {
    return orvik::support::Encode(orvik::support::CodePage::Ansi1251, text);
}

CommandFileLoad Read(std::string_view bytes) {
    orvik::support::MemoryTextSource source(bytes);
    return ReadCommandFile(source);
}

// Gives its bytes, then fails as a disk does.
class CFailingSource final : public orvik::support::ITextSource {
  public:
    explicit CFailingSource(std::string_view bytes) : m_bytes(bytes) {}
    std::ptrdiff_t Read(std::span<std::uint8_t> buffer, int& error) override {
        if (m_bytes.empty()) {
            error = EIO;
            return -1;
        }
        const std::size_t count = std::min(buffer.size(), m_bytes.size());
        std::copy_n(m_bytes.begin(), count, buffer.begin());
        m_bytes.remove_prefix(count);
        return static_cast<std::ptrdiff_t>(count);
    }

  private:
    std::string_view m_bytes;
};

TEST(CommandFile, ALineIsACommandUnlessBlankOrAComment) {
    EXPECT_EQ(CommandOfLine(u"PREP"), u"PREP");
    EXPECT_EQ(CommandOfLine(u" \t PREP  "), u"PREP  ");  // trailing blanks stay
    EXPECT_EQ(CommandOfLine(u"PREP # not a comment"), u"PREP # not a comment");
    EXPECT_EQ(CommandOfLine(u""), std::nullopt);
    EXPECT_EQ(CommandOfLine(u" \t\v\f "), std::nullopt);
    EXPECT_EQ(CommandOfLine(u"#PREP"), std::nullopt);
    EXPECT_EQ(CommandOfLine(u"   ;PREP"), std::nullopt);
}

TEST(CommandFile, ReadsTheCommandsOfTheFiveLineExample) {
    const auto load = Read("# a comment\r\n   ; a comment too\r\n\r\n  CONF\r\nDATE\r\n");
    EXPECT_EQ(load.status, CommandFileStatus::Loaded);
    EXPECT_EQ(load.commands, (Lines{u"CONF", u"DATE"}));
}

TEST(CommandFile, LineEndsOfEveryKindAndNoneAtTheEnd) {
    EXPECT_EQ(Read("CONF\r\nDATE").commands, (Lines{u"CONF", u"DATE"}));
    EXPECT_EQ(Read("CONF\nDATE\n").commands, (Lines{u"CONF", u"DATE"}));
    EXPECT_EQ(Read("CO\rNF\r\n").commands, (Lines{u"CONF"}));
    EXPECT_EQ(Read("").commands, Lines{});
    EXPECT_EQ(Read(Cp1251(u"FISC Молоко 1 \r\n")).commands, (Lines{u"FISC Молоко 1 "}));
}

TEST(CommandFile, AVeryLongLineContinuesAsTheNextCommand) {
    // The first 4095 bytes make one line; the rest of the line is the next one.
    const std::string bytes = "  " + std::string(5000, 'X') + "\r\nDATE\r\n";
    const auto load = Read(bytes);
    ASSERT_EQ(load.commands.size(), 3u);
    EXPECT_EQ(load.commands[0], std::u16string(4093, u'X'));
    EXPECT_EQ(load.commands[1], std::u16string(907, u'X'));
    EXPECT_EQ(load.commands[2], u"DATE");
}

TEST(CommandFile, RefusesWhatIsNoTextOrTooMuch) {
    const auto binary = Read(std::string("CONF\r\nDA\0TE\r\n", 13));
    EXPECT_EQ(binary.status, CommandFileStatus::Binary);
    EXPECT_EQ(binary.lineNumber, 2u);
    EXPECT_TRUE(binary.commands.empty());

    // A UTF-16 file is full of zero bytes.
    EXPECT_EQ(Read(std::string("\xFF\xFE"
                               "C\0O\0",
                               6))
                  .status,
              CommandFileStatus::Binary);

    std::string many;
    for (std::size_t i = 0; i < kMaxLoadedCommands; ++i) {
        many += "CONF\n";
    }
    EXPECT_EQ(Read(many).status, CommandFileStatus::Loaded);
    EXPECT_EQ(Read(many + "# a comment does not count\n").status, CommandFileStatus::Loaded);
    many += "DATE\n";
    const auto tooMany = Read(many);
    EXPECT_EQ(tooMany.status, CommandFileStatus::TooManyCommands);
    EXPECT_TRUE(tooMany.commands.empty());
}

TEST(CommandFile, AReadErrorKeepsNothing) {
    CFailingSource source("CONF\r\nDATE\r\n");
    const auto load = ReadCommandFile(source);
    EXPECT_EQ(load.status, CommandFileStatus::ReadError);
    EXPECT_EQ(load.error, EIO);
    EXPECT_TRUE(load.commands.empty());
}

TEST(CommandFile, WritesEveryLineOfTheBoxWithCrLf) {
    EXPECT_EQ(FormatCommandFile(Lines{u"CONF", u"", u" DATE ", u""}), "CONF\r\n\r\n DATE \r\n\r\n");
    EXPECT_EQ(FormatCommandFile(Lines{u"FISC Хлеб"}), Cp1251(u"FISC Хлеб\r\n"));
    EXPECT_EQ(FormatCommandFile(Lines{u"A\rB\nC"}), "ABC\r\n");
    // A line keeps its first 1023 characters.
    EXPECT_EQ(FormatCommandFile(Lines{std::u16string(1100, u'Ж')}),
              Cp1251(std::u16string(1023, u'Ж')) + "\r\n");
}

TEST(CommandFile, SavedCommandsLoadBackWithoutTheEmptyLines) {
    ScratchFolder folder;
    const auto path = folder / "commands.cmd";
    const Lines box{u"CONF", u"", u"  DATE", u"#keep me out"};
    ASSERT_EQ(SaveCommandFile(path, box).status, orvik::support::FileWriteStatus::Written);
    EXPECT_EQ(ReadBytes(path), "CONF\r\n\r\n  DATE\r\n#keep me out\r\n");
    const auto load = LoadCommandFile(path);
    EXPECT_EQ(load.status, CommandFileStatus::Loaded);
    EXPECT_EQ(load.commands, (Lines{u"CONF", u"DATE"}));
}

TEST(CommandFile, FilesThatCannotBeOpenedOrRead) {
    ScratchFolder folder;
    const auto missing = LoadCommandFile(folder / "none.cmd");
    EXPECT_EQ(missing.status, CommandFileStatus::CannotOpen);
    EXPECT_EQ(missing.error, ENOENT);
    // A folder is no file: refused at the open, as a device is.
    for (const std::filesystem::path& path : {folder.Path(), std::filesystem::path("/dev/zero")}) {
        const auto odd = LoadCommandFile(path);
        EXPECT_EQ(odd.status, CommandFileStatus::CannotOpen) << path;
        EXPECT_EQ(odd.error, orvik::support::kErrorNotRegularFile) << path;
    }
}

TEST(CommandFile, APipeIsNoCommandFileAndKeepsNobodyWaiting) {
    ScratchFolder folder;
    const auto pipe = folder / "commands.cmd";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    // Nothing ever writes into the pipe: a reader that waits for a writer waits for good.
    auto load = std::async(std::launch::async, [&pipe] { return LoadCommandFile(pipe); });
    if (load.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        // Let the waiting reader go, so that the test ends.
        const int writer = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (writer >= 0) {
            ::close(writer);
        }
        FAIL() << "loading a pipe waits for a writer";
    }
    const auto result = load.get();
    EXPECT_EQ(result.status, CommandFileStatus::CannotOpen);
    EXPECT_TRUE(result.commands.empty());
}

}  // namespace
