// What becomes of a receipt whose close the register answers, refuses, or never answers: the
// device core's outcome and its one box, the copies counted as the register registered them,
// and the receipt settled at the next chance, on the same link or at the next connect to the
// same register.
#include "device/receipt_outcome.h"
#include "tests/integration/sim_receipt_fixture.h"
#include "tests/support/core_timings.h"

namespace sim_test {
namespace {

using orvik::device::ReceiptOutcome;

class ReceiptOutcomeTest : public SimReceiptTest {
  protected:
    void SetUp() override {
        SimReceiptTest::SetUp();
        std::string error;
        journal = orvik::console::ReceiptJournal::Open(ports.Path() + "/journal.sqlite3", &error);
        ASSERT_NE(journal, nullptr) << error;
        core.SetCloseJournal(journal.get());
        // A lost answer is waited for only briefly.
        ChangeTimings(core, [&](orvik::device::CoreTimings& t) {
            t.replyTimeout = kShortTimeoutMs;
            t.configReplyTimeout = kShortTimeoutMs;
        });
    }

    std::vector<orvik::console::ReceiptRow> Rows() { return {Goods(u"Хлеб", u"1", u"12.50")}; }

    // The page's request, its copies written to the journal.
    receipt::PrintRequest Journaled(receipt::PrintRequest request) {
        request.journal = {journal.get(), u"Касир", false};
        return request;
    }
    receipt::PrintOutcome PrintJournaled(int copies = 1) {
        auto request = Journaled(PageRequest(Rows()));
        request.copies = copies;
        return Print(Rows(), request);
    }

    std::vector<std::int32_t> Unsettled() {
        return journal->Unsettled(core.printerInfo.serialNumber);
    }

    // The boxes shown since the last call, kind and text.
    std::vector<std::pair<RecordingPrompt::Kind, std::string>> TakeBoxes() {
        std::vector<std::pair<RecordingPrompt::Kind, std::string>> boxes;
        for (const auto& entry : prompt.entries) {
            boxes.emplace_back(entry.kind, Utf8(entry.text));
        }
        prompt.entries.clear();
        return boxes;
    }

    static std::string Registered(std::int64_t number) {
        std::string text = Message(orvik::kStrReceiptRegistered);
        text.replace(text.find("%1"), 2, std::to_string(number));
        return text;
    }

    std::unique_ptr<orvik::console::ReceiptJournal> journal;
};

using Kind = RecordingPrompt::Kind;

TEST_F(ReceiptOutcomeTest, AnAnsweredCloseIsRegisteredWithTheRegistersNumber) {
    ConnectTo("f1m8");
    const auto outcome = Print(Rows());
    EXPECT_EQ(outcome.copiesPrinted, 1);
    EXPECT_EQ(outcome.lastClose.outcome, ReceiptOutcome::Registered);
    EXPECT_EQ(outcome.lastClose.receiptNumber, LastReceiptNumber());
    EXPECT_TRUE(TakeBoxes().empty());
}

TEST_F(ReceiptOutcomeTest, ARefusedCloseIsNotRegisteredAndSaysWhy) {
    ConnectTo("f1m8");
    const std::int64_t before = LastReceiptNumber();
    sim.Faults().InjectStatus(u"COMP", u"SOFTCHECK");
    const auto outcome = Print(Rows());
    EXPECT_EQ(outcome.copiesPrinted, 0);
    EXPECT_EQ(outcome.lastClose.outcome, ReceiptOutcome::NotRegistered);
    EXPECT_EQ(LastReceiptNumber(), before);
    EXPECT_EQ(TakeBoxes(), (decltype(TakeBoxes()){{Kind::Error, Message(2010)}}));
}

TEST_F(ReceiptOutcomeTest, ALostAnswerIsSettledOnTheSameLinkAsRegistered) {
    ConnectTo("f1m8");
    sim.Faults().DropReplyTo(u"COMP");
    const auto outcome = PrintJournaled();
    const std::int64_t number = LastReceiptNumber();
    EXPECT_EQ(outcome.copiesPrinted, 1);
    EXPECT_EQ(outcome.lastClose.outcome, ReceiptOutcome::Registered);
    EXPECT_EQ(outcome.lastClose.receiptNumber, number);
    // One box says which it was; no time-out box before it.
    EXPECT_EQ(TakeBoxes(), (decltype(TakeBoxes()){{Kind::Information, Registered(number)}}));
    EXPECT_FALSE(core.receiptOpen);
    EXPECT_FALSE(RegisterHasOpenReceipt());
    EXPECT_TRUE(Unsettled().empty());
    const auto rows = journal->List(std::nullopt).copies;
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].number, number);
    EXPECT_FALSE(rows[0].answered);
}

