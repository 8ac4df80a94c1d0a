// The report and settings verbs of orvik-cli as a script runs them against a simulated
// register: what they print, their exit status, and that a mistyped argument sends nothing.
#include "tests/integration/cli_run.h"
#include "tests/integration/sim_register_fixture.h"

namespace sim_test {
namespace {

class CliReportSettingsTest : public SimRegisterTest {
  protected:
    CliRun Cli(std::vector<std::string> args) {
        args.insert(args.begin(), {"--port", kPort, "--password", "0000"});
        return RunCli(std::move(args));
    }

    void SetClock(int year, int month, int day, int hour, int minute) {
        orvik::support::LocalDateTime when;
        when.year = year;
        when.month = month;
        when.day = day;
        when.hour = hour;
        when.minute = minute;
        ASSERT_TRUE(State([&](RegisterState& s) { return s.clock.Set(when); }));
    }
};

TEST_F(CliReportSettingsTest, ZReportPrintsTheNewNumberAndGetClockTheRegistersClock) {
    SetClock(2009, 3, 5, 14, 7);
    CliRun run = Cli({"z-report"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "lastZReportNumber: 42\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(State([](RegisterState& s) { return s.counters.lastZReportNumber; }), 42);
    EXPECT_TRUE(TapeHasLine("              Z-ОТЧЕТ № 0042"));

    run = Cli({"get-clock"});
    EXPECT_EQ(run.status, 0) << run.err;
    // The register's clock runs on from 14:07:00; a minute leaves room for a slow machine.
    EXPECT_EQ(run.out.substr(0, 17), "2009-03-05 14:07:") << run.out;
    EXPECT_EQ(run.out.size(), 20u) << run.out;

    run = Cli({"set-clock", "10:20:30"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, 17), "2009-03-05 10:20:") << run.out;

    run = Cli({"zero-z-report"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "lastZReportNumber: 43\n");
}

TEST_F(CliReportSettingsTest, EveryReportAndSettingRunsOnModel8AndReachesTheRegister) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> verbs{
        {{"x-report"}, "ZREP1"},
        {{"article-report"}, "ARTZ"},
        {{"discount-report"}, "DIZV"},
        {{"zero-receipt"}, "NULL"},
        {{"hardware-state"}, "HDZV"},
        {{"periodic-report", "--from", "2009-03-31", "--to", "2009-03-01"}, "IREP2009030120090331"},
        {{"periodic-report", "--full", "--from-number", "41", "--to-number", "1"}, "FIRN00010041"},
        {{"set-cutter", "1", "0", "1"}, "CUTR101"},
        {{"set-header", "Магазин"}, "HEADМагазин"},
        {{"set-footer", "Спасибо"}, "BOTMСпасибо"},
        {{"set-article-mode", "1"}, "ARMO1"},
        {{"set-tax-calculation", "1"}, "PPMD1"},
        {{"set-tax-print", "0"}, "PPOD1"},
        {{"set-message-set", "2"}, "TMOD2"},
        {{"set-department", "Відд."}, "DEPTВiдд."},
        {{"set-discount-print", "1"}, "NPDI1"},
        {{"set-line-spacing", "12"}, "BLFI12"},
    };
    for (const auto& [args, command] : verbs) {
        TakeReceived();
        const CliRun run = Cli(args);
        EXPECT_EQ(run.status, 0) << args[0] << ": " << run.err;
        const Texts received = TakeReceived();
        EXPECT_NE(std::find(received.begin(), received.end(), command), received.end()) << args[0];
    }
    State([](RegisterState& s) {
        EXPECT_EQ(Utf8(s.header), "Магазин");
        EXPECT_EQ(s.counters.articleMode, 1);
        EXPECT_EQ(s.settings.lineSpacing, 12);
        EXPECT_EQ(s.settings.messageSet, 2);
    });
}

TEST_F(CliReportSettingsTest, EveryVerbRunsOnEveryModelThatHasIt) {
    struct VerbRun {
        std::vector<std::string> args;
        std::string command;  // the command that carries it out; a final * stands for the rest
        bool model8Only = false;
        bool family1Only = false;
    };
    const std::vector<VerbRun> verbs{
        {{"x-report"}, "ZREP1"},
        {{"z-report"}, "NREP"},
        {{"zero-z-report"}, "nrep", true},
        {{"article-report"}, "ARTZ"},
        {{"discount-report"}, "DIZV"},
        {{"zero-receipt"}, "NULL"},
        {{"hardware-state"}, "HDZV"},
        {{"periodic-report", "--from", "2000-01-01", "--to", "2099-12-31"}, "IREP2000010120991231"},
        {{"periodic-report", "--from-number", "1", "--to-number", "4000", "--full"},
         "FIRN00014000"},
        {{"get-clock"}, "GETD"},
        {{"set-clock"}, "CTIM*"},
        {{"set-cutter", "1", "1"}, "CUTR11*", false, true},
        {{"set-header", "Магазин"}, "HEADМагазин"},
        {{"set-footer", "Спасибо"}, "BOTMСпасибо"},
        {{"set-article-mode", "0"}, "ARMO0"},
        {{"set-tax-calculation", "0"}, "PPMD"},
        {{"set-tax-print", "1"}, "PPOD"},
        {{"set-message-set", "0"}, "TMOD0"},
        {{"set-department", "Відд."}, "DEPTВiдд."},
        {{"set-discount-print", "0"}, "NPDI0", true},
        {{"set-line-spacing", "5"}, "BLFI05", true},
    };
    for (const auto& profile : orvik::sim::RegisterProfiles()) {
        UseProfile(profile.name);
        const bool family1 = profile.state.identity.family == 1;
        const bool model8 = profile.name == "f1m8";
        for (const VerbRun& verb : verbs) {
            SCOPED_TRACE(profile.name + " " + verb.args[0]);
            TakeReceived();
            const CliRun run = Cli(verb.args);
            const bool runs = (!verb.model8Only || model8) && (!verb.family1Only || family1);
            EXPECT_EQ(run.status, runs ? 0 : 1) << run.err;
            bool sent = false;
            for (const std::string& text : TakeReceived()) {
                const bool prefix = verb.command.back() == '*';
                sent =
                    sent || text == verb.command ||
                    (prefix && text.rfind(verb.command.substr(0, verb.command.size() - 1), 0) == 0);
            }
            EXPECT_EQ(sent, runs);
        }
    }
}

TEST_F(CliReportSettingsTest, BadArgumentsEndWithStatus2AndNothingIsSent) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{"x-report", "now"}, "x-report takes no arguments"},
        {{"z-report", "1"}, "z-report takes no arguments"},
        {{"periodic-report"}, "periodic-report needs --from and --to dates"},
        {{"periodic-report", "--from", "2009-02-30", "--to", "2009-03-01"},
         "--from \"2009-02-30\" is not a date YYYY-MM-DD"},
        {{"periodic-report", "--from", "2009-03-01"}, "needs both --from and --to"},
        {{"periodic-report", "--from-number", "0", "--to-number", "5"},
         "\"0\" is not a Z-report number from 1 to 4000"},
        {{"periodic-report", "--from-number", "1", "--to-number", "4001"},
         "\"4001\" is not a Z-report number from 1 to 4000"},
        {{"periodic-report", "--from", "2009-03-01", "--to", "2009-03-02", "--from-number", "1",
          "--to-number", "2"},
         "either dates or Z-report numbers"},
        {{"periodic-report", "--to-number"}, "--to-number needs a value"},
        {{"periodic-report", "--short"}, "unknown argument \"--short\""},
        {{"get-clock", "now"}, "get-clock takes no arguments"},
        {{"set-clock", "24:00:00"}, "\"24:00:00\" is not a time HH:MM:SS"},
        {{"set-clock", "1:02:03"}, "\"1:02:03\" is not a time HH:MM:SS"},
        {{"set-cutter", "1"}, "set-cutter needs CUTTER BEEPER [PARTIAL]"},
        {{"set-cutter", "1", "2"}, "BEEPER \"2\" is not 0 or 1"},
        {{"set-header"}, "set-header needs one argument"},
        {{"set-footer", "a\tb"}, "a character the register cannot print"},
        {{"set-header", "Ґанок"}, "a character the register cannot print"},
        {{"set-article-mode", "3"}, "set-article-mode: \"3\" is not an article mode from 0 to 2"},
        {{"set-tax-calculation", "-1"}, "is not a tax calculation mode from 0 to 1"},
        {{"set-tax-print", "2"}, "is not a tax print mode from 0 to 1"},
        {{"set-message-set", "4"}, "is not a message set from 0 to 3"},
        {{"set-department", "Отдел1"}, "the mnemonic has at most 5 characters"},
        {{"set-discount-print", "x"}, "is not a discount print mode from 0 to 1"},
        {{"set-line-spacing", "2"}, "eighths of a millimetre from 3 to 20"},
        {{"set-line-spacing", "21"}, "\"21\" is not a line spacing"},
        {{"set-message-set"}, "set-message-set needs one argument, a message set from 0 to 3"},
    };
    for (const auto& [args, message] : cases) {
        const auto before = sim.Activity().Snapshot();
        const CliRun run = Cli(args);
        EXPECT_EQ(run.status, 2) << args[0];
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
        const auto after = sim.Activity().Snapshot();
        EXPECT_EQ(after.wakeBytes, before.wakeBytes) << args[0];
        EXPECT_EQ(after.commands.size(), before.commands.size()) << args[0];
    }
}

TEST_F(CliReportSettingsTest, AModel8VerbOnAnotherModelSaysSoAndSendsNothingOfItsOwn) {
    UseProfile("f1m4");
    for (const std::vector<std::string>& args : {std::vector<std::string>{"zero-z-report"},
                                                 {"set-discount-print", "1"},
                                                 {"set-line-spacing", "5"}}) {
        TakeReceived();
        const CliRun run = Cli(args);
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find(args[0] + ": only family 1 model 8 has this; the register is "
                                         "family 1 model 4"),
                  std::string::npos)
            << run.err;
        for (const std::string& text : TakeReceived()) {
            EXPECT_TRUE(text.rfind("nrep", 0) != 0 && text.rfind("NPDI", 0) != 0 &&
                        text.rfind("BLFI", 0) != 0)
                << text;
        }
    }
    UseProfile("f0m1");
    const CliRun run = Cli({"set-cutter", "1", "1"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("has no cutter or beeper"), std::string::npos) << run.err;
}

TEST_F(CliReportSettingsTest, ARefusalOfTheRegisterIsShownAndEndsWithStatus1) {
    TurnKey(KeyPosition::XReport);
    CliRun run = Cli({"z-report"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(Message(2015)), std::string::npos) << run.err;
    // The counters are read all the same.
    EXPECT_EQ(run.out, "lastZReportNumber: 41\n");

    run = Cli({"set-message-set", "1"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(Message(2013)), std::string::npos) << run.err;

    // On a narrower register the header is cut to what it prints, and the user is told.
    UseProfile("f0m0");
    TurnKey(KeyPosition::Programming);
    run = Cli({"set-header", "Магазин у дома на углу"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("this register prints 18 characters; \"Магазин у дома на \" is sent"),
              std::string::npos)
        << run.err;
}

}  // namespace
}  // namespace sim_test
