// The protocol trace: the verdict on a reply's checksum, how received bytes are split into
// frames with their trailer, and the lines written to the file.
#include "device/link/protocol_trace.h"

#include <gtest/gtest.h>

#include <array>
#include <regex>

#include "device/link/frame.h"
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
    // Flushed line by line: the file holds everything before the trace is closed.
    EXPECT_EQ(Events(folder / "t.trace"),
              (std::vector<std::string>{"trace started", "> \"NULL\" FD 4E 55 4C 4C 05 FE 00 19",
                                        "> wake 55", "baud 57600", "dtr off",
                                        "hangup: Input/output error"}));
}

TEST(ProtocolTrace, RefusesAFileItCannotWrite) {
    ScratchFolder folder;
    orvik::device::ProtocolTrace trace;
    std::string error;
    EXPECT_FALSE(trace.Open((folder / "missing" / "t.trace").string(), &error));
    EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
    EXPECT_FALSE(trace.IsOpen());
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
        std::vector<std::string> events = Events(folder / "t");
        events.erase(events.begin());  // "trace started"
        EXPECT_EQ(events, row.events) << row.what;
    }
}

}  // namespace