// Each row: the copies asked for, and the close the register answers by "READY" alone without
// carrying it out. The register's counter, not the answer, says what was registered.
TEST_F(ReceiptOutcomeTest, ACloseAnsweredByReadyAloneIsNotRegistered) {
    ConnectTo("f1m8");
    for (const int copies : {1, 3}) {
        const std::int64_t before = LastReceiptNumber();
        sim.Faults().InjectStatus(u"COMP", u"READY");
        const auto outcome = PrintJournaled(copies);
        EXPECT_EQ(outcome.copiesPrinted, 0) << copies;
        EXPECT_EQ(outcome.lastClose.outcome, ReceiptOutcome::NotRegistered) << copies;
        EXPECT_EQ(LastReceiptNumber(), before) << copies;
        EXPECT_EQ(
            TakeBoxes(),
            (decltype(TakeBoxes()){{Kind::Information, Message(orvik::kStrReceiptNotRegistered)}}));
        EXPECT_EQ(journal->List(std::nullopt).copies.front().outcome,
                  orvik::console::JournalOutcome::NotRegistered);
    }
}

TEST_F(ReceiptOutcomeTest, ACloseWhoseCounterCannotBeReadIsNotSent) {
    ConnectTo("f1m8");
    const std::int64_t before = LastReceiptNumber();
    TakeReceived();
    // The question and its one repetition go unanswered.
    sim.Faults().Silence(u"GLCN", 2);
    const auto outcome = PrintJournaled();
    EXPECT_EQ(outcome.lastClose.outcome, ReceiptOutcome::NotRegistered);
    EXPECT_FALSE(outcome.lastClose.sent);
    const Texts received = TakeReceived();
    EXPECT_EQ(std::count(received.begin(), received.end(), "GLCN"), 2);
    EXPECT_EQ(std::count_if(received.begin(), received.end(),
                            [](const std::string& c) { return c.rfind("COMP", 0) == 0; }),
              0);
    EXPECT_FALSE(RegisterHasOpenReceipt());
    EXPECT_EQ(LastReceiptNumber(), before);
    EXPECT_EQ(TakeBoxes(),
              (decltype(TakeBoxes()){{Kind::Warning, Message(orvik::kStrReceiptNumberUnread)}}));
    const auto rows = journal->List(std::nullopt).copies;
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].outcome, orvik::console::JournalOutcome::Cancelled);
}

TEST_F(ReceiptOutcomeTest, TheCopiesStopAtALostAnswerAndCountWhatWasRegistered) {
    ConnectTo("f1m8");
    sim.Faults().DropReplyTo(u"COMP", 2);
    auto request = PageRequest(Rows());
    request.copies = 3;
    const auto outcome = Print(Rows(), request);
    // Copy 2 was registered although its answer was lost: two of three, not one.
    EXPECT_EQ(outcome.copiesPrinted, 2);
    EXPECT_TRUE(outcome.failed);
    EXPECT_EQ(outcome.copiesRemaining, 1);
    EXPECT_EQ(PrintedCount("ФИСКАЛЬНЫЙ ЧЕК"), 2u);
}

