// The settings only family 1 model 8 takes: logo, line spacing and discount printing, as the
// register receives them, and refused unsent on every other register.
#include <gtest/gtest.h>

#include <string>

#include "tests/integration/report_settings_fixture.h"

using namespace orvik::device;

namespace sim_test {
namespace {

using SettingsModel8Test = ReportSettingsTest;

TEST_F(SettingsModel8Test, LogoLinesAreNumberedFromOneAndCappedAt192) {
    UseRegister({1, 8});
    const std::u16string row(108, u'F');
    EXPECT_EQ(core.LoadLogoLine(0, row), S_OK);
    EXPECT_EQ(core.LoadLogoLine(190, u"00FF"), S_OK);
    EXPECT_EQ(core.LoadLogoLine(191, u"00FF"), S_OK);
    EXPECT_EQ(core.LoadLogoLine(200, u"00FF"), S_OK);
    // Longer hexadecimal text keeps its first 108 characters.
    EXPECT_EQ(core.LoadLogoLine(5, row + u"ABCD"), S_OK);
    EXPECT_EQ(TakeReceived(), (Texts{"LUPC001" + Utf8(row), "LUPC19100FF", "LUPC19200FF",
                                     "LUPC19200FF", "LUPC006" + Utf8(row)}));
}

TEST_F(SettingsModel8Test, LogoHeightLineSpacingAndDiscountPrinting) {
    UseRegister({1, 8});
    EXPECT_EQ(core.SetLogoHeight(0), S_OK);
    EXPECT_EQ(core.SetLogoHeight(191), S_OK);
    EXPECT_EQ(core.SetLogoHeight(250), S_OK);
    EXPECT_EQ(core.SetLineSpacing(3), S_OK);
    EXPECT_EQ(core.SetLineSpacing(20), S_OK);
    EXPECT_EQ(core.SetDiscountPrintMode(0), S_OK);
    EXPECT_EQ(core.SetDiscountPrintMode(1), S_OK);
    EXPECT_EQ(TakeReceived(),
              (Texts{"AUPC000", "AUPC191", "AUPC192", "BLFI03", "BLFI20", "NPDI0", "NPDI1"}));
}

TEST_F(SettingsModel8Test, EveryOtherRegisterIsRefusedUnsent) {
    for (const RegisterKind& kind : kAllRegisters) {
        if (kind.family == 1 && kind.model == 8) {
            continue;
        }
        UseRegister(kind);
        EXPECT_EQ(core.LoadLogoLine(0, u"FF"), E_FAIL) << Describe(kind);
        EXPECT_EQ(core.SetLogoHeight(10), E_FAIL) << Describe(kind);
        EXPECT_EQ(core.SetLineSpacing(5), E_FAIL) << Describe(kind);
        EXPECT_EQ(core.SetDiscountPrintMode(1), E_FAIL) << Describe(kind);
        EXPECT_TRUE(TakeReceivedBeforeMarker().empty()) << Describe(kind);
    }
    EXPECT_TRUE(prompt.entries.empty());
}

TEST_F(SettingsModel8Test, RefusedLogoLineFails) {
    UseRegister({1, 8});
    sim.Faults().InjectStatus(u"LUPC", u"SOFTSLPROG");
    EXPECT_EQ(core.LoadLogoLine(0, u"FF"), E_UNEXPECTED);
    EXPECT_EQ(prompt.Count(RecordingPrompt::Kind::Error), 1);
}

}  // namespace
}  // namespace sim_test
