// The protocol trace: the verdict on a reply's checksum, how received bytes are split into
// frames with their trailer, and the lines written to the file.
#include "device/link/protocol_trace.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <functional>
#include <mutex>
#include <regex>
#include <thread>

#include "device/link/frame.h"
#include "device/protocol/session_commands.h"
#include "tests/unit/scratch_folder.h"

namespace {

using orvik::device::ChecksumVerdict;
using Bytes = std::vector<std::uint8_t>;

// A reply frame as the register sends it: the same layout as a command frame.
Bytes Reply(std::u16string_view text) {
    std::array<std::uint8_t, orvik::device::kCommandFrameCapacity> frame;
    const std::size_t length = orvik::device::BuildCommandFrame(text, frame);
    return Bytes(frame.begin(), frame.begin() + static_cast<std::ptrdiff_t>(length));
}

TEST(CheckReplyChecksum, JudgesTheTrailer) {
    Bytes good = Reply(u"READY");
    Bytes bad = good;
    bad.back() ^= 0x01;
    Bytes cut = good;
    cut.pop_back();
    Bytes noEnd = {0xFD, 'R', 0x02};
    struct Row {
        const char* what;
        Bytes frame;
        ChecksumVerdict verdict;
    };
    for (const Row& row :
         {Row{"good", good, ChecksumVerdict::Ok}, Row{"bad", bad, ChecksumVerdict::Bad},
          Row{"cut", cut, ChecksumVerdict::Missing},
          Row{"no end", noEnd, ChecksumVerdict::Missing}}) {
        std::uint8_t expected = 0;
        EXPECT_EQ(orvik::device::CheckReplyChecksum(row.frame, &expected), row.verdict) << row.what;
    }
    std::uint8_t expected = 0;
    orvik::device::CheckReplyChecksum(bad, &expected);
    EXPECT_EQ(expected, good.back());
}

TEST(QuotedFrameText, DecodesAndEscapes) {
    EXPECT_EQ(orvik::device::QuotedFrameText(Reply(u"NULL")), "\"NULL\"");
    EXPECT_EQ(orvik::device::QuotedFrameText(Reply(u"UPAS0000     Касир")),
              "\"UPAS0000     Касир\"");
    EXPECT_EQ(orvik::device::QuotedFrameText(Bytes{0xFD, '"', '\\', 0x01, 0x04, 0xFE}),
              "\"\\\"\\\\\\x01\"");
}

// Each row: a command as the console builds it, and the event the trace shows for it. A log-in
// command's password field, padded or not, is masked character for character in the text and
// byte for byte in the hexadecimal, together with the checksum that would betray it.
TEST(SentFrameEvent, MasksThePasswordOfALogInAndNothingElse) {
    using orvik::device::BuildLoginCommand;
    const std::string masked = "** ** ** ** ** ** ** ** ** **";
    struct Row {
        std::u16string command;
        std::string event;
    };
    const std::vector<Row> rows = {
        {BuildLoginCommand(u"Касир", u"0000").text,
         "> \"UPAS**********Касир\" FD 55 50 41 53 " + masked + " 8A A0 E1 A8 E0 14 FE 00 **"},
        {BuildLoginCommand(u"Іван", u"пароль1234").text,
         "> \"UPAS**********Iван\" FD 55 50 41 53 " + masked + " 49 A2 A0 AD 13 FE 00 **"},
        {BuildLoginCommand(orvik::device::kServiceOperatorName, u"1234").text,
         "> \"SPAS**********\" FD 53 50 41 53 " + masked + " 0F FE 00 **"},
        // Typed by hand, shorter than the field.
        {u"UPAS12", "> \"UPAS**\" FD 55 50 41 53 ** ** 07 FE 00 **"},
        {u"NULL", "> \"NULL\" FD 4E 55 4C 4C 05 FE 00 19"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(orvik::device::SentFrameEvent(Reply(row.command)), row.event);
    }
}

// Reads the trace file back as lines without their time stamps.
std::vector<std::string> Events(const std::filesystem::path& path) {
    std::vector<std::string> events;
    std::istringstream in(ReadBytes(path));
    const std::regex stamp(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{6} (.*)$)");
    for (std::string line; std::getline(in, line);) {
        std::smatch match;
        EXPECT_TRUE(std::regex_match(line, match, stamp)) << line;
        events.push_back(match[1]);
    }
    return events;
}

constexpr auto kBound = std::chrono::seconds(20);

// Waits, within kBound, until done() holds; its last answer.
bool WaitUntil(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + kBound;
    while (!done() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return done();
}

TEST(ProtocolTrace, WritesEveryEventOnALineOfItsOwnAtOnce) {
    ScratchFolder folder;
    orvik::device::ProtocolTrace trace;
    std::string error;
    ASSERT_TRUE(trace.Open((folder / "t.trace").string(), &error)) << error;
    trace.Sent(Reply(u"NULL"));
    trace.WakeByte();
    trace.Baud(57600);
    trace.Dtr(false);
    trace.HangUp("Input/output error");
    // Written as it comes: the file holds everything before the trace is closed.
    const std::vector<std::string> expected = {
        "trace started", "> \"NULL\" FD 4E 55 4C 4C 05 FE 00 19",
        "> wake 55",     "baud 57600",
        "dtr off",       "hangup: Input/output error"};
    EXPECT_TRUE(WaitUntil([&] { return Events(folder / "t.trace").size() >= expected.size(); }));
    EXPECT_EQ(Events(folder / "t.trace"), expected);
}

// Each row: where the trace is asked to go, whether it starts there, the reason it gives
// otherwise, and what must hold of the place afterwards. Nothing waits for a reader.
TEST(ProtocolTrace, StartsOnlyWhereATraceBelongs) {
    struct Row {
        const char* what;
        std::function<std::string(const ScratchFolder&)> make;  // the path
        std::string reason;                                     // empty: the trace starts
        std::function<void(const ScratchFolder&)> check;
    };
    const auto untouched = [](const ScratchFolder& folder) {
        EXPECT_EQ(ReadBytes(folder / "target"), "a receipt");
    };
    const std::vector<Row> rows = {
        {"a new file, whatever the umask",
         [](const ScratchFolder& folder) { return (folder / "t").string(); }, "",
         [](const ScratchFolder& folder) {
             struct stat what {};
             ASSERT_EQ(::stat((folder / "t").c_str(), &what), 0);
             EXPECT_EQ(what.st_mode & 07777, 0600u);
         }},
        {"a file of the user's own, emptied",
         [](const ScratchFolder& folder) {
             WriteBytes(folder / "t", std::string(100000, 'x'));
             return (folder / "t").string();
         },
         "",
         [](const ScratchFolder& folder) {
             EXPECT_EQ(ReadBytes(folder / "t").find('x'), std::string::npos);
         }},
        {"a symbolic link",
         [](const ScratchFolder& folder) {
             WriteBytes(folder / "target", "a receipt");
             std::filesystem::create_symlink(folder / "target", folder / "t");
             return (folder / "t").string();
         },
         "it is a symbolic link; give the path of the file itself", untouched},
        {"a FIFO nobody reads",
         [](const ScratchFolder& folder) {
             EXPECT_EQ(::mkfifo((folder / "t").c_str(), 0600), 0);
             return (folder / "t").string();
         },
         "no program reads the FIFO", nullptr},
        {"a device that is no terminal", [](const ScratchFolder&) { return "/dev/full"; },
         "it is a device, not a file, a terminal or a FIFO", nullptr},
        {"a folder", [](const ScratchFolder& folder) { return folder.Path().string(); },
         "it is a folder", nullptr},
        {"a folder that does not exist",
         [](const ScratchFolder& folder) { return (folder / "missing" / "t").string(); },
         "No such file or directory", nullptr},
    };
    for (const Row& row : rows) {
        ScratchFolder folder;
        const std::string path = row.make(folder);
        orvik::device::ProtocolTrace trace;
        std::string error;
        const mode_t umaskBefore = ::umask(0);
        const bool started = trace.Open(path, &error);
        ::umask(umaskBefore);
        EXPECT_EQ(started, row.reason.empty()) << row.what;
        EXPECT_EQ(trace.IsOpen(), started) << row.what;
        if (!row.reason.empty()) {
            EXPECT_EQ(error, "cannot write the trace " + path + ": " + row.reason) << row.what;
        }
        trace.Close();
        if (row.check) {
            row.check(folder);
        }
    }
}

TEST(ProtocolTrace, LeavesAFileOfAnotherUserAsItWas) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only the superuser can give a file to another user";
    }
    ScratchFolder folder;
    WriteBytes(folder / "t", "a receipt");
    ASSERT_EQ(::chown((folder / "t").c_str(), 65534, 65534), 0);
    orvik::device::ProtocolTrace trace;
    std::string error;
    EXPECT_FALSE(trace.Open((folder / "t").string(), &error));
    EXPECT_EQ(error, "cannot write the trace " + (folder / "t").string() +
                         ": it belongs to another user and is not replaced");
    EXPECT_EQ(ReadBytes(folder / "t"), "a receipt");
}

// Each row: a place that stops taking the trace after it started, how much is traced, and the
// one failure reported. The callers' writes never wait for the place, the trace is dropped,
// and a broken pipe ends the trace, not the program.
TEST(ProtocolTrace, ReportsOnceAndDropsATraceThatCannotBeWritten) {
    struct Row {
        const char* what;
        std::size_t bytes;
        bool closeAtOnce;  // Close without waiting for the report
        std::string reason;
        bool terminal = false;    // a terminal, else a FIFO
        bool readerGone = false;  // the reading end is closed once the trace started
    };
    const std::vector<Row> rows = {
        {"a reader that stops reading", 128 * 1024, false,
         "nothing could be written for 3 seconds"},
        {"a reader that stops reading, then Close", 128 * 1024, true,
         "the last lines could not be written within 2 seconds"},
        {"a reader far behind", 1024 * 1024, false,
         "more than 256 KiB of lines waited to be written"},
        {"a reader gone", 4096, false, "Broken pipe", false, true},
        {"a terminal hung up", 4096, false, "Input/output error", true, true},
    };
    for (const Row& row : rows) {
        ScratchFolder folder;
        std::string path = (folder / "fifo").string();
        int reader = -1;
        if (row.terminal) {
            reader = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
            ASSERT_GE(reader, 0);
            ASSERT_EQ(::grantpt(reader), 0);
            ASSERT_EQ(::unlockpt(reader), 0);
            path = ::ptsname(reader);
        } else {
            ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
            reader = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
            ASSERT_GE(reader, 0);
        }
        std::mutex mutex;
        std::vector<std::string> reports;
        orvik::device::ProtocolTrace trace;
        trace.SetFailureHandler([&](const std::string& text) {
            std::lock_guard lock(mutex);
            reports.push_back(text);
        });
        std::string error;
        ASSERT_TRUE(trace.Open(path, &error)) << row.what << ": " << error;
        if (row.readerGone) {
            ::close(reader);
            reader = -1;
        }
        const std::string line(99, 'x');
        const auto start = std::chrono::steady_clock::now();
        for (std::size_t sent = 0; sent < row.bytes; sent += line.size() + 28) {
            trace.Note(line);
        }
        // Far less than the writer's own wait for a stalled file.
        EXPECT_LT(std::chrono::steady_clock::now() - start,
                  std::chrono::milliseconds(orvik::device::ProtocolTrace::kStallLimitMs))
            << row.what;
        if (!row.closeAtOnce) {
            EXPECT_TRUE(WaitUntil([&] {
                std::lock_guard lock(mutex);
                return !reports.empty();
            })) << row.what;
            EXPECT_FALSE(trace.IsOpen()) << row.what;
            trace.Note(line);
        }
        trace.Close();
        EXPECT_EQ(reports,
                  std::vector<std::string>{"the trace " + path + " stopped: " + row.reason})
            << row.what;
        if (reader >= 0) {
            ::close(reader);
        }
    }
}

// Each row: the reads as they arrive, and the events the splitter traces once flushed.
TEST(TraceFrameSplitter, CutsFramesWithTheirTrailersFromTheReads) {
    const Bytes ready = Reply(u"READY");
    const Bytes ok = Reply(u"OK");
    auto join = [](std::initializer_list<Bytes> parts) {
        Bytes all;
        for (const Bytes& part : parts) {
            all.insert(all.end(), part.begin(), part.end());
        }
        return all;
    };
    const std::string readyLine = "< \"READY\" FD 52 45 41 44 59 06 FE 00 " +
                                  orvik::device::HexBytes(std::span(&ready.back(), 1)) +
                                  " checksum ok";
    const std::string okLine = "< \"OK\" FD 4F 4B 03 FE 00 " +
                               orvik::device::HexBytes(std::span(&ok.back(), 1)) + " checksum ok";
    struct Row {
        const char* what;
        std::vector<Bytes> reads;
        std::vector<std::string> events;
    };
    const std::vector<Row> rows = {
        {"two frames in one read", {join({ready, ok})}, {readyLine, okLine}},
        {"a frame split after its end byte",
         {Bytes(ready.begin(), ready.end() - 2), Bytes(ready.end() - 2, ready.end())},
         {readyLine}},
        {"noise before a frame", {join({Bytes{0x12, 0x34}, ok})}, {"< stray 12 34", okLine}},
        {"a frame without trailer followed by the next",
         {join({Bytes(ready.begin(), ready.end() - 2), ok})},
         {"< \"READY\" FD 52 45 41 44 59 06 FE checksum missing", okLine}},
        {"a frame cut short by the hang-up", {Bytes{0xFD, 'R', 'E'}}, {"< stray FD 52 45"}},
    };
    for (const Row& row : rows) {
        ScratchFolder folder;
        orvik::device::ProtocolTrace trace;
        ASSERT_TRUE(trace.Open((folder / "t").string(), nullptr));
        orvik::device::TraceFrameSplitter splitter(trace);
        for (const Bytes& read : row.reads) {
            splitter.Feed(read);
        }
        splitter.Flush();
        trace.Close();
        std::vector<std::string> events = Events(folder / "t");
        events.erase(events.begin());  // "trace started"
        events.pop_back();             // "trace ended"
        EXPECT_EQ(events, row.events) << row.what;
    }
}

}  // namespace
