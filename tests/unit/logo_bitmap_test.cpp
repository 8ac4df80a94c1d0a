// The logo's rows as the register loads them, and the two-colour bitmaps the command line reads.
#include <gtest/gtest.h>

#include "console/bmp_reader.h"
#include "console/logo_bitmap.h"
#include "tests/support/bmp_builder.h"
#include "tests/unit/print_helpers.h"

using namespace orvik::console;

namespace {

MonoBitmap Filled(int width, int height, bool dots) {
    return MakeMonoBitmap(width, height, [dots](int, int) { return dots; });
}

BmpLoad Read(const BmpSpec& spec) {
    return ReadMonoBmp(MakeBmp(spec));
}

TEST(LogoRows, AreInvertedUpperCaseHexWithTheirPaddingWhite) {
    struct Row {
        const char* what;
        MonoBitmap bitmap;
        std::string text;
    };
    const std::vector<Row> rows{
        {"a 432-pixel row of dots", Filled(432, 1, true), std::string(108, 'F')},
        {"an all-white 432-pixel row", Filled(432, 1, false), std::string(108, '0')},
        // 10 dots fill a 16-pixel word; the six pixels beyond the width are white.
        {"10 dots", Filled(10, 1, true), "FFC0"},
        {"1 dot", Filled(1, 1, true), "8000"},
        {"17 dots take two words", Filled(17, 1, true), "FFFF8000"},
        {"every other dot", MakeMonoBitmap(16, 1, [](int x, int) { return x % 2 == 0; }), "AAAA"},
        {"a dot at the right edge of 432",
         MakeMonoBitmap(432, 1, [](int x, int) { return x == 431; }), std::string(106, '0') + "01"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Utf8(LogoRowText(row.bitmap, 0)), row.text) << row.what;
    }
}

TEST(LogoRows, PaddingIsWhiteWhateverTheBitmapHoldsThere) {
    MonoBitmap bitmap = Filled(4, 1, true);
    bitmap.bits.assign(bitmap.bits.size(), 0x00);  // every bit a dot, the padding too
    EXPECT_EQ(Utf8(LogoRowText(bitmap, 0)), "F000");
}

TEST(LogoRows, OutsideThePictureThereIsNoRow) {
    const MonoBitmap bitmap = Filled(16, 2, true);
    EXPECT_EQ(Utf8(LogoRowText(bitmap, 1)), "FFFF");
    EXPECT_EQ(Utf8(LogoRowText(bitmap, 2)), "");
    EXPECT_EQ(Utf8(LogoRowText(bitmap, -1)), "");
    EXPECT_EQ(Utf8(LogoRowText(MonoBitmap{}, 0)), "");
}

TEST(LogoFormat, TakesOneBitPicturesUpTo432By192) {
    struct Case {
        int width, height, planes, bits;
        bool accepted;
    };
    for (const Case& c : std::vector<Case>{{432, 192, 1, 1, true},
                                           {1, 1, 1, 1, true},
                                           {433, 192, 1, 1, false},
                                           {432, 193, 1, 1, false},
                                           {432, 192, 1, 8, false},
                                           {432, 192, 1, 24, false},
                                           {432, 192, 2, 1, false},
                                           {0, 10, 1, 1, false},
                                           {10, 0, 1, 1, false}}) {
        EXPECT_EQ(IsAcceptableLogoFormat(c.width, c.height, c.planes, c.bits), c.accepted)
            << c.width << "x" << c.height << " planes " << c.planes << " bits " << c.bits;
    }
}

TEST(LogoFormat, TheDarkerPaletteColourIsTheDot) {
    const PaletteColour black{0, 0, 0};
    const PaletteColour white{255, 255, 255};
    const PaletteColour navy{0, 0, 128};
    EXPECT_EQ(DotColours(black, white), (std::array<bool, 2>{true, false}));
    EXPECT_EQ(DotColours(white, black), (std::array<bool, 2>{false, true}));
    EXPECT_EQ(DotColours(white, navy), (std::array<bool, 2>{false, true}));
    EXPECT_EQ(DotColours(black, black), (std::array<bool, 2>{true, true}));
    EXPECT_EQ(DotColours(white, white), (std::array<bool, 2>{false, false}));
}

TEST(BmpReader, ReadsTwoColourBitmapsInEveryLayout) {
    // A diagonal of dots (index 0, black) on white.
    const auto diagonal = [](int x, int y) { return x != y; };
    struct Case {
        const char* what;
        BmpSpec spec;
    };
    BmpSpec bottomUp{.width = 20, .height = 12, .index1 = diagonal};
    BmpSpec topDown = bottomUp;
    topDown.height = -12;
    BmpSpec core = bottomUp;
    core.coreHeader = true;
    // White listed first: the dots are index 1.
    BmpSpec whiteFirst{.width = 20,
                       .height = 12,
                       .colour0 = 0xFFFFFF,
                       .colour1 = 0x000000,
                       .index1 = [](int x, int y) { return x == y; }};
    for (const Case& c : std::vector<Case>{{"bottom-up", bottomUp},
                                           {"top-down", topDown},
                                           {"core header", core},
                                           {"white first", whiteFirst}}) {
        const BmpLoad load = Read(c.spec);
        ASSERT_EQ(load.status, BmpStatus::Loaded) << c.what;
        EXPECT_EQ(load.bitmap.width, 20) << c.what;
        EXPECT_EQ(load.bitmap.height, 12) << c.what;
        for (int y = 0; y < 12; ++y) {
            for (int x = 0; x < 20; ++x) {
                EXPECT_EQ(load.bitmap.IsDot(x, y), x == y) << c.what << " at " << x << "," << y;
            }
        }
    }
}

TEST(BmpReader, RefusesWhatIsNoTwoColourLogo) {
    struct Case {
        const char* what;
        BmpSpec spec;
        BmpStatus status;
    };
    const std::vector<Case> cases{
        {"432 x 192", {.width = 432, .height = 192}, BmpStatus::Loaded},
        {"433 wide", {.width = 433, .height = 192}, BmpStatus::WrongFormat},
        {"193 high", {.width = 432, .height = 193}, BmpStatus::WrongFormat},
        {"193 high top-down", {.width = 432, .height = -193}, BmpStatus::WrongFormat},
        {"8 bits a pixel", {.width = 16, .height = 8, .bitsPerPixel = 8}, BmpStatus::WrongFormat},
        {"24 bits a pixel", {.width = 16, .height = 8, .bitsPerPixel = 24}, BmpStatus::WrongFormat},
        {"two planes", {.width = 16, .height = 8, .planes = 2}, BmpStatus::WrongFormat},
        {"compressed", {.width = 16, .height = 8, .compression = 1}, BmpStatus::WrongFormat},
        {"height 0", {.width = 16, .height = 0}, BmpStatus::Unreadable},
        {"width 0", {.width = 0, .height = 8}, BmpStatus::Unreadable},
        {"negative width", {.width = -16, .height = 8}, BmpStatus::Unreadable},
        {"one colour used", {.width = 16, .height = 8, .coloursUsed = 1}, BmpStatus::Unreadable},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Read(c.spec).status, c.status) << c.what;
    }
}

