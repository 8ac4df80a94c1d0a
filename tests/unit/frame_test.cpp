// Command frames and the frame checksum.
#include "device/link/frame.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "tests/unit/print_helpers.h"

using namespace orvik::device;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Build(std::u16string_view text) {
    // On the heap and exactly the documented size, so that a write past it is caught by ASan.
    Bytes buffer(orvik::device::kCommandFrameCapacity);
    const std::size_t length = orvik::device::BuildCommandFrame(text, buffer);
    EXPECT_LE(length, buffer.size());
    buffer.resize(std::min(length, buffer.size()));
    return buffer;
}

std::uint8_t ChecksumByte(const Bytes& bytes) {
    return static_cast<std::uint8_t>(orvik::device::FrameChecksum(bytes) & 0xFFu);
}

// The textbook bit-by-bit reflected CRC-16 (polynomial 0x1021 reflected to 0x8408, initial 0).
// For bytes below 0x80 sign extension changes nothing, so the register's checksum must agree.
std::uint16_t ReflectedCrc16(const Bytes& bytes) {
    std::uint16_t crc = 0;
    for (std::uint8_t b : bytes) {
        crc ^= b;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 1u) ? static_cast<std::uint16_t>((crc >> 1) ^ 0x8408u)
                             : static_cast<std::uint16_t>(crc >> 1);
        }
    }
    return crc;
}

Bytes Ascii(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

TEST(FrameChecksum, KnownValues) {
    // The register documentation's examples are checksums of whole frames (start byte to end
    // byte) for the texts "NULL" and "abc".
    EXPECT_EQ(ChecksumByte({0xFD, 'N', 'U', 'L', 'L', 0x05, 0xFE}), 0x19);
    EXPECT_EQ(ChecksumByte({0xFD, 'a', 'b', 'c', 0x04, 0xFE}), 0x25);
    // Over the bare text the value is the textbook one.
    EXPECT_EQ(orvik::device::FrameChecksum(Ascii("abc")), 0x58E9u);
    // The catalogue check value of this CRC over "123456789".
    EXPECT_EQ(orvik::device::FrameChecksum(Ascii("123456789")), 0x2189u);
    EXPECT_EQ(orvik::device::FrameChecksum({}), 0u);
}

TEST(FrameChecksum, HighBytesEnterSignExtended) {
    // Worked by hand: 0x80 enters as 0xFFFFFF80, which leaves 0x00FF7BF7; an unsigned byte
    // would have given 0x8408.
    EXPECT_EQ(orvik::device::FrameChecksum(Bytes{0x80}), 0x00FF7BF7u);
    EXPECT_EQ(ChecksumByte(Bytes{0x80}), 0xF7);
}

TEST(FrameChecksum, MatchesTextbookCrcForAsciiBytes) {
    std::mt19937 random(683);
    for (int round = 0; round < 500; ++round) {
        Bytes bytes(random() % 64);
        for (auto& b : bytes) {
            b = static_cast<std::uint8_t>(random() % 0x80);
        }
        ASSERT_EQ(orvik::device::FrameChecksum(bytes), ReflectedCrc16(bytes)) << HexDump(bytes);
    }
}

struct FrameCase {
    const char* name;
    std::u16string text;
    Bytes expected;
};

// Names the row in test listings and failure messages.
void PrintTo(const FrameCase& row, std::ostream* out) {
    *out << row.name;
}

class CommandFrame : public testing::TestWithParam<FrameCase> {};

TEST_P(CommandFrame, HasExactBytes) {
    const FrameCase& c = GetParam();
    const Bytes frame = Build(c.text);
    EXPECT_EQ(frame, c.expected) << "built:    " << HexDump(frame)
                                 << "\nexpected: " << HexDump(c.expected);
}

// The checksum byte of every row is taken from FrameChecksum only after the row's bytes up to
// 0xFE have been written out by hand; "NULL" is the register documentation's own example.
Bytes WithChecksum(Bytes head) {
    const std::uint8_t checksum = ChecksumByte(head);
    head.push_back(0x00);
    head.push_back(checksum);
    return head;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CommandFrame,
    testing::Values(
        FrameCase{"Null", u"NULL", {0xFD, 0x4E, 0x55, 0x4C, 0x4C, 0x05, 0xFE, 0x00, 0x19}},
        FrameCase{"Abc", u"abc", {0xFD, 0x61, 0x62, 0x63, 0x04, 0xFE, 0x00, 0x25}},
        FrameCase{"Empty", u"", WithChecksum({0xFD, 0x01, 0xFE})},
        FrameCase{"UkrainianI", u"AІBі", WithChecksum({0xFD, 'A', 0x49, 'B', 0x69, 0x05, 0xFE})},
        FrameCase{"CyrillicInCp866", u"АБВабвЯяЁё",
                  WithChecksum({0xFD, 0x80, 0x81, 0x82, 0xA0, 0xA1, 0xA2, 0x9F, 0xEF, 0xF0, 0xF1,
                                0x0B, 0xFE})},
        FrameCase{"MissingCharacterBecomesDefault", u"A€B",
                  WithChecksum({0xFD, 'A', orvik::support::kDefaultChar, 'B', 0x04, 0xFE})},
        // Each half of a surrogate pair is one character of the text.
        FrameCase{"SurrogatePair", u"X\U0001F600",
                  WithChecksum({0xFD, 'X', orvik::support::kDefaultChar,
                                orvik::support::kDefaultChar, 0x04, 0xFE})}),
    [](const testing::TestParamInfo<FrameCase>& row) { return std::string(row.param.name); });

TEST(CommandFrameLayout, LengthByteWrapsAt256) {
    for (std::size_t n : {253u, 254u, 255u, 256u, 300u, 511u, 600u}) {
        const Bytes frame = Build(std::u16string(n, u'A'));
        ASSERT_EQ(frame.size(), n + 5) << "n=" << n;
        EXPECT_EQ(frame[n + 1], static_cast<std::uint8_t>((n + 1) % 256)) << "n=" << n;
        EXPECT_EQ(frame[n + 2], orvik::device::kFrameEnd) << "n=" << n;
        EXPECT_EQ(frame[n + 3], 0x00) << "n=" << n;
        const Bytes head(frame.begin(), frame.begin() + static_cast<std::ptrdiff_t>(n + 3));
        EXPECT_EQ(frame[n + 4], ChecksumByte(head)) << "n=" << n;
    }
}

TEST(CommandFrameLayout, TextLongerThanBufferIsCutWithoutOverrun) {
    const std::size_t longest = orvik::device::kCommandFrameCapacity - 5;
    for (std::size_t n : {longest, longest + 1, std::size_t{5000}}) {
        const Bytes frame = Build(std::u16string(n, u'Ж'));
        const std::size_t kept = std::min(n, longest);
        ASSERT_EQ(frame.size(), kept + 5) << "n=" << n;
        EXPECT_EQ(frame.front(), orvik::device::kFrameStart);
        EXPECT_EQ(frame[kept], 0x86) << "n=" << n;  // the last character kept, in CP866
        EXPECT_EQ(frame[kept + 1], static_cast<std::uint8_t>((kept + 1) % 256)) << "n=" << n;
        EXPECT_EQ(frame[kept + 2], orvik::device::kFrameEnd) << "n=" << n;
    }
}

}  // namespace
