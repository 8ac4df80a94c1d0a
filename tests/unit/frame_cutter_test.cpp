// Cutting reply frames out of what the serial line delivers.
#include "device/link/frame_cutter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "tests/support/reference_frame_cutter.h"
#include "tests/unit/print_helpers.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Replies = std::vector<Bytes>;

constexpr std::uint8_t FD = 0xFD;
constexpr std::uint8_t FE = 0xFE;

// A reply frame as the register sends it: start, text, length byte, end, trailer.
Bytes ReplyFrame(std::string_view text) {
    Bytes frame{FD};
    frame.insert(frame.end(), text.begin(), text.end());
    frame.push_back(static_cast<std::uint8_t>(text.size() + 1));
    frame.push_back(FE);
    frame.push_back(0x00);
    frame.push_back(0x19);
    return frame;
}

Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

Bytes Text(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

std::string Describe(const Replies& replies) {
    std::string out = std::to_string(replies.size()) + " replies";
    for (const Bytes& r : replies) {
        out += "\n  [" + HexDump(r) + "]";
    }
    return out;
}

// Hands bytes to the cutter as reads of at most `chunk` bytes (never more than it has room
// for), collecting the replies.
Replies Feed(orvik::device::FrameCutter& cutter, const Bytes& bytes, std::size_t chunk) {
    Replies replies;
    std::size_t offset = 0;
    while (offset < bytes.size()) {
        auto space = cutter.FreeSpace();
        EXPECT_FALSE(space.empty());
        const std::size_t count = std::min({chunk, space.size(), bytes.size() - offset});
        std::memcpy(space.data(), bytes.data() + offset, count);
        offset += count;
        cutter.Commit(count, [&](std::span<const std::uint8_t> text) {
            replies.emplace_back(text.begin(), text.end());
        });
        EXPECT_LT(cutter.HeldBytes(), orvik::device::FrameCutter::kBufferSize);
    }
    return replies;
}

Replies FeedWhole(const std::vector<Bytes>& reads) {
    auto cutter = std::make_unique<orvik::device::FrameCutter>();
    Replies replies;
    for (const Bytes& read : reads) {
        Replies more = Feed(*cutter, read, read.size());
        replies.insert(replies.end(), more.begin(), more.end());
    }
    return replies;
}

struct CutCase {
    const char* name;
    std::vector<Bytes> reads;
    Replies expected;
};

// Names the row in test listings and failure messages.
void PrintTo(const CutCase& row, std::ostream* out) {
    *out << row.name;
}

class FrameCutting : public testing::TestWithParam<CutCase> {};

TEST_P(FrameCutting, YieldsExpectedReplies) {
    const CutCase& c = GetParam();
    std::string input;
    for (const Bytes& read : c.reads) {
        input += "\n  read: " + HexDump(read);
    }
    const Replies replies = FeedWhole(c.reads);
    EXPECT_EQ(replies, c.expected) << "input:" << input << "\ngot " << Describe(replies)
                                   << "\nexpected " << Describe(c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Streams, FrameCutting,
    testing::Values(CutCase{"TwoFramesInOneRead",
                            {Cat({ReplyFrame("CONF1"), ReplyFrame("READY")})},
                            {Text("CONF1"), Text("READY")}},
                    CutCase{"BytesBeforeFirstStartDropped",
                            {Cat({Text("\x55garbage\xFE\x01"), ReplyFrame("READY")})},
                            {Text("READY")}},
                    CutCase{"ReadWithoutStartDroppedWhole",
                            {Text("no frame here \xFE"), ReplyFrame("READY")},
                            {Text("READY")}},
                    CutCase{"OnlyLengthByteGivesEmptyReply", {{FD, 0x01, FE}}, {Bytes{}}},
                    CutCase{"StartThenEndGivesEmptyReply", {{FD, FE}}, {Bytes{}}},
                    // A stray 0xFD in the trailer starts a frame there; the next frame's own 0xFD
                    // then becomes the first byte of that reply's text.
                    CutCase{"StrayStartBetweenFrames",
                            {Cat({ReplyFrame("SOFTPAPER"), Bytes{FD}, ReplyFrame("READY")})},
                            {Text("SOFTPAPER"), Cat({Bytes{FD}, Text("READY")})}},
                    CutCase{"LengthByteNotChecked", {{FD, 'O', 'K', 0x77, FE}}, {Text("OK")}},
                    CutCase{"EndBeforeStartIgnored", {{FE, FE, FD, 'A', 0x02, FE}}, {Text("A")}}),
    [](const testing::TestParamInfo<CutCase>& row) { return std::string(row.param.name); });

TEST(FrameCutter, FrameSplitAcrossReadsYieldsOneReplyOnceComplete) {
    const Bytes frame = ReplyFrame("HARDPAPER");
    for (std::size_t split = 1; split < frame.size(); ++split) {
        orvik::device::FrameCutter cutter;
        const Bytes first(frame.begin(), frame.begin() + static_cast<std::ptrdiff_t>(split));
        const Bytes second(frame.begin() + static_cast<std::ptrdiff_t>(split), frame.end());
        const Replies early = Feed(cutter, first, first.size());
        const Replies late = Feed(cutter, second, second.size());
        const bool endInFirst = split > frame.size() - 3;  // FE, 00, 19 are the last three
        const Replies& withReply = endInFirst ? early : late;
        const Replies& without = endInFirst ? late : early;
        EXPECT_EQ(withReply, Replies{Text("HARDPAPER")}) << "split at " << split;
        EXPECT_TRUE(without.empty()) << "split at " << split << ": " << Describe(without);
    }
}

TEST(FrameCutter, ReadWithoutStartLeavesNothingHeld) {
    orvik::device::FrameCutter cutter;
    EXPECT_TRUE(Feed(cutter, Text("\x55\xFE no start byte at all"), 64).empty());
    EXPECT_EQ(cutter.HeldBytes(), 0u);
    EXPECT_EQ(cutter.FreeSpace().size(), orvik::device::FrameCutter::kBufferSize);
    // An unfinished frame, by contrast, is kept from its start byte on.
    EXPECT_TRUE(Feed(cutter, Text("junk\xFDREA"), 64).empty());
    EXPECT_EQ(cutter.HeldBytes(), 4u);
}

TEST(FrameCutter, FullBufferWithoutEndIsDroppedAndReadingGoesOn) {
    auto cutter = std::make_unique<orvik::device::FrameCutter>();
    Bytes runaway(orvik::device::FrameCutter::kBufferSize, 'x');
    runaway[0] = FD;
    // However the bytes come, the cutter must always have room for the next read.
    const Replies none = Feed(*cutter, runaway, 1000);
    EXPECT_TRUE(none.empty()) << Describe(none);
    EXPECT_EQ(cutter->HeldBytes(), 0u);
    const Replies after = Feed(*cutter, ReplyFrame("READY"), 64);
    EXPECT_EQ(after, Replies{Text("READY")}) << Describe(after);
}

TEST(FrameCutter, LongRunOfStartBytesNeverStalls) {
    auto cutter = std::make_unique<orvik::device::FrameCutter>();
    const Bytes starts(3 * orvik::device::FrameCutter::kBufferSize + 17, FD);
    EXPECT_TRUE(Feed(*cutter, starts, 4096).empty());
    const Replies after = Feed(*cutter, Cat({Bytes{FE}, ReplyFrame("READY")}), 4096);
    // Whatever was still held ends at the first 0xFE; the good frame after it is intact.
    ASSERT_FALSE(after.empty());
    EXPECT_EQ(after.back(), Text("READY")) << Describe(after);
}

TEST(FrameCutter, LongestFrameThatFitsIsStillCut) {
    auto cutter = std::make_unique<orvik::device::FrameCutter>();
    // 0xFD, 4093 text bytes, the length byte and 0xFE fill the buffer exactly.
    Bytes frame{FD};
    frame.insert(frame.end(), orvik::device::FrameCutter::kBufferSize - 3, 'T');
    frame.push_back(0x00);
    frame.push_back(FE);
    const Replies replies = Feed(*cutter, frame, frame.size());
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].size(), orvik::device::FrameCutter::kBufferSize - 3);
}

