// The simulated register's side of the wire format, without a line: cutting the console's
// command frames, and shaping its own answers.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "device/link/frame.h"
#include "sim/command_cutter.h"
#include "sim/reply_writer.h"
#include "support/text_codec.h"

namespace {

using orvik::sim::CommandCutter;
using orvik::sim::LineEvent;
using Bytes = std::vector<std::uint8_t>;

Bytes Frame(std::u16string_view text) {
    std::array<std::uint8_t, orvik::device::kCommandFrameCapacity> buffer;
    const std::size_t length = orvik::device::BuildCommandFrame(text, buffer);
    return {buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(length)};
}

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

// Events as short texts: "C:<text>" for a command, "W" for a wake-up byte, "B" for a broken
// frame.
std::vector<std::string> Describe(const std::vector<LineEvent>& events) {
    std::vector<std::string> out;
    for (const LineEvent& e : events) {
        switch (e.kind) {
            case LineEvent::Kind::Command:
                out.push_back("C:" + orvik::support::ToUtf8(orvik::support::Decode(
                                         orvik::support::CodePage::Oem866,
                                         std::string(e.bytes.begin(), e.bytes.end()))));
                break;
            case LineEvent::Kind::WakeByte:
                out.push_back("W");
                break;
            case LineEvent::Kind::BadFrame:
                EXPECT_FALSE(e.problem.empty());
                out.push_back("B");
                break;
        }
    }
    return out;
}

std::vector<std::string> CutWhole(const Bytes& bytes) {
    CommandCutter cutter;
    std::vector<LineEvent> events;
    cutter.Feed(bytes, events);
    return Describe(events);
}

std::vector<std::string> CutByteByByte(const Bytes& bytes) {
    CommandCutter cutter;
    std::vector<LineEvent> events;
    for (const std::uint8_t byte : bytes) {
        cutter.Feed(std::span<const std::uint8_t>(&byte, 1), events);
    }
    return Describe(events);
}

Bytes WithLastByte(Bytes frame, std::uint8_t last) {
    frame.back() = last;
    return frame;
}

struct CutCase {
    const char* name;
    Bytes bytes;
    std::vector<std::string> events;
};

TEST(CommandCutterTest, CutsFramesWakeBytesAndBrokenFramesOutOfAnyStream) {
    const std::u16string text252 = std::u16string(252, u'A');
    const std::u16string text253 = std::u16string(253, u'Б');
    Bytes badLength = Frame(u"NULL");
    badLength[5] = 0x07;
    Bytes overlong{0xFD};
    overlong.insert(overlong.end(), CommandCutter::kMaxFrameBytes + 10, 'A');

    const std::vector<CutCase> cases{
        {"one command", Frame(u"NULL"), {"C:NULL"}},
        {"Cyrillic", Frame(u"FISCМолоко"), {"C:FISCМолоко"}},
        {"two commands with noise around",
         Join({{0x01, 0xFE, 0x00}, Frame(u"NULL"), {'x', 0xFE}, Frame(u"PREP")}),
         {"C:NULL", "C:PREP"}},
        {"length byte 0xFD", Frame(text252), {"C:" + std::string(252, 'A')}},
        {"length byte 0xFE", Frame(text253), {"C:" + orvik::support::ToUtf8(text253)}},
        {"wrong checksum", WithLastByte(Frame(u"NULL"), 0x18), {"B"}},
        {"wrong length byte", badLength, {"B"}},
        {"no length byte", {0xFD, 0xFE, 0x00, 0x12}, {"B"}},
        {"empty text", Frame(u""), {"C:"}},
        {"wake-up bytes outside frames",
         Join({{0x55}, Frame(u"NULL"), {0x55, 0x55}}),
         {"W", "C:NULL", "W", "W"}},
        {"0x55 inside a frame is text", Frame(u"UUUU"), {"C:UUUU"}},
        {"overlong run, then noise with 0x55, then a command",
         Join({overlong, {0x55, 0xFE, 0x00, 0x55}, Frame(u"NULL"), {0x55}}),
         {"B", "C:NULL", "W"}},
    };
    for (const CutCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CutWhole(c.bytes), c.events);
        EXPECT_EQ(CutByteByByte(c.bytes), c.events);
    }
}

TEST(CommandCutterTest, RandomBytesNeverGrowItsBufferBeyondAFrame) {
    std::mt19937 random(683);
    std::uniform_int_distribution<int> byte(0, 255);
    CommandCutter cutter;
    std::vector<LineEvent> events;
    for (int round = 0; round < 200; ++round) {
        Bytes chunk(1 + static_cast<std::size_t>(byte(random)) * 8);
        for (auto& b : chunk) {
            b = static_cast<std::uint8_t>(byte(random));
        }
        cutter.Feed(chunk, events);
    }
    for (const LineEvent& e : events) {
        EXPECT_LE(e.bytes.size(), CommandCutter::kMaxFrameBytes + 2);
    }
    // Whatever came before, a clean frame after a frame end is understood.
    cutter.Feed(Bytes{0xFE, 0x00, 0x00}, events);
    events.clear();
    cutter.Feed(Frame(u"NULL"), events);
    EXPECT_EQ(Describe(events), (std::vector<std::string>{"C:NULL"}));
}

TEST(ReplyShapeTest, AnswersAreCutIntoTheWritesTheShapeAsksFor) {
    const orvik::sim::Replies replies{u"D1", u"SOFTPAPER", u"READY"};
    auto writesFor = [&](const orvik::sim::ReplyShape& shape) {
        return orvik::sim::PlanReplyWrites(replies, shape);
    };
    auto concatenated = [](const std::vector<orvik::sim::LineWrite>& writes) {
        Bytes all;
        for (const auto& w : writes) {
            all.insert(all.end(), w.bytes.begin(), w.bytes.end());
        }
        return all;
    };
    const Bytes plain = Join({Frame(u"D1"), Frame(u"SOFTPAPER"), Frame(u"READY")});

    orvik::sim::ReplyShape shape;
    EXPECT_EQ(writesFor(shape).size(), 3u);
    EXPECT_EQ(concatenated(writesFor(shape)), plain);
    shape.framesPerWrite = 2;
    EXPECT_EQ(writesFor(shape).size(), 2u);
    shape.framesPerWrite = orvik::sim::kAllFrames;
    EXPECT_EQ(writesFor(shape).size(), 1u);
    EXPECT_EQ(concatenated(writesFor(shape)), plain);
    shape.splitBytes = true;
    EXPECT_EQ(writesFor(shape).size(), plain.size());
    EXPECT_EQ(concatenated(writesFor(shape)), plain);
    shape = {};
    shape.garbage = "~~";
    EXPECT_EQ(concatenated(writesFor(shape)), Join({{'~', '~'},
                                                    Frame(u"D1"),
                                                    {'~', '~'},
                                                    Frame(u"SOFTPAPER"),
                                                    {'~', '~'},
                                                    Frame(u"READY")}));
}

}  // namespace