TEST(BmpReader, RefusesBrokenFilesWithoutReadingPastThem) {
    const std::vector<std::uint8_t> good = MakeBmp({.width = 32, .height = 4});
    ASSERT_EQ(ReadMonoBmp(good).status, BmpStatus::Loaded);
    // Every shorter piece of a good file is refused.
    for (std::size_t size = 0; size < good.size(); ++size) {
        EXPECT_EQ(ReadMonoBmp(std::span(good).first(size)).status, BmpStatus::Unreadable) << size;
    }
    std::vector<std::uint8_t> pixelsFarAway = good;
    pixelsFarAway[10] = 0xFF;
    pixelsFarAway[13] = 0x7F;
    EXPECT_EQ(ReadMonoBmp(pixelsFarAway).status, BmpStatus::Unreadable);
    std::vector<std::uint8_t> unknownHeader = good;
    unknownHeader[14] = 20;
    EXPECT_EQ(ReadMonoBmp(unknownHeader).status, BmpStatus::Unreadable);
    const std::string png = "\x89PNG\r\n\x1a\n";
    EXPECT_EQ(ReadMonoBmp(std::span(reinterpret_cast<const std::uint8_t*>(png.data()), png.size()))
                  .status,
              BmpStatus::Unreadable);
}

TEST(BmpReader, AFileThatCannotBeOpenedIsUnreadable) {
    EXPECT_EQ(ReadMonoBmpFile("/nonexistent/logo.bmp").status, BmpStatus::Unreadable);
}

}  // namespace