// Random streams rich in start and end bytes, sometimes with long runs that never end a frame.
Bytes RandomStream(std::mt19937& random) {
    Bytes stream;
    const int pieces = static_cast<int>(random() % 40);
    for (int p = 0; p < pieces; ++p) {
        switch (random() % 6) {
            case 0:
                stream.push_back(FD);
                break;
            case 1:
                stream.push_back(FE);
                break;
            case 2: {
                const Bytes frame = ReplyFrame(std::string(random() % 20, 'a'));
                stream.insert(stream.end(), frame.begin(), frame.end());
                break;
            }
            case 3:
                if (random() % 8 == 0) {
                    stream.insert(stream.end(), 4000 + random() % 300, 'r');
                }
                break;
            default:
                for (int i = static_cast<int>(random() % 12); i > 0; --i) {
                    stream.push_back(static_cast<std::uint8_t>(random()));
                }
        }
    }
    return stream;
}

TEST(FrameCutter, AnyChunkingGivesTheSameRepliesAsTheReference) {
    for (unsigned seed = 1; seed <= 400; ++seed) {
        std::mt19937 random(seed);
        const Bytes stream = RandomStream(random);
        ReferenceFrameCutter reference;
        const Replies expected = reference.Feed(stream);

        auto whole = std::make_unique<orvik::device::FrameCutter>();
        auto byByte = std::make_unique<orvik::device::FrameCutter>();
        auto chunked = std::make_unique<orvik::device::FrameCutter>();
        const std::size_t chunk = 1 + random() % 700;
        ASSERT_EQ(Feed(*whole, stream, stream.size() + 1), expected) << "seed " << seed;
        ASSERT_EQ(Feed(*byByte, stream, 1), expected) << "seed " << seed;
        ASSERT_EQ(Feed(*chunked, stream, chunk), expected) << "seed " << seed << " chunk " << chunk;
        EXPECT_EQ(whole->HeldBytes(), reference.HeldBytes()) << "seed " << seed;
        EXPECT_EQ(byByte->HeldBytes(), reference.HeldBytes()) << "seed " << seed;
    }
}

}  // namespace
