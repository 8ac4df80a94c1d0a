// The simulated register's key: every report and setting runs only in its own key position,
// and the console shows the message that asks for the right one; family 1 model 7 takes its
// access level instead, which the console's report operations switch.
#include <functional>

#include "tests/integration/sim_register_fixture.h"

using namespace orvik::device;

namespace sim_test {
namespace {

using Operation = std::function<HRESULT(COrvikCore&)>;

orvik::support::LocalDateTime Day(int year, int month, int day) {
    orvik::support::LocalDateTime date;
    date.year = year;
    date.month = month;
    date.day = day;
    date.hour = 10;
    return date;
}

struct KeyedOperation {
    const char* name;
    Operation run;
    KeyPosition key;  // the position the register runs it in
};

// Every report and setting of family 1 model 8, which has them all.
const std::vector<KeyedOperation>& Operations() {
    static const std::vector<KeyedOperation> kOperations{
        {"x report", [](COrvikCore& c) { return c.PrintXReport(); }, KeyPosition::XReport},
        {"article report", [](COrvikCore& c) { return c.PrintArticleReport(); },
         KeyPosition::XReport},
        {"discount report", [](COrvikCore& c) { return c.PrintDiscountReport(); },
         KeyPosition::XReport},
        {"hardware state", [](COrvikCore& c) { return c.PrintHardwareState(); },
         KeyPosition::XReport},
        {"z report", [](COrvikCore& c) { return c.PrintZReport(); }, KeyPosition::ZReport},
        {"periodic by dates",
         [](COrvikCore& c) {
             return c.PrintPeriodicReportByDates(Day(2009, 1, 1), Day(2030, 1, 1), false);
         },
         KeyPosition::ZReport},
        {"periodic by numbers",
         [](COrvikCore& c) { return c.PrintPeriodicReportByNumbers(1, 5, true); },
         KeyPosition::ZReport},
        {"zero receipt", [](COrvikCore& c) { return c.PrintZeroReceipt(); },
         KeyPosition::Registration},
        {"tape mode", [](COrvikCore& c) { return c.SetTapeMode(1); }, KeyPosition::Registration},
        {"clock", [](COrvikCore& c) { return c.SetClock(Day(2009, 3, 5)); },
         KeyPosition::Programming},
        {"cutter", [](COrvikCore& c) { return c.SetCutterAndBeeper(1, 1, 0); },
         KeyPosition::Programming},
        {"article mode", [](COrvikCore& c) { return c.SetArticleMode(1); },
         KeyPosition::Programming},
        {"header", [](COrvikCore& c) { return c.SetHeaderText(u"Шапка"); },
         KeyPosition::Programming},
        {"footer", [](COrvikCore& c) { return c.SetFooterText(u"Подвал"); },
         KeyPosition::Programming},
        {"tax calculation", [](COrvikCore& c) { return c.SetTaxCalculationMode(1); },
         KeyPosition::Programming},
        {"tax print", [](COrvikCore& c) { return c.SetTaxPrintMode(0); }, KeyPosition::Programming},
        {"message set", [](COrvikCore& c) { return c.SetMessageSet(2); }, KeyPosition::Programming},
        {"department", [](COrvikCore& c) { return c.SetDepartmentMnemonic(u"Отд1"); },
         KeyPosition::Programming},
        {"discount print", [](COrvikCore& c) { return c.SetDiscountPrintMode(1); },
         KeyPosition::Programming},
        {"logo line", [](COrvikCore& c) { return c.LoadLogoLine(0, u"FF00FF"); },
         KeyPosition::Programming},
        {"logo height", [](COrvikCore& c) { return c.SetLogoHeight(1); }, KeyPosition::Programming},
        {"line spacing", [](COrvikCore& c) { return c.SetLineSpacing(8); },
         KeyPosition::Programming},
    };
    return kOperations;
}

// The message that asks for the key position.
int MessageFor(KeyPosition key) {
    switch (key) {
        case KeyPosition::Registration:
            return 2012;
        case KeyPosition::Programming:
            return 2013;
        case KeyPosition::XReport:
            return 2014;
        case KeyPosition::ZReport:
            return 2015;
        case KeyPosition::Off:
            return 2002;
    }
    return 0;
}

using SimKeyTest = SimRegisterTest;

TEST_F(SimKeyTest, EachOperationRunsInItsOwnPositionAndTheWrongOneAsksForIt) {
    UseProfile("f1m8");
    Connect();
    const std::vector<KeyPosition> positions{KeyPosition::Registration, KeyPosition::XReport,
                                             KeyPosition::ZReport, KeyPosition::Programming,
                                             KeyPosition::Off};
    for (const KeyedOperation& operation : Operations()) {
        for (const KeyPosition key : positions) {
            SCOPED_TRACE(std::string(operation.name) + " with the key in " +
                         orvik::sim::KeyLetter(key));
            TurnKey(key);
            const auto documentsBefore =
                State([](RegisterState& s) { return s.counters.lastDocumentNumber; });
            const HRESULT result = operation.run(core);
            if (key == operation.key) {
                EXPECT_EQ(result, S_OK);
                EXPECT_EQ(TakeShown(), Texts{});
                continue;
            }
            EXPECT_EQ(result, E_UNEXPECTED);
            // Off refuses everything; any other position asks for the operation's own.
            const int expected = MessageFor(key == KeyPosition::Off ? key : operation.key);
            EXPECT_EQ(TakeShown(), Texts{Message(expected)});
            // Nothing was printed.
            EXPECT_EQ(State([](RegisterState& s) { return s.counters.lastDocumentNumber; }),
                      documentsBefore);
        }
    }
}

TEST_F(SimKeyTest, InServiceModeEverythingRunsWithoutTurningTheKey) {
    UseProfile("f1m8");
    Connect();
    for (const KeyedOperation& operation : Operations()) {
        EXPECT_EQ(operation.run(core), S_OK) << operation.name;
    }
    EXPECT_EQ(TakeShown(), Texts{});
}

TEST_F(SimKeyTest, QueriesAnswerInEveryPositionAndTheConsoleSeesTheKey) {
    UseProfile("f1m8");
    for (const auto& [key, letter] :
         std::vector<std::pair<KeyPosition, char16_t>>{{KeyPosition::Registration, u'R'},
                                                       {KeyPosition::XReport, u'X'},
                                                       {KeyPosition::ZReport, u'Z'},
                                                       {KeyPosition::Programming, u'P'},
                                                       {KeyPosition::Off, u'O'}}) {
        TurnKey(key);
        Connect();
        EXPECT_EQ(core.printerInfo.keyPosition, letter);
        EXPECT_FALSE(core.QueryDateTime().empty());
        EXPECT_FALSE(core.QueryCutterOptions().empty());
        DocumentCounters counters;
        EXPECT_FALSE(core.QueryDocumentCounters(counters).empty());
        EXPECT_EQ(TakeShown(), Texts{});
        core.Disconnect();
    }
}

TEST_F(SimKeyTest, Model7ReportsSwitchToLevel2AndBackWhileLevel1AllowsTheRest) {
    UseProfile("f1m7");
    TurnKey(KeyPosition::Registration);
    Connect();
    ASSERT_EQ(State([](RegisterState& s) { return s.session.accessLevel; }), 1);
    TakeReceived();

    EXPECT_EQ(core.PrintXReport(), S_OK);
    EXPECT_EQ(TakeReceived(), (Texts{"SVSL28391", "ZREP1", "SVSL17260"}));
    EXPECT_EQ(core.PrintZReport(), S_OK);
    EXPECT_EQ(State([](RegisterState& s) { return s.session.accessLevel; }), 1);
    // Level 1 is the cashier's: receipts, settings and the fiscal memory reports.
    EXPECT_EQ(core.PrintZeroReceipt(), S_OK);
    EXPECT_EQ(core.SetMessageSet(1), S_OK);
    EXPECT_EQ(core.PrintPeriodicReportByNumbers(1, 3, false), S_OK);
    EXPECT_EQ(core.PrintHardwareState(), S_OK);
    EXPECT_EQ(TakeShown(), Texts{});

    // The day reports at level 1 are refused as a register with a key refuses them.
    EXPECT_EQ(Run(u"ZREP1"), E_UNEXPECTED);
    EXPECT_EQ(Run(u"NREP"), E_UNEXPECTED);
    EXPECT_EQ(TakeShown(), (Texts{Message(2014), Message(2015)}));

    // Level 0 locks the register; the report operations still get through, since they
    // switch to level 2 first.
    EXPECT_EQ(Run(u"SVSL0"), S_OK);
    EXPECT_EQ(core.SetMessageSet(2), E_UNEXPECTED);
    EXPECT_EQ(TakeShown(), Texts{Message(2002)});
    EXPECT_EQ(core.PrintXReport(), S_OK);
    EXPECT_EQ(TakeShown(), Texts{});
}

}  // namespace
}  // namespace sim_test
