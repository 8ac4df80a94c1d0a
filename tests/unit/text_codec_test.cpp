// Code-page conversions: CP866 on the serial line, CP1251 in files, UTF-8 on terminals.
#include "support/text_codec.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/unit/print_helpers.h"

using namespace orvik::support;

namespace {

using orvik::support::CodePage;

const std::u16string kRussianAlphabet =
    u"АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдеёжзийклмнопрстуфхцчшщъыьэюя";

std::string Hex(const std::string& bytes) {
    return HexDump(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

TEST(TextCodec, Cp866Cyrillic) {
    EXPECT_EQ(Hex(orvik::support::Encode(CodePage::Oem866, u"АЯапряЁё")),
              "80 9F A0 AF E0 EF F0 F1");
    EXPECT_EQ(Utf8(orvik::support::Decode(CodePage::Oem866, "\x80\x9F\xA0\xAF\xE0\xEF\xF0\xF1")),
              "АЯапряЁё");
    const std::string bytes = orvik::support::Encode(CodePage::Oem866, kRussianAlphabet);
    EXPECT_EQ(bytes.find(static_cast<char>(orvik::support::kDefaultChar)), std::string::npos)
        << Hex(bytes);
    EXPECT_EQ(Utf8(orvik::support::Decode(CodePage::Oem866, bytes)), Utf8(kRussianAlphabet));
}

TEST(TextCodec, Cp1251Cyrillic) {
    const std::u16string text = kRussianAlphabet + u"ІіЇїЄєҐґ№";
    EXPECT_EQ(Hex(orvik::support::Encode(CodePage::Ansi1251, u"АЯаяЁёІі")),
              "C0 DF E0 FF A8 B8 B2 B3");
    const std::string bytes = orvik::support::Encode(CodePage::Ansi1251, text);
    EXPECT_EQ(bytes.find(static_cast<char>(orvik::support::kDefaultChar)), std::string::npos)
        << Hex(bytes);
    EXPECT_EQ(Utf8(orvik::support::Decode(CodePage::Ansi1251, bytes)), Utf8(text));
}

TEST(TextCodec, EveryDefinedByteRoundTrips) {
    for (CodePage page : {CodePage::Oem866, CodePage::Ansi1251}) {
        for (int b = 0; b < 256; ++b) {
            const auto byte = static_cast<std::uint8_t>(b);
            const char16_t ch = orvik::support::DecodeByte(page, byte);
            if (ch == u'\uFFFD') {
                continue;  // a hole in the code page
            }
            EXPECT_EQ(orvik::support::EncodeChar(page, ch), byte)
                << "page " << static_cast<int>(page) << " byte " << b;
        }
    }
    // CP1251 has one hole; CP866 has none.
    EXPECT_EQ(orvik::support::DecodeByte(CodePage::Ansi1251, 0x98), u'\uFFFD');
    EXPECT_EQ(orvik::support::DecodeByte(CodePage::Oem866, 0xFD), u'\u00A4');
}

TEST(TextCodec, MissingCharactersBecomeDefault) {
    EXPECT_EQ(orvik::support::EncodeChar(CodePage::Oem866, u'€'), orvik::support::kDefaultChar);
    EXPECT_EQ(orvik::support::EncodeChar(CodePage::Oem866, u'Ґ'), orvik::support::kDefaultChar);
    EXPECT_EQ(orvik::support::EncodeChar(CodePage::Oem866, u'\uFFFD'),
              orvik::support::kDefaultChar);
    EXPECT_EQ(orvik::support::EncodeChar(CodePage::Ansi1251, u'\u4E2D'),
              orvik::support::kDefaultChar);
    EXPECT_EQ(orvik::support::Encode(CodePage::Oem866, u"a\U0001F600b"), "a??b");
}

TEST(TextCodec, Utf8RoundTrip) {
    const std::u16string text = u"Орвик-683: Іі Ґ № \U0001F600 ok";
    const std::string utf8 = orvik::support::ToUtf8(text);
    EXPECT_EQ(utf8, "Орвик-683: Іі Ґ № \U0001F600 ok");
    EXPECT_EQ(orvik::support::FromUtf8(utf8), text);
    EXPECT_EQ(orvik::support::FromUtf8(""), u"");
    EXPECT_EQ(orvik::support::ToUtf8(u""), "");
}

TEST(TextCodec, InvalidUtf8BecomesReplacementCharacters) {
    EXPECT_EQ(orvik::support::FromUtf8("\xFF"
                                       "ab\xC3"),
              u"\uFFFDab\uFFFD");
    EXPECT_EQ(orvik::support::FromUtf8("\xC3\x28x"), u"\uFFFD(x");
    // An overlong encoding of '/' and a lone continuation byte.
    const std::u16string odd = orvik::support::FromUtf8("\xC0\xAF\x80z");
    ASSERT_FALSE(odd.empty());
    EXPECT_EQ(odd.back(), u'z');
    EXPECT_EQ(odd.find_first_not_of(u'\uFFFD'), odd.size() - 1) << Utf8(odd);
}

TEST(TextCodec, LoneSurrogateBecomesReplacementCharacter) {
    const std::u16string text = {u'a', static_cast<char16_t>(0xD800), u'b'};
    EXPECT_EQ(orvik::support::ToUtf8(text),
              "a\xEF\xBF\xBD"
              "b");
}

}  // namespace

TEST(TextCodec, Utf8ValidityDecidesHowAFileIsRead) {
    struct Case {
        std::string bytes;
        bool valid;
    };
    const Case cases[] = {
        {"", true},
        {"plain ascii", true},
        {"\xD0\xA7\xD0\xB0\xD0\xB9", true},  // Чай
        {"\xE2\x82\xB4", true},              // ₴
        {"\xF0\x9F\x98\x80", true},          // a four-byte character
        {"\xD7\xE0\xE9", false},             // Чай in Windows-1251
        {"\xC0\xAF", false},                 // overlong "/"
        {"\xE0\x80\xAF", false},             // overlong, three bytes
        {"\xED\xA0\x80", false},             // a surrogate
        {"\xF4\x90\x80\x80", false},         // above U+10FFFF
        {"\xD0", false},                     // cut short
        {"\x80", false},                     // a stray continuation byte
    };
    for (const Case& c : cases) {
        EXPECT_EQ(orvik::support::IsValidUtf8(c.bytes), c.valid) << HexDump(
            std::span(reinterpret_cast<const std::uint8_t*>(c.bytes.data()), c.bytes.size()));
    }
}

// Each row: a text as received or typed, and as it reaches the terminal.
TEST(TextCodec, ControlCharactersReachTheTerminalEscaped) {
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"SOFTCHECK", "SOFTCHECK"},
        {"\x1b[2J\x1b]0;owned\x07", "\\x1B[2J\\x1B]0;owned\\x07"},
        {"line\r\nnext\ttab", "line\\x0D\nnext\ttab"},
        {std::string("a\0b", 3) + "\x7f", "a\\x00b\\x7F"},
        // U+009B, the one-byte CSI, and U+0085; Cyrillic stays as it is.
        {"\xc2\x9b"
         "31m \xc2\x85 Касир",
         "\\u009B31m \\u0085 Касир"},
    };
    for (const auto& [text, shown] : rows) {
        EXPECT_EQ(orvik::support::EscapeControls(text), shown);
    }
}
