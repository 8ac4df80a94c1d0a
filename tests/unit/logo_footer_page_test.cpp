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
    std::u16string QueryLineSpacing() override {
        Record("BLFI");
        return spacingAnswer;
    }
    std::u16string QueryDiscountPrintMode() override {
        Record("NPDI");
        return discountAnswer;
    }
    device::HRESULT SetLineSpacing(std::int32_t value) override {
        return Record("BLFI" + std::to_string(value));
    }
    device::HRESULT SetDiscountPrintMode(std::int32_t mode) override {
        return Record("NPDI" + std::to_string(mode));
    }
    bool ServiceSession() const override { return service; }

    std::u16string spacingAnswer;
    std::u16string discountAnswer;
    bool service = true;

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

// The page's state across a model-8 register, one without those settings, and no register.
TEST(LogoFooterPage, ReadsWhatTheRegisterHasAndSendsWhatIsChosen) {
    const device::RegisterCapabilities kModel8 = device::CapabilitiesOf(1, 8, 0);
    LogoFooterPage page(Logo(16, 2));
    EXPECT_FALSE(page.PrintLogo());
    RecordingLogoFooterRegister reg;
    reg.spacingAnswer = u"05";
    reg.discountAnswer = u"1";
    page.Refresh(kModel8, &reg);
    EXPECT_EQ(reg.sent, (std::vector<std::string>{"BLFI", "NPDI"}));
    ASSERT_TRUE(page.SpacingIndex());
    EXPECT_EQ(LineSpacingEntries()[*page.SpacingIndex()].value, 5);
    EXPECT_EQ(page.DiscountMode(), kDiscountsAtEnd);
    EXPECT_TRUE(page.Controls(true).setSpacing && page.Controls(true).setLogo);

    // An answer that is no spacing shows none; one that is no mode keeps the mode.
    reg.spacingAnswer = u"99";
    reg.discountAnswer = u"x";
    page.Refresh(kModel8, &reg);
    EXPECT_FALSE(page.SpacingIndex());
    EXPECT_EQ(page.DiscountMode(), kDiscountsAtEnd);
    EXPECT_FALSE(page.SendLineSpacing(reg));

    reg.sent.clear();
    page.ChooseSpacing(0);
    page.ChooseDiscountMode(kDiscountsOnEachLine);
    page.TakeLogo(Logo(8, 1));
    EXPECT_TRUE(page.SendLineSpacing(reg));
    EXPECT_TRUE(page.SendDiscountMode(reg));
    EXPECT_EQ(page.SendLogo(reg), LogoSendResult::Sent);
    EXPECT_EQ(reg.sent, (std::vector<std::string>{"BLFI3", "NPDI0", "LUPC 0 8000", "AUPC 1"}));

    // The footer needs the service log-in; an empty list erases.
    reg.service = false;
    EXPECT_EQ(page.SendFooter(&reg), FooterSendResult::NeedsServiceLogin);
    EXPECT_EQ(page.SendFooter(nullptr), FooterSendResult::NeedsServiceLogin);
    reg.service = true;
    EXPECT_TRUE(page.FooterErases());
    page.Footer().Add(FooterLine{u"Спасибо"});
    EXPECT_FALSE(page.FooterErases());
    EXPECT_EQ(page.SendFooter(&reg), FooterSendResult::Sent);

    // A register without them is not asked, and its page offers no logo to send.
    reg.sent.clear();
    page.Refresh(device::CapabilitiesOf(1, 4, 0), &reg);
    EXPECT_TRUE(reg.sent.empty());
    EXPECT_FALSE(page.Controls(true).setLogo);
    EXPECT_EQ(page.SendLogo(reg), LogoSendResult::Failed);
    EXPECT_TRUE(reg.sent.empty());
}

}  // namespace
