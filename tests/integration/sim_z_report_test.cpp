// The simulated register's day: a Z report closes it, counts up the Z-report number and marks
// the Z report made, as the console reads back; the fiscal memory reports find the Z reports;
// a register without paper or without a voice fails the reports as the console expects.
#include "tests/integration/sim_register_fixture.h"
#include "tests/support/core_timings.h"

using namespace orvik::device;

namespace sim_test {
namespace {

using SimDayTest = SimRegisterTest;

DocumentCounters Counters(COrvikCore& core) {
    DocumentCounters counters;
    core.QueryDocumentCounters(counters);
    return counters;
}

orvik::support::LocalDateTime At(int year, int month, int day, int hour) {
    orvik::support::LocalDateTime when;
    when.year = year;
    when.month = month;
    when.day = day;
    when.hour = hour;
    return when;
}

TEST_F(SimDayTest, AZReportClosesTheDayAndTheCountersShowIt) {
    UseProfile("f1m8");
    ASSERT_TRUE(State([](RegisterState& s) { return s.clock.Set(At(2009, 3, 5, 20)); }));
    Connect();
    const std::int32_t before = core.printerInfo.lastZReportNumber;
    ASSERT_EQ(before, 41);
    EXPECT_EQ(Counters(core).zReportMade, 0);

    // As the reports page does it.
    core.BlankQueuedReplies();
    EXPECT_EQ(core.PrintZReport(), S_OK);
    const DocumentCounters after = Counters(core);
    EXPECT_EQ(after.lastZReportNumber, before + 1);
    EXPECT_EQ(after.zReportMade, 1);
    EXPECT_EQ(core.printerInfo.lastZReportNumber, before + 1);
    EXPECT_EQ(core.printerInfo.zReportMade, 1);

    // The Z report is on the tape with its number, the day's figures, date and time.
    EXPECT_TRUE(TapeHasLine("              Z-ОТЧЕТ № 0042")) << tapePath;
    EXPECT_TRUE(TapeHasLine("               СМЕНА ЗАКРЫТА"));
    bool dated = false;
    for (const std::string& line : TapeLines()) {
        dated = dated || line.rfind("05.03.2009", 0) == 0;
    }
    EXPECT_TRUE(dated);

    // The configuration read at the next connect says the same.
    core.Disconnect();
    Connect();
    EXPECT_EQ(core.printerInfo.lastZReportNumber, before + 1);
    EXPECT_EQ(core.printerInfo.zReportMade, 1);

    // A receipt opens the day again.
    EXPECT_EQ(core.PrintZeroReceipt(), S_OK);
    EXPECT_EQ(Counters(core).zReportMade, 0);
    EXPECT_EQ(core.PrintZReport(), S_OK);
    EXPECT_EQ(Counters(core).lastZReportNumber, before + 2);
    EXPECT_EQ(TakeShown(), Texts{});
}

TEST_F(SimDayTest, TheZeroZReportNeedsAnEmptyDayAndModel8) {
    UseProfile("f1m8");
    Connect();
    EXPECT_EQ(core.PrintZeroReceipt(), S_OK);
    // A receipt since the last Z report: a full Z report is due first.
    EXPECT_EQ(core.PrintZeroZReport(), E_UNEXPECTED);
    EXPECT_EQ(TakeShown(), Texts{Message(2001)});
    EXPECT_EQ(core.PrintZReport(), S_OK);
    EXPECT_EQ(core.PrintZeroZReport(), S_OK);
    EXPECT_EQ(Counters(core).lastZReportNumber, 43);
    EXPECT_TRUE(TapeHasLine("          НУЛЕВОЙ Z-ОТЧЕТ № 0043"));

    core.Disconnect();
    UseProfile("f1m6");
    Connect();
    TakeReceived();
    // The console does not send it to another model, and the register would not know it.
    EXPECT_EQ(core.PrintZeroZReport(), E_FAIL);
    EXPECT_EQ(Run(u"nrep"), E_UNEXPECTED);
    EXPECT_EQ(TakeReceived(), Texts{"nrep"});
    EXPECT_EQ(TakeShown(), Texts{Message(2003)});
}

TEST_F(SimDayTest, AFullFiscalMemoryOrAClockBehindTheLastZReportRefusesIt) {
    UseProfile("f1m4");
    ASSERT_TRUE(State([](RegisterState& s) { return s.clock.Set(At(2009, 3, 5, 20)); }));
    Connect();
    EXPECT_EQ(core.PrintZReport(), S_OK);
    ASSERT_TRUE(State([](RegisterState& s) { return s.clock.Set(At(2009, 3, 4, 20)); }));
    EXPECT_EQ(core.PrintZReport(), E_UNEXPECTED);
    EXPECT_EQ(TakeShown(), Texts{Message(2007)});

    ASSERT_TRUE(State([](RegisterState& s) { return s.clock.Set(At(2009, 3, 6, 20)); }));
    State([](RegisterState& s) { s.counters.lastZReportNumber = 4000; });
    EXPECT_EQ(core.PrintZReport(), E_UNEXPECTED);
    EXPECT_EQ(TakeShown(), Texts{Message(2006)});
    EXPECT_EQ(Counters(core).lastZReportNumber, 4000);
}

TEST_F(SimDayTest, PeriodicReportsListTheZReportsOfTheRange) {
    UseProfile("f1m3");
    ASSERT_TRUE(State([](RegisterState& s) { return s.clock.Set(At(2009, 3, 5, 20)); }));
    Connect();
    EXPECT_EQ(core.PrintZReport(), S_OK);  // number 42, today

    // The Z reports before the simulator came on are kept one a day up to yesterday.
    EXPECT_EQ(core.PrintPeriodicReportByNumbers(42, 40, true), S_OK);
    for (const char* line : {"Z № 0040                         03.03.2009",
                             "Z № 0041                         04.03.2009",
                             "Z № 0042                         05.03.2009"}) {
        EXPECT_TRUE(TapeHasLine(line)) << line;
    }
    EXPECT_EQ(core.PrintPeriodicReportByDates(At(2009, 3, 5, 0), At(2009, 3, 4, 0), false), S_OK);
    EXPECT_TRUE(TapeHasLine("Z-ОТЧЕТОВ                                 2"));
    EXPECT_EQ(core.PrintPeriodicReportByDates(At(2010, 1, 1, 0), At(2010, 1, 31, 0), false), S_OK);
    EXPECT_TRUE(TapeHasLine("               Z-ОТЧЕТОВ НЕТ"));
    EXPECT_EQ(TakeShown(), Texts{});

    // A range that begins after the last Z report, and numbers or dates that are not, are
    // refused.
    EXPECT_EQ(core.PrintPeriodicReportByNumbers(43, 50, false), E_UNEXPECTED);
    EXPECT_EQ(Run(u"IREP2009030120090230"), E_UNEXPECTED);
    EXPECT_EQ(Run(u"IREN00050001"), E_UNEXPECTED);
    EXPECT_EQ(Run(u"FIRN0001"), E_UNEXPECTED);
    EXPECT_EQ(TakeShown(), Texts(4, Message(2008)));
}

TEST_F(SimDayTest, WithoutPaperReportsFailButSettingsAreTaken) {
    UseProfile("f1m8");
    Connect();
    State([](RegisterState& s) { s.paperOut = true; });
    EXPECT_EQ(core.PrintXReport(), E_UNEXPECTED);
    EXPECT_EQ(core.PrintZReport(), E_UNEXPECTED);
    EXPECT_EQ(core.PrintZeroReceipt(), E_UNEXPECTED);
    EXPECT_EQ(TakeShown(), Texts(3, Message(2020)));
    EXPECT_EQ(Counters(core).lastZReportNumber, 41);
    EXPECT_EQ(core.SetMessageSet(3), S_OK);

    State([](RegisterState& s) { s.paperOut = false; });
    EXPECT_EQ(core.PrintXReport(), S_OK);
}

TEST_F(SimDayTest, ASilentRegisterEndsTheReportWithTheNoAnswerMessage) {
    UseProfile("f1m7");
    Connect();
    ChangeTimings(core, [&](orvik::device::CoreTimings& t) {
        t.replyTimeout = kShortTimeoutMs;
        t.configReplyTimeout = kShortTimeoutMs;
    });
    TakeReceived();
    sim.Faults().Silence(u"ZREP");
    EXPECT_EQ(core.PrintXReport(), E_ABORT);
    EXPECT_EQ(TakeShown(), Texts{Message(1003)});
    // The level goes back to 1 all the same.
    EXPECT_EQ(TakeReceived(), (Texts{"SVSL28391", "ZREP1", "SVSL17260"}));

    sim.Faults().Silence(u"");
    EXPECT_EQ(core.PrintZReport(), E_ABORT);
    EXPECT_EQ(core.SetTaxPrintMode(1), E_ABORT);
    EXPECT_EQ(core.QueryDateTime(), u"");
    // Model 7's Z report is three commands, each of them unanswered.
    EXPECT_EQ(TakeShown(), Texts(5, Message(1003)));
    sim.Faults().ClearAnswerFaults();
    EXPECT_EQ(core.PrintXReport(), S_OK);
}

}  // namespace
}  // namespace sim_test

