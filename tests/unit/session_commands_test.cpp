// The command texts of the log-in and of the access levels.
#include "device/protocol/session_commands.h"

#include <gtest/gtest.h>

#include "support/text_codec.h"

using namespace orvik::device;

using orvik::device::BuildAccessLevelCommand;
using orvik::device::BuildLoginCommand;

namespace {
std::string Utf8(std::u16string_view text) {
    return orvik::support::ToUtf8(text);
}
}  // namespace

TEST(LoginCommand, ServiceOperatorUsesSpas) {
    const orvik::device::LoginCommand command = BuildLoginCommand(u"СЕРВІС", u"12345");
    EXPECT_EQ(Utf8(command.text), "SPAS12345     ");
    EXPECT_TRUE(command.serviceSession);

    // Only the exact name with the Ukrainian capital I opens a service session.
    for (std::u16string_view other : {u"СЕРВИС", u"СЕРВIС", u"сервіс", u"СЕРВІС ", u" СЕРВІС"}) {
        const orvik::device::LoginCommand cashier = BuildLoginCommand(other, u"1");
        EXPECT_FALSE(cashier.serviceSession) << Utf8(other);
        EXPECT_EQ(Utf8(cashier.text.substr(0, 4)), "UPAS") << Utf8(other);
    }
}

TEST(LoginCommand, CashierUsesUpasWithTheName) {
    const orvik::device::LoginCommand command = BuildLoginCommand(u"Касир", u"12345");
    EXPECT_EQ(Utf8(command.text), "UPAS12345     Касир");
    EXPECT_FALSE(command.serviceSession);
    EXPECT_EQ(Utf8(BuildLoginCommand(u"Касир", u"").text), "UPAS          Касир");
    EXPECT_EQ(Utf8(BuildLoginCommand(u"", u"0123456789").text), "UPAS0123456789");
}

TEST(LoginCommand, LongCredentialsAreCut) {
    // A 12-character password keeps its first 10; an 11-character name its first 9.
    EXPECT_EQ(Utf8(BuildLoginCommand(u"Адміністр12", u"abcdefghijkl").text),
              "UPASabcdefghijАдміністр");
    EXPECT_EQ(Utf8(BuildLoginCommand(u"СЕРВІС", u"abcdefghijkl").text), "SPASabcdefghij");

    const orvik::device::Credentials cut =
        orvik::device::TruncateCredentials(u"Адміністр12", u"abcdefghijkl");
    EXPECT_EQ(Utf8(cut.operatorName), "Адміністр");
    EXPECT_EQ(Utf8(cut.password), "abcdefghij");
    const orvik::device::Credentials kept = orvik::device::TruncateCredentials(u"Касир", u"1");
    EXPECT_EQ(Utf8(kept.operatorName), "Касир");
    EXPECT_EQ(Utf8(kept.password), "1");
}

TEST(AccessLevelCommand, LevelsAndCodes) {
    const std::array<std::u16string_view, 3> codes{u"7260", u"8391", u"5836"};
    EXPECT_EQ(Utf8(BuildAccessLevelCommand(0, codes)), "SVSL0");
    EXPECT_EQ(Utf8(BuildAccessLevelCommand(1, codes)), "SVSL17260");
    EXPECT_EQ(Utf8(BuildAccessLevelCommand(2, codes)), "SVSL28391");
    EXPECT_EQ(Utf8(BuildAccessLevelCommand(3, codes)), "SVSL35836");
    // Every other level is level 1.
    EXPECT_EQ(Utf8(BuildAccessLevelCommand(4, codes)), "SVSL17260");
    EXPECT_EQ(Utf8(BuildAccessLevelCommand(-1, codes)), "SVSL17260");
    // Only the first four characters of a code travel.
    const std::array<std::u16string_view, 3> longCodes{u"123456", u"22", u"333333"};
    EXPECT_EQ(Utf8(BuildAccessLevelCommand(1, longCodes)), "SVSL11234");
    EXPECT_EQ(Utf8(BuildAccessLevelCommand(2, longCodes)), "SVSL222");
}
