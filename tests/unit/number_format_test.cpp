// The fixed-width numbers of command texts.
#include "device/protocol/number_format.h"

#include <gtest/gtest.h>

#include <limits>

#include "tests/unit/print_helpers.h"

using namespace orvik::device;

using orvik::device::FormatNumber;

TEST(FormatNumber, PadsWithZerosOnTheLeft) {
    EXPECT_EQ(Utf8(FormatNumber(7, 4)), "0007");
    EXPECT_EQ(Utf8(FormatNumber(0, 3)), "000");
    EXPECT_EQ(Utf8(FormatNumber(1234, 4)), "1234");
    EXPECT_EQ(Utf8(FormatNumber(5, 1)), "5");
    EXPECT_EQ(Utf8(FormatNumber(2147483647, 10)), "2147483647");
}

TEST(FormatNumber, LongerNumbersKeepTheirFirstDigits) {
    EXPECT_EQ(Utf8(FormatNumber(123456, 4)), "1234");
    EXPECT_EQ(Utf8(FormatNumber(10, 1)), "1");
    EXPECT_EQ(Utf8(FormatNumber(250, 2)), "25");
    EXPECT_EQ(Utf8(FormatNumber(42, 0)), "");
}

TEST(FormatNumber, NegativeValuesAreTheirUnsignedCounterpart) {
    EXPECT_EQ(Utf8(FormatNumber(-1, 10)), "4294967295");
    EXPECT_EQ(Utf8(FormatNumber(-1, 12)), "004294967295");
    EXPECT_EQ(Utf8(FormatNumber(-4, 3)), "429");
    EXPECT_EQ(Utf8(FormatNumber(std::numeric_limits<std::int32_t>::min(), 10)), "2147483648");
}
