// The simulated register keeps what the console programs and answers it back to the queries;
// a register refuses the commands its model does not have, and parameters it cannot take.
#include "device/protocol/settings_commands.h"
#include "sim/printout.h"
#include "tests/integration/sim_register_fixture.h"

using namespace orvik::device;

namespace sim_test {
namespace {

using SimSettingsTest = SimRegisterTest;

// The simulated register keeps its own table of line widths; for every register it can be, the
// console's limit agrees with it.
TEST(SimLineWidths, AgreeWithTheConsolesHeaderLimitOnEveryProfile) {
    for (const orvik::sim::RegisterProfile& profile : orvik::sim::RegisterProfiles()) {
        const auto& identity = profile.state.identity;
        const std::size_t width = orvik::sim::HeaderLineWidth(profile.state);
        EXPECT_GE(width, 18u) << profile.name;
        EXPECT_EQ(HeaderTextLimit(identity.family, identity.model), width) << profile.name;
    }
}

TEST_F(SimSettingsTest, Model8AnswersItsQueriesWithWhatWasSet) {
    UseProfile("f1m8");
    Connect();
    EXPECT_EQ(core.SetCutterAndBeeper(1, 0, 1), S_OK);
    EXPECT_EQ(Utf8(core.QueryCutterOptions()), "101");
    EXPECT_EQ(core.SetCutterAndBeeper(0, 7, 0), S_OK);
    EXPECT_EQ(Utf8(core.QueryCutterOptions()), "010");

    EXPECT_EQ(core.SetLineSpacing(12), S_OK);
    EXPECT_EQ(Utf8(core.QueryValue(u"BLFI", u"BLFI")), "12");
    EXPECT_EQ(core.SetDiscountPrintMode(1), S_OK);
    EXPECT_EQ(Utf8(core.QueryValue(u"NPDI", u"NPDI")), "1");
    EXPECT_EQ(core.SetTapeMode(1), S_OK);
    EXPECT_EQ(Utf8(core.QueryValue(u"NCDC", u"NCDC")), "1");

    EXPECT_EQ(core.SetArticleMode(2), S_OK);
    EXPECT_EQ(core.articleMode, 2);
    EXPECT_EQ(core.printerInfo.maxArticleNumber, 999999999);

    EXPECT_EQ(core.LoadLogoLine(1, u"F0F0"), S_OK);
    EXPECT_EQ(core.SetLogoHeight(2), S_OK);
    State([](RegisterState& s) {
        EXPECT_EQ(Utf8(s.settings.logoRows[1]), "F0F0");
        EXPECT_EQ(s.settings.logoHeight, 2);
    });
    EXPECT_EQ(TakeShown(), Texts{});
}

TEST_F(SimSettingsTest, TheClockIsSetToTheTimeOfDayAndKeepsItsDate) {
    UseProfile("f1m4");
    orvik::support::LocalDateTime when;
    when.year = 2009;
    when.month = 3;
    when.day = 5;
    when.hour = 8;
    ASSERT_TRUE(State([&](RegisterState& s) { return s.clock.Set(when); }));
    Connect();
    orvik::support::LocalDateTime time;
    time.year = 1999;  // the date is not sent
    time.hour = 13;
    time.minute = 14;
    time.second = 0;
    EXPECT_EQ(core.SetClock(time), S_OK);
    // The clock runs on; a minute leaves room for a slow machine.
    EXPECT_EQ(Utf8(core.QueryDateTime()).substr(0, 12), "200903051314");
}

TEST_F(SimSettingsTest, HeaderFooterAndModesAreKeptAndTheHeaderIsReportedAtConnect) {
    UseProfile("f1m2");
    Connect();
    const std::u16string forty = u"Магазин у дома, Киев, ул. Садовая, 15";
    EXPECT_EQ(core.SetHeaderText(forty), S_OK);
    EXPECT_EQ(core.SetFooterText(u"Приходите ещё"), S_OK);
    EXPECT_EQ(core.SetTaxCalculationMode(1), S_OK);
    EXPECT_EQ(core.SetTaxPrintMode(1), S_OK);
    EXPECT_EQ(core.SetMessageSet(3), S_OK);
    EXPECT_EQ(core.SetDepartmentMnemonic(u"Отд2"), S_OK);
    State([&](RegisterState& s) {
        // Family 1 model 2 prints 36 characters.
        EXPECT_EQ(s.header, forty.substr(0, 36));
        EXPECT_EQ(Utf8(s.footer), "Приходите ещё");
        EXPECT_TRUE(s.taxPerItem);
        EXPECT_TRUE(s.settings.taxPrintOnTotal);
        EXPECT_EQ(s.settings.messageSet, 3);
        EXPECT_EQ(Utf8(s.settings.department), "Отд2");
    });
    EXPECT_EQ(core.SetTaxPrintMode(0), S_OK);
    EXPECT_FALSE(State([](RegisterState& s) { return s.settings.taxPrintOnTotal; }));

    core.Disconnect();
    Connect();
    // The configuration carries the first 18 characters of the header.
    EXPECT_EQ(core.printerInfo.ownerLine3, forty.substr(0, 18));
    EXPECT_EQ(TakeShown(), Texts{});
}

TEST_F(SimSettingsTest, OtherModelsRefuseTheCommandsOnlyModel8Has) {
    const std::vector<std::u16string> model8Only{u"nrep",    u"NPDI1", u"NPDI",
                                                 u"BLFI05",  u"BLFI",  u"LUPC001FF",
                                                 u"AUPC001", u"NCDC0", u"NCDC"};
    for (const auto& profile : orvik::sim::RegisterProfiles()) {
        SCOPED_TRACE(profile.name);
        UseProfile(profile.name);
        Connect();
        const bool model8 = profile.name == "f1m8";
        for (const std::u16string& command : model8Only) {
            if (command == u"nrep" && model8) {
                continue;  // needs a Z report first; its own test has it
            }
            EXPECT_EQ(Run(command), model8 ? S_OK : E_UNEXPECTED) << Utf8(command);
        }
        // Family 0 has no cutter; family 1 takes it, the partial-cut digit on model 8 only.
        const bool family0 = profile.state.identity.family == 0;
        EXPECT_EQ(Run(u"CUTR10"), family0 ? E_UNEXPECTED : S_OK);
        EXPECT_EQ(Run(u"CUTR101"), model8 ? S_OK : E_UNEXPECTED);
        const Texts shown = TakeShown();
        const std::size_t refusals = model8 ? 0 : model8Only.size() + (family0 ? 2 : 1);
        EXPECT_EQ(shown.size(), refusals);
        for (std::size_t i = 0; i < shown.size() && i + 1 < refusals; ++i) {
            EXPECT_EQ(shown[i], Message(2003)) << i;
        }
        // The partial-cut digit is a parameter too many on family 1 and an unknown command on
        // family 0.
        if (!model8) {
            EXPECT_EQ(shown.back(), Message(family0 ? 2003 : 2008));
        }
        core.Disconnect();
    }
}

TEST_F(SimSettingsTest, ParametersTheRegisterCannotTakeAreRefused) {
    UseProfile("f1m8");
    Connect();
    for (const char16_t* command :
         {u"CTIM256000", u"CTIM1200", u"ARMO3", u"ARMO", u"TMOD4", u"PPOD2", u"PPMD0",
          u"DEPTОтдел1", u"BLFI02", u"BLFI21", u"NPDI2", u"AUPC193", u"LUPC000FF", u"LUPC001F",
          u"LUPC001GG", u"CUTR2", u"HEAD12345678901234567890123456789012345678901234"}) {
        EXPECT_EQ(Run(command), E_UNEXPECTED) << Utf8(command);
        EXPECT_EQ(TakeShown(), Texts{Message(2008)}) << Utf8(command);
    }
    // The multi-line footer needs the service session.
    EXPECT_EQ(Run(u"BOTm010Строка"), E_UNEXPECTED);
    EXPECT_EQ(TakeShown(), Texts{Message(2004)});
}

TEST_F(SimSettingsTest, TheServiceEngineerSetsTheFooterLines) {
    UseProfile("f1m8");
    ASSERT_EQ(core.Connect(kPort, u"СЕРВІС", u"0000"), S_OK);
    EXPECT_EQ(Run(u"BOTm003Двойная"), S_OK);
    EXPECT_EQ(Run(u"BOTm110Обычная строка"), S_OK);
    EXPECT_EQ(Run(u"BOTm2"), S_OK);
    EXPECT_EQ(Run(u"BOTm401Строка двойной ширины"), S_OK);
    // Double width leaves room for 21 characters.
    EXPECT_EQ(Run(u"BOTm301Строка двойной ширины!"), E_UNEXPECTED);
    State([](RegisterState& s) {
        const auto& lines = s.settings.footerLines;
        ASSERT_TRUE(lines[0] && lines[1]);
        EXPECT_EQ(Utf8(lines[0]->text), "Двойная");
        EXPECT_EQ(lines[0]->format, 3);
        EXPECT_FALSE(lines[0]->journal);
        EXPECT_TRUE(lines[1]->journal);
        EXPECT_FALSE(lines[2] || lines[3]);
        ASSERT_TRUE(lines[4]);
        EXPECT_EQ(lines[4]->format, 1);
    });
    EXPECT_EQ(Run(u"BOTm"), S_OK);
    EXPECT_FALSE(State([](RegisterState& s) { return s.settings.footerLines[0].has_value(); }));
}

}  // namespace
}  // namespace sim_test
