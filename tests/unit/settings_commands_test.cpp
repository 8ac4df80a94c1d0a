// The command texts of the register's settings and the readers of its settings answers.
#include "device/protocol/settings_commands.h"

#include <gtest/gtest.h>

#include <limits>

#include "tests/unit/print_helpers.h"

using namespace orvik::device;

using namespace orvik;

TEST(SettingsCommands, NumbersOutsideTheUsualValues) {
    // One-digit fields keep the first digit; flags are 1 for any non-zero value.
    EXPECT_EQ(Utf8(BuildCutterCommand(-3, 7, 12)), "CUTR111");
    EXPECT_EQ(Utf8(BuildDiscountPrintCommand(25)), "NPDI2");
    // Free-width fields go out in signed decimal, for the register to judge.
    EXPECT_EQ(Utf8(BuildArticleModeCommand(-1)), "ARMO-1");
    EXPECT_EQ(Utf8(BuildMessageSetCommand(12)), "TMOD12");
}

TEST(SettingsCommands, LogoNumbersAreCapped) {
    // The largest index and height are capped, not overflowed.
    EXPECT_EQ(Utf8(BuildLogoLineCommand(std::numeric_limits<std::int32_t>::max(), u"")), "LUPC192");
    EXPECT_EQ(Utf8(BuildLogoLineCommand(-1, u"")), "LUPC000");
    EXPECT_EQ(Utf8(BuildLogoHeightCommand(std::numeric_limits<std::int32_t>::max())), "AUPC192");
    EXPECT_EQ(Utf8(BuildLineSpacingCommand(123)), "BLFI12");
}

TEST(RegisterDateTime, FourteenDigitsMakeTheClock) {
    const auto clock = ParseRegisterDateTime(u"20090305140709");
    ASSERT_TRUE(clock.has_value());
    EXPECT_EQ(clock->year, 2009);
    EXPECT_EQ(clock->month, 3);
    EXPECT_EQ(clock->day, 5);
    EXPECT_EQ(clock->hour, 14);
    EXPECT_EQ(clock->minute, 7);
    EXPECT_EQ(clock->second, 9);
    // What follows the fourteen digits is not the clock's.
    EXPECT_TRUE(ParseRegisterDateTime(u"20080229235959 X").has_value());
}

TEST(RegisterDateTime, AnswersThatAreNoClockGiveNothing) {
    for (std::u16string_view answer :
         {u"", u"2009030514070", u"20091305140709", u"20090229140709", u"20090305240709",
          u"20090305146009", u"20090305140760", u"18991231235959", u"2009-3-5140709",
          u"20090305 40709", u"20090300140709"}) {
        EXPECT_FALSE(ParseRegisterDateTime(answer).has_value()) << Utf8(answer);
    }
}

TEST(CutterOptions, ThreeDigitsEachReadAsANumber) {
    const auto options = ParseCutterOptions(u"101");
    ASSERT_TRUE(options.has_value());
    EXPECT_EQ(options->cutter, 1);
    EXPECT_EQ(options->beeper, 0);
    EXPECT_EQ(options->partialCut, 1);

    const auto shortAnswer = ParseCutterOptions(u"1");
    ASSERT_TRUE(shortAnswer.has_value());
    EXPECT_EQ(shortAnswer->cutter, 1);
    EXPECT_EQ(shortAnswer->beeper, 0);
    EXPECT_EQ(shortAnswer->partialCut, 0);

    const auto odd = ParseCutterOptions(u"x2 9");
    ASSERT_TRUE(odd.has_value());
    EXPECT_EQ(odd->cutter, 0);
    EXPECT_EQ(odd->beeper, 2);
    EXPECT_EQ(odd->partialCut, 0);

    EXPECT_FALSE(ParseCutterOptions(u"").has_value());
}