namespace sim_test {
namespace {

// A register prints no report in the middle of a receipt, the Z report least of all: it
// would close the day with the receipt's lines half registered.
TEST_F(SimDayTest, NoReportWhileAReceiptIsOpen) {
    UseProfile("f1m8");
    Connect();
    ASSERT_EQ(core.OpenReceipt(), S_OK);
    const std::int64_t zBefore = Counters(core).lastZReportNumber;
    for (const char16_t* report : {u"ZREP1", u"NREP", u"nrep", u"ARTZ", u"DIZV", u"HDZV",
                                   u"IREP2009030120090331", u"IREN00010001"}) {
        EXPECT_EQ(Run(report), E_UNEXPECTED) << Utf8(report);
    }
    EXPECT_EQ(TakeShown(), Texts(8, Message(2004)));
    EXPECT_EQ(Counters(core).lastZReportNumber, zBefore);
    EXPECT_TRUE(State([](RegisterState& s) { return s.receipt.open.has_value(); }));

    // Once the receipt is cancelled the reports print again; the core's Z report cancels an
    // open receipt itself first.
    ASSERT_EQ(core.CancelReceipt(), S_OK);
    EXPECT_EQ(Run(u"ZREP1"), S_OK);
    ASSERT_EQ(core.OpenReceipt(), S_OK);
    EXPECT_EQ(core.PrintZReport(), S_OK);
    EXPECT_EQ(Counters(core).lastZReportNumber, zBefore + 1);
}

}  // namespace
}  // namespace sim_test