TEST_F(ReceiptOutcomeTest, AHangUpLeavesItUnknownUntilTheNextConnectSettlesIt) {
    ConnectTo("f1m8");
    const std::u16string serial = core.printerInfo.serialNumber;
    const std::int64_t before = LastReceiptNumber();
    sim.Faults().HangUpOn(u"COMP");
    const auto outcome = PrintJournaled();
    EXPECT_EQ(outcome.copiesPrinted, 0);
    EXPECT_EQ(outcome.lastClose.outcome, ReceiptOutcome::Unknown);
    EXPECT_TRUE(outcome.lastClose.settleable);
    const auto boxes = TakeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].second.rfind(Message(orvik::kStrReceiptOutcomePending), 0), 0u)
        << boxes[0].second;
    EXPECT_EQ(Unsettled(), std::vector<std::int32_t>{static_cast<std::int32_t>(before)});

    // The cable is back; the console connects again with a new core, as the window does.
    ASSERT_TRUE(sim.Reconnect());
    core.Disconnect();
    orvik::device::COrvikCore next;
    next.SetPrompt(&prompt);
    next.SetCloseJournal(journal.get());
    ChangeTimings(next, [&](orvik::device::CoreTimings& t) { t.pendingStatusTimeout = 5; });
    prompt.entries.clear();
    ASSERT_EQ(next.Connect(kPort, u"Касир", u"0000"), orvik::device::S_OK);
    EXPECT_EQ(
        TakeBoxes(),
        (decltype(TakeBoxes()){{Kind::Information, Message(orvik::kStrReceiptNotRegistered)}}));
    EXPECT_EQ(next.LastCloseOutcome().outcome, ReceiptOutcome::NotRegistered);
    EXPECT_TRUE(journal->Unsettled(serial).empty());

    // The receipt the close never reached is still open on the register: printing it again
    // cancels it first and says so.
    EXPECT_TRUE(RegisterHasOpenReceipt());
    orvik::console::CoreReceiptRegister nextReg(next);
    const auto again = orvik::console::PrintReceipt(nextReg, Rows(), PageRequest(Rows()));
    EXPECT_EQ(again.copiesPrinted, 1);
    EXPECT_EQ(LastReceiptNumber(), before + 1);
    EXPECT_EQ(
        TakeBoxes(),
        (decltype(TakeBoxes()){{Kind::Information, Message(orvik::kStrLeftOpenReceiptCancelled)}}));
    next.Disconnect();
}

TEST_F(ReceiptOutcomeTest, ARegisterWithoutCountersSaysTheTapeMustBeChecked) {
    ConnectTo("f1m4");
    sim.Faults().DropReplyTo(u"COMP");
    const auto outcome = Print(Rows());
    EXPECT_EQ(outcome.lastClose.outcome, ReceiptOutcome::Unknown);
    EXPECT_FALSE(outcome.lastClose.settleable);
    EXPECT_EQ(
        TakeBoxes(),
        (decltype(TakeBoxes()){{Kind::Information, Message(orvik::kStrReceiptOutcomeUnknowable)}}));
    // Nothing waits to be settled: no register of this model can tell.
    EXPECT_TRUE(Unsettled().empty());
}

TEST_F(ReceiptOutcomeTest, AReceiptLeftOpenIsCancelledAndOpenedAgainOnce) {
    ConnectTo("f1m8");
    // A program that died left a receipt open on the register.
    ASSERT_EQ(Run(u"PREPСЕРВІС"), orvik::device::S_OK);
    ASSERT_TRUE(RegisterHasOpenReceipt());
    TakeReceived();
    EXPECT_EQ(core.OpenReceipt(), orvik::device::S_OK);
    const Texts received = TakeReceived();
    EXPECT_EQ(std::count(received.begin(), received.end(), "CANC"), 1);
    EXPECT_EQ(std::count_if(received.begin(), received.end(),
                            [](const std::string& c) { return c.rfind("PREP", 0) == 0; }),
              2);
    EXPECT_EQ(
        TakeBoxes(),
        (decltype(TakeBoxes()){{Kind::Information, Message(orvik::kStrLeftOpenReceiptCancelled)}}));
    EXPECT_TRUE(core.receiptOpen);
}

TEST_F(ReceiptOutcomeTest, ACancelRefusedLeavesTheOpenFailingOnce) {
    ConnectTo("f1m8");
    ASSERT_EQ(Run(u"PREPСЕРВІС"), orvik::device::S_OK);
    sim.Faults().InjectStatus(u"CANC", u"HARDPAPER");
    TakeReceived();
    EXPECT_FALSE(orvik::device::Succeeded(core.OpenReceipt()));
    const Texts received = TakeReceived();
    // One cancel tried, no second "PREP" after it failed.
    EXPECT_EQ(std::count(received.begin(), received.end(), "CANC"), 1);
    EXPECT_EQ(std::count_if(received.begin(), received.end(),
                            [](const std::string& c) { return c.rfind("PREP", 0) == 0; }),
              1);
}

}  // namespace
}  // namespace sim_test
