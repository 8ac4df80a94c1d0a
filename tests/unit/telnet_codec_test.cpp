#include "device/link/telnet_codec.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace orvik::device::telnet;
using Bytes = std::vector<std::uint8_t>;

struct Decoded {
    Bytes data;
    std::vector<Event> events;
};

// Feeds the stream whole and then byte by byte: a sequence cut anywhere decodes the same.
Decoded DecodeBothWays(const Bytes& stream) {
    Decoded whole;
    Decoder().Feed(stream, &whole.data, &whole.events);
    Decoded split;
    Decoder decoder;
    for (const std::uint8_t byte : stream) {
        decoder.Feed(std::span(&byte, 1), &split.data, &split.events);
    }
    EXPECT_EQ(whole.data, split.data);
    EXPECT_EQ(whole.events, split.events);
    return whole;
}

TEST(TelnetDecoder, SeparatesTheRegistersBytesFromCommands) {
    struct Case {
        const char* what;
        Bytes stream;
        Bytes data;
        std::vector<Event> events;
    };
    const Case cases[] = {
        {"plain bytes", {0xFD, 0x52, 0xFE}, {0xFD, 0x52, 0xFE}, {}},
        {"a doubled 0xFF is one data byte", {0x01, kIac, kIac, 0x02}, {0x01, 0xFF, 0x02}, {}},
        {"option verbs",
         {kIac, kWill, 3, 0x41, kIac, kDo, 44},
         {0x41},
         {{kWill, 3, {}}, {kDo, 44, {}}}},
        {"a baud acknowledgement",
         {kIac, kSb, 44, 101, 0x00, 0x01, 0xC2, 0x00, kIac, kSe},
         {},
         {{kSb, 44, {101, 0x00, 0x01, 0xC2, 0x00}}}},
        {"0xFF doubled inside a subnegotiation",
         {kIac, kSb, 44, 101, 0x00, 0x00, kIac, kIac, 0x00, kIac, kSe},
         {},
         {{kSb, 44, {101, 0x00, 0x00, 0xFF, 0x00}}}},
        {"NOP and GA carry nothing", {kIac, 241, 0x30, kIac, 249}, {0x30}, {}},
        {"a subnegotiation broken by another command is dropped",
         {kIac, kSb, 44, 106, kIac, kWill, 0x31},
         {0x31},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Decoded decoded = DecodeBothWays(c.stream);
        EXPECT_EQ(decoded.data, c.data);
        EXPECT_EQ(decoded.events, c.events);
    }
}

TEST(TelnetDecoder, DropsAnOverlongSubnegotiationAndGoesOn) {
    Bytes stream{kIac, kSb, 44, 106};
    stream.insert(stream.end(), Decoder::kMaxPayload + 10, 0x11);
    stream.insert(stream.end(), {kIac, kSe, 0x42});
    const Decoded decoded = DecodeBothWays(stream);
    EXPECT_TRUE(decoded.events.empty());
    EXPECT_EQ(decoded.data, Bytes{0x42});
}

TEST(TelnetEncoding, DoublesEveryFfOfDataAndOfACommandsValue) {
    Bytes out;
    AppendEscaped(Bytes{0xFD, 0xFF, 0xFF, 0x00}, &out);
    EXPECT_EQ(out, (Bytes{0xFD, 0xFF, 0xFF, 0xFF, 0xFF, 0x00}));
    EXPECT_EQ(ComPortFrame(kSetBaudRate, BigEndian32(0x0000FF00)),
              (Bytes{kIac, kSb, 44, 1, 0x00, 0x00, 0xFF, 0xFF, 0x00, kIac, kSe}));
    EXPECT_EQ(PayloadValue(BigEndian32(57600)), 57600u);
    EXPECT_EQ(PayloadValue(Bytes{3}), 3u);
}

// What ser2net sends at connect and how the client answers, then a refused COM-PORT-OPTION.
TEST(TelnetNegotiation, AgreesToWhatItAskedOnceAndRefusesTheRest) {
    OptionNegotiation options;
    EXPECT_EQ(options.Offers(),
              (Bytes{kIac, kWill, 0, kIac, kDo, 0, kIac, kWill, 3, kIac, kDo, 3, kIac, kWill, 44}));
    EXPECT_TRUE(options.Offers().empty()) << "asked once only";
    struct Step {
        std::uint8_t verb;
        std::uint8_t option;
        Bytes answer;
    };
    const Step steps[] = {
        {kWill, 3, {}},                // the answer to our DO
        {kWill, 1, {kIac, kDont, 1}},  // ECHO is refused
        {kDont, 1, {}},                // already off
        {kDo, 0, {}},                  // the answer to our WILL
        {kWill, 0, {}},
        {kDo, 44, {}},
        {kDo, 44, {}},                 // already on: no loop
        {kDo, 24, {kIac, kWont, 24}},  // TERMINAL-TYPE is refused
        {kWont, 0, {kIac, kDont, 0}},  // the server takes BINARY back: agreed
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(DescribeEvent({step.verb, step.option, {}}));
        EXPECT_EQ(options.Receive(step.verb, step.option), step.answer);
    }
    EXPECT_TRUE(options.ComPortAccepted());
    EXPECT_FALSE(options.ComPortRefused());

    OptionNegotiation refused;
    refused.Offers();
    EXPECT_TRUE(refused.Receive(kDont, 44).empty());
    EXPECT_FALSE(refused.ComPortAccepted());
    EXPECT_TRUE(refused.ComPortRefused());
}

}  // namespace
