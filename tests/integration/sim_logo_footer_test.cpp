// The simulated register prints its multi-line footer and its logo at the end of every receipt.
#include "console/logo_footer_page.h"
#include "tests/integration/sim_register_fixture.h"

namespace sim_test {
namespace {

using namespace orvik::device;
using SimLogoFooterTest = SimRegisterTest;

std::string Repeat(std::string_view text, std::size_t times) {
    std::string out;
    for (std::size_t i = 0; i < times; ++i) {
        out += text;
    }
    return out;
}

TEST_F(SimLogoFooterTest, EveryReceiptEndsWithTheFooterLinesAndTheLogo) {
    UseProfile("f1m8");
    ASSERT_EQ(core.Connect(kPort, u"СЕРВІС", u"0000"), S_OK);
    orvik::console::CCoreLogoFooterRegister device(core);
    const std::vector<orvik::console::FooterLine> footer{{u"СПАСИБО", false, true, true},
                                                         {u"Приходите ещё", true, false, false}};
    ASSERT_TRUE(orvik::console::SendFooter(device, footer));
    // A logo of 432 x 16 whose left half is dots.
    const orvik::console::MonoBitmap logo =
        orvik::console::MakeMonoBitmap(432, 16, [](int x, int) { return x < 216; });
    ASSERT_EQ(orvik::console::SendLogo(device, &logo, true), orvik::console::LogoSendResult::Sent);

    std::int32_t total = 0;
    ASSERT_EQ(core.OpenReceipt(), S_OK);
    ASSERT_EQ(core.AddReceiptLine({.quantity = 1, .name = u"Хлеб", .price = 1000}, total), S_OK);
    ASSERT_EQ(core.CloseReceipt(0, 0, 0, 0, total), S_OK);

    const std::vector<std::string> tape = TapeLines();
    const std::string wide = "               С П А С И Б О";
    const auto first = std::find(tape.begin(), tape.end(), wide);
    ASSERT_NE(first, tape.end());
    // Double height takes two lines; the next line is in normal print.
    ASSERT_LT(first + 2, tape.end());
    EXPECT_EQ(*(first + 1), wide);
    EXPECT_EQ(*(first + 2), "               Приходите ещё");
    // 432 dots across a 43-character tape: 11 dots a character, 4 rows a line. The left half
    // is solid up to the character that is partly dots.
    const std::string solid = " " + Repeat("█", 19);
    std::size_t logoLines = 0;
    for (auto line = first + 3; line != tape.end() && line->starts_with(solid); ++line) {
        ++logoLines;
    }
    EXPECT_EQ(logoLines, 4u);
    EXPECT_TRUE(std::any_of(tape.begin(), tape.end(),
                            [](const std::string& line) { return line.starts_with("ЧЕК №"); }));
}

TEST_F(SimLogoFooterTest, WithTheLogoOffOnlyTheFooterIsPrinted) {
    UseProfile("f1m8");
    ASSERT_EQ(core.Connect(kPort, u"СЕРВІС", u"0000"), S_OK);
    orvik::console::CCoreLogoFooterRegister device(core);
    const orvik::console::MonoBitmap logo =
        orvik::console::MakeMonoBitmap(432, 8, [](int, int) { return true; });
    ASSERT_EQ(orvik::console::SendLogo(device, &logo, false), orvik::console::LogoSendResult::Sent);
    EXPECT_EQ(TakeReceived().back(), "AUPC000");
    ASSERT_TRUE(orvik::console::SendFooter(
        device, std::vector<orvik::console::FooterLine>{{u"Ласкаво просимо"}}));
    std::int32_t total = 0;
    ASSERT_EQ(core.OpenReceipt(), S_OK);
    ASSERT_EQ(core.AddReceiptLine({.quantity = 1, .name = u"Хлеб", .price = 1000}, total), S_OK);
    ASSERT_EQ(core.CloseReceipt(0, 0, 0, 0, total), S_OK);
    EXPECT_TRUE(TapeHasLine("              Ласкаво просимо"));
    for (const std::string& line : TapeLines()) {
        EXPECT_EQ(line.find("█"), std::string::npos) << line;
    }
}

}  // namespace
}  // namespace sim_test
