// The logo and footer page without a window: the line-spacing choices, how the register's
// answers are read, which controls may be used, and what the logo and footer buttons send.
#include <gtest/gtest.h>

#include "console/logo_footer_page.h"
#include "tests/unit/print_helpers.h"

using namespace orvik::console;
namespace device = orvik::device;

namespace {

// Records what is sent; the call numbers in `failAt` (counted from 1 over all calls) fail.
class RecordingLogoFooterRegister : public ILogoFooterRegister {
  public:
    std::vector<std::string> sent;
    std::vector<std::size_t> failAt;

    device::HRESULT LoadLogoLine(std::int32_t lineIndex, std::u16string_view hexText) override {
        return Record("LUPC " + std::to_string(lineIndex) + " " + Utf8(hexText));
    }
    device::HRESULT SetLogoHeight(std::int32_t lines) override {
        return Record("AUPC " + std::to_string(lines));
    }
    device::HRESULT RunCommand(std::u16string_view command) override {
        return Record(Utf8(command));
    }

  private:
    device::HRESULT Record(std::string call) {
        sent.push_back(std::move(call));
        return std::find(failAt.begin(), failAt.end(), sent.size()) == failAt.end()
                   ? device::S_OK
                   : device::E_ABORT;
    }
};

MonoBitmap Logo(int width, int height) {
    return MakeMonoBitmap(width, height, [](int x, int y) { return x == y; });
}

TEST(LineSpacing, EighteenChoicesInMillimetres) {
    const std::vector<LineSpacingEntry> entries = LineSpacingEntries();
    ASSERT_EQ(entries.size(), 18u);
    EXPECT_EQ(entries.front().value, 3);
    EXPECT_EQ(Utf8(entries.front().text), "0.375 мм");
    EXPECT_EQ(entries[2].value, 5);
    EXPECT_EQ(Utf8(entries[2].text), "0.625 мм");
    EXPECT_EQ(entries.back().value, 20);
    EXPECT_EQ(Utf8(entries.back().text), "2.500 мм");
}

TEST(LineSpacing, TheRegistersAnswerSelectsItsChoiceOrNone) {
    struct Case {
        std::u16string answer;
        std::optional<std::size_t> index;
    };
    for (const Case& c : std::vector<Case>{{u"05", 2},
                                           {u"5", 2},
                                           {u"03", 0},
                                           {u"20", 17},
                                           {u"2099", 17},
                                           // No choice for what the register does not have.
                                           {u"21", std::nullopt},
                                           {u"25", std::nullopt},
                                           {u"02", std::nullopt},
                                           {u"00", std::nullopt},
                                           {u"", std::nullopt},
                                           {u"x5", std::nullopt}}) {
        EXPECT_EQ(LineSpacingIndexFromAnswer(c.answer), c.index) << Utf8(c.answer);
    }
}

TEST(DiscountPrinting, TheRegistersAnswerIsAModeOrNothing) {
    EXPECT_EQ(DiscountPrintModeFromAnswer(u"0"), 0);
    EXPECT_EQ(DiscountPrintModeFromAnswer(u"1"), 1);
    EXPECT_EQ(DiscountPrintModeFromAnswer(u"1 "), 1);
    EXPECT_EQ(DiscountPrintModeFromAnswer(u""), std::nullopt);
    EXPECT_EQ(DiscountPrintModeFromAnswer(u"7"), std::nullopt);
}

TEST(LogoFooterControls, Model8EnablesTheLogoSpacingAndDiscountsTheFooterIsAlwaysUsable) {
    const orvik::device::RegisterCapabilities kModel8 = orvik::device::CapabilitiesOf(1, 8, 0);
    const orvik::device::RegisterCapabilities kModel4 = orvik::device::CapabilitiesOf(1, 4, 0);
    FooterList footer;
    const LogoFooterControls other = EnabledLogoFooterControls(kModel4, true, true, footer, true);
    EXPECT_FALSE(other.printLogoBox || other.setLogo || other.spacingList || other.setSpacing ||
                 other.discountModes || other.setDiscounts);
    EXPECT_TRUE(other.loadLogo && other.addLine && other.setFooter);

    const LogoFooterControls model8 = EnabledLogoFooterControls(kModel8, true, true, footer, true);
    EXPECT_TRUE(model8.printLogoBox && model8.setLogo && model8.spacingList && model8.setSpacing &&
                model8.discountModes && model8.setDiscounts);
    EXPECT_FALSE(EnabledLogoFooterControls(kModel8, true, false, footer, true).setLogo);
    EXPECT_FALSE(EnabledLogoFooterControls(kModel8, false, true, footer, true).setLogo);
    EXPECT_FALSE(EnabledLogoFooterControls(kModel8, true, true, footer, false).setSpacing);

    for (int i = 0; i < 10; ++i) {
        footer.Add(FooterLine{u"x"});
    }
    footer.Select(9);
    const LogoFooterControls full = EnabledLogoFooterControls({}, false, true, footer, false);
    EXPECT_FALSE(full.addLine);
    EXPECT_TRUE(full.changeLine && full.deleteLine && full.moveUp && full.setFooter);
    EXPECT_FALSE(full.moveDown);
}

TEST(SendLogo, EveryRowThenTheHeight) {
    RecordingLogoFooterRegister device;
    const MonoBitmap logo = Logo(16, 3);
    EXPECT_EQ(SendLogo(device, &logo, true), LogoSendResult::Sent);
    EXPECT_EQ(device.sent,
              (std::vector<std::string>{"LUPC 0 8000", "LUPC 1 4000", "LUPC 2 2000", "AUPC 3"}));
}

TEST(SendLogo, WithoutPrintingOnlyTheHeightZero) {
    RecordingLogoFooterRegister device;
    const MonoBitmap logo = Logo(432, 192);
    EXPECT_EQ(SendLogo(device, &logo, false), LogoSendResult::Sent);
    EXPECT_EQ(device.sent, std::vector<std::string>{"AUPC 0"});
}

TEST(SendLogo, ALogoWithoutRowsSendsNothing) {
    RecordingLogoFooterRegister device;
    const MonoBitmap empty;
    EXPECT_EQ(SendLogo(device, &empty, true), LogoSendResult::NoBits);
    EXPECT_EQ(SendLogo(device, nullptr, true), LogoSendResult::NoBits);
    EXPECT_TRUE(device.sent.empty());
}

TEST(SendLogo, AFailingRowEndsTheTransfer) {
    RecordingLogoFooterRegister device;
    device.failAt = {2};
    const MonoBitmap logo = Logo(16, 5);
    EXPECT_EQ(SendLogo(device, &logo, true), LogoSendResult::Failed);
    EXPECT_EQ(device.sent.size(), 2u);

    RecordingLogoFooterRegister heightRefused;
    heightRefused.failAt = {6};
    EXPECT_EQ(SendLogo(heightRefused, &logo, true), LogoSendResult::Failed);
}

TEST(SendLogo, TheLargestLogoIs192RowsOf108Digits) {
    RecordingLogoFooterRegister device;
    const MonoBitmap logo = Logo(432, 192);
    ASSERT_EQ(SendLogo(device, &logo, true), LogoSendResult::Sent);
    ASSERT_EQ(device.sent.size(), 193u);
    EXPECT_EQ(device.sent[191].substr(0, 9), "LUPC 191 ");
    EXPECT_EQ(device.sent[191].size(), 9u + 108u);
    EXPECT_EQ(device.sent.back(), "AUPC 192");
}

TEST(SendFooter, StopsAtTheFirstRefusedLine) {
    const std::vector<FooterLine> rows{{u"a"}, {u"b"}};
    RecordingLogoFooterRegister device;
    EXPECT_TRUE(SendFooter(device, rows));
    EXPECT_EQ(device.sent.size(), 10u);

    RecordingLogoFooterRegister refusing;
    refusing.failAt = {2};
    EXPECT_FALSE(SendFooter(refusing, rows));
    EXPECT_EQ(refusing.sent, (std::vector<std::string>{"BOTm000a", "BOTm100b"}));

    RecordingLogoFooterRegister erasing;
    EXPECT_TRUE(SendFooter(erasing, {}));
    EXPECT_EQ(erasing.sent, std::vector<std::string>{"BOTm"});
}

}  // namespace
