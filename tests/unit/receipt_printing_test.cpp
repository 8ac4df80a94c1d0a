// The printing sequence of a composed receipt against a register that records every call.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/receipt_printing.h"
#include "res/string_table.h"
#include "tests/unit/print_helpers.h"
#include "tests/unit/recording_register.h"

using namespace orvik::device;
using namespace orvik::console;

namespace {

using namespace orvik::console;
using Calls = std::vector<std::string>;

ReceiptRow Row(std::u16string name, std::u16string price, bool isReturn = false) {
    ReceiptRow row;
    row.name = std::move(name);
    row.article = 7;
    row.quantity = EnteredNumber::FromText(u"2");
    row.price = EnteredNumber::FromText(std::move(price));
    row.isReturn = isReturn;
    return row;
}

class ReceiptPrintingTest : public ::testing::Test {
  protected:
    ReceiptPrintingTest() {
        request.cash = u"10.00";
        progress.copiesRemaining = [this](int n) { shown.push_back(n); };
        progress.rowSelected = [this](std::size_t i) {
            reg.calls.push_back("select " + std::to_string(i));
        };
        progress.rowUnselected = [this](std::size_t i) {
            reg.calls.push_back("unselect " + std::to_string(i));
        };
    }
    PrintOutcome Print(const std::vector<ReceiptRow>& rows) {
        return PrintReceipt(reg, rows, request, progress);
    }
    // The calls without the row selection.
    Calls DeviceCalls() const {
        Calls calls;
        for (const std::string& call : reg.calls) {
            if (call.rfind("select", 0) != 0 && call.rfind("unselect", 0) != 0) {
                calls.push_back(call);
            }
        }
        return calls;
    }

    RecordingRegister reg;
    PrintRequest request;
    PrintProgress progress;
    std::vector<int> shown;
};

TEST_F(ReceiptPrintingTest, OneCopyRowByRowWithTheRowSelectedWhileRegistered) {
    const PrintOutcome outcome = Print({Row(u"Чай", u"1.50"), Row(u"Сок", u"2,25")});
    EXPECT_EQ(reg.calls, (Calls{"NCDC 0", "PREP", "select 0", "FISC Чай q2 p150 t0,0 a7 d-1::0",
                                "unselect 0", "select 1", "FISC Сок q2 p225 t0,0 a7 d-1::0",
                                "unselect 1", "COMP 1000 0 0 0"}));
    EXPECT_EQ(outcome.copiesPrinted, 1);
    EXPECT_EQ(outcome.copiesRemaining, 1);
    EXPECT_FALSE(outcome.failed);
    EXPECT_EQ(shown, (std::vector<int>{1}));
}

TEST_F(ReceiptPrintingTest, RowsAreConvertedFromTheirTexts) {
    const ReceiptRow weighed = RowFromTexts(
        {u"Сыр", u"1234", u"1", u"1,5", u"3,33", u"2", u"8", u"2", u"Доставка", u"0.5", u"0"},
        false);
    request.moneyDecimals = 3;
    Print({weighed});
    EXPECT_EQ(DeviceCalls()[2], "FISC Сыр q1500 p3330 div t2,8 a1234 d1:Доставка:500");
}

TEST_F(ReceiptPrintingTest, TheFirstReturnRowSwitchesTheReceiptToReturnsForGood) {
    Print({Row(u"A", u"1"), Row(u"B", u"1"), Row(u"C", u"1", true), Row(u"D", u"1")});
    EXPECT_EQ(DeviceCalls(),
              (Calls{"NCDC 0", "PREP", "FISC A q2 p100 t0,0 a7 d-1::0",
                     "FISC B q2 p100 t0,0 a7 d-1::0", "returns", "BFIS C q2 p100 t0,0 a7 d-1::0",
                     "BFIS D q2 p100 t0,0 a7 d-1::0", "COMP 1000 0 0 0"}));
    // The next copy starts as a sale again.
    reg.calls.clear();
    Print({Row(u"A", u"1")});
    EXPECT_EQ(DeviceCalls()[0], "NCDC 0");
    EXPECT_EQ(DeviceCalls()[1], "sales");
}

TEST_F(ReceiptPrintingTest, ThreeCopiesCountDown) {
    request.copies = 3;
    request.receiptNumber = 15;
    const PrintOutcome outcome = Print({Row(u"A", u"1")});
    EXPECT_EQ(shown, (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(outcome.copiesPrinted, 3);
    EXPECT_EQ(outcome.copiesRemaining, 1);
    EXPECT_FALSE(outcome.failed);
    const Calls copy = {"BCHN 15", "NCDC 0", "PREP", "FISC A q2 p100 t0,0 a7 d-1::0",
                        "COMP 1000 0 0 0"};
    Calls expected;
    for (int i = 0; i < 3; ++i) {
        expected.insert(expected.end(), copy.begin(), copy.end());
    }
    EXPECT_EQ(DeviceCalls(), expected);
}

TEST_F(ReceiptPrintingTest, ALineFailingInTheSecondCopyStopsThePrinting) {
    request.copies = 3;
    request.barcodeType = 1;
    request.barcode = u"123";
    reg.failingLines = {4};  // the second line of the second copy
    const PrintOutcome outcome = Print({Row(u"A", u"1"), Row(u"B", u"1")});
    EXPECT_EQ(shown, (std::vector<int>{3, 2}));
    EXPECT_EQ(outcome.copiesPrinted, 1);
    EXPECT_EQ(outcome.copiesRemaining, 1);  // the third copy, never started
    EXPECT_TRUE(outcome.failed);
    const Calls firstCopy = {"NCDC 0",
                             "PREP",
                             "FISC A q2 p100 t0,0 a7 d-1::0",
                             "FISC B q2 p100 t0,0 a7 d-1::0",
                             "PCOD h123",
                             "COMP 1000 0 0 0"};
    Calls expected = firstCopy;
    // The second copy: the failed line ends its rows; the barcode is printed all the same; no
    // close, and the receipt stays open on the register.
    expected.insert(expected.end(), {"NCDC 0", "PREP", "FISC A q2 p100 t0,0 a7 d-1::0",
                                     "FISC B q2 p100 t0,0 a7 d-1::0", "PCOD h123"});
    EXPECT_EQ(DeviceCalls(), expected);
    EXPECT_TRUE(reg.receiptOpen);
    // The failed row was unselected too.
    EXPECT_EQ(reg.calls.back(), "PCOD h123");
    EXPECT_EQ(reg.calls[reg.calls.size() - 2], "unselect 1");
}

TEST_F(ReceiptPrintingTest, AFirstCopyThatDoesNotOpenLeavesTheOthersToPrint) {
    request.copies = 3;
    request.barcode = u"1";
    reg.failingOpens = {1};
    const PrintOutcome outcome = Print({Row(u"A", u"1")});
    EXPECT_EQ(DeviceCalls(), (Calls{"NCDC 0", "PREP"}));
    EXPECT_EQ(outcome.copiesRemaining, 2);
    EXPECT_EQ(outcome.copiesPrinted, 0);
    EXPECT_TRUE(outcome.failed);
}

TEST_F(ReceiptPrintingTest, AFailedCloseFailsTheCopy) {
    request.copies = 2;
    reg.failingCloses = {1};
    const PrintOutcome outcome = Print({Row(u"A", u"1")});
    EXPECT_TRUE(outcome.failed);
    EXPECT_EQ(outcome.copiesRemaining, 1);
    EXPECT_EQ(shown, (std::vector<int>{2}));
}

TEST_F(ReceiptPrintingTest, CompoundTaxCommandComesDirectlyBeforeItsLine) {
    ReceiptRow row = Row(u"A", u"1");
    row.taxSlot1 = 1;
    row.taxSlot2 = 2;
    row.compoundTax = true;
    Print({Row(u"B", u"1"), row});
    EXPECT_EQ(DeviceCalls()[3], "NLPR 1 2");
    EXPECT_EQ(DeviceCalls()[4].substr(0, 6), "FISC A");
}

TEST_F(ReceiptPrintingTest, PaymentsFromTheFields) {
    request.cash = u"0.25";
    request.payment1 = u"1,5";
    request.payment2 = u"";
    request.payment3 = u"0.25";
    Print({Row(u"A", u"1")});
    EXPECT_EQ(DeviceCalls().back(), "COMP 25 150 0 25");
    EXPECT_EQ(Utf8(BarcodeText(0, u"42")), "g42");
    EXPECT_EQ(Utf8(BarcodeText(2, u"42")), "i42");
}

// A sale of 2.00 paid with payments the register would have turned into change it never took
// in, or into a 32-bit wrap-around: nothing is sent and the count-down is left as it was.
TEST_F(ReceiptPrintingTest, NegativeOrOverpaidPaymentsSendNothing) {
    struct Case {
        const char16_t* cash;
        const char16_t* payment1;
        const char16_t* payment2;
        ReceiptField field;
    };
    for (const Case& c : {Case{u"-2.00", u"", u"", ReceiptField::Cash},
                          Case{u"0.00", u"5.00", u"", ReceiptField::Payment1},
                          Case{u"3.00", u"", u"-1.00", ReceiptField::Payment2}}) {
        reg.calls.clear();
        request.copies = 3;
        request.cash = c.cash;
        request.payment1 = c.payment1;
        request.payment2 = c.payment2;
        const PrintOutcome outcome = Print({Row(u"A", u"1")});
        EXPECT_TRUE(outcome.failed);
        ASSERT_TRUE(outcome.refusedPayments) << Utf8(c.cash);
        EXPECT_EQ(outcome.refusedPayments->field, c.field);
        EXPECT_EQ(outcome.copiesPrinted, 0);
        EXPECT_EQ(outcome.copiesRemaining, 3);
        EXPECT_TRUE(reg.calls.empty()) << reg.calls.front();
    }
}

// A receipt of returns only: the page shows the cash paid back with a minus sign; the core
// is handed it signed and tells the register its amount.
TEST_F(ReceiptPrintingTest, ARefundsCashIsHandedOnSigned) {
    request.cash = u"-2.00";
    const PrintOutcome outcome = Print({Row(u"A", u"1", true)});
    EXPECT_FALSE(outcome.failed);
    EXPECT_EQ(DeviceCalls().back(), "COMP -200 0 0 0");
    EXPECT_EQ(outcome.lastPayments.cash, -200);
}

TEST_F(ReceiptPrintingTest, WithTheRegistersLimitsARefusedRowSendsNothing) {
    ReceiptRow halfPiece = Row(u"B", u"1");
    halfPiece.quantity = EnteredNumber::FromText(u"1.5");
    request.rowLimits = ItemLimits{};
    const PrintOutcome outcome = Print({Row(u"A", u"1"), halfPiece});
    ASSERT_TRUE(outcome.refusedRow);
    EXPECT_EQ(outcome.refusedRow->row, 1u);
    EXPECT_EQ(outcome.refusedRow->failure.messageId, orvik::kStrPieceQuantityNotWhole);
    EXPECT_TRUE(reg.calls.empty());
}

TEST_F(ReceiptPrintingTest, CompoundTaxBoxPaysTheAmountDueInCash) {
    reg.taxes[0] = TaxSlot{u"", u"", u"1", u"2000", u"20.00"};
    ReceiptRow row = Row(u"A", u"10.03");
    row.quantity = EnteredNumber::FromText(u"1");
    row.taxSlot1 = 1;
    request.compoundTaxBox = true;
    request.payment1 = u"5.00";
    Print({row});
    // The sums as they stand after the last line: 1003 and its line tax of 200.
    EXPECT_EQ(DeviceCalls().back(), "COMP 1203 0 0 0");
}

TEST_F(ReceiptPrintingTest, TapeModeFailuresOfAnyKindAreIgnored) {
    reg.tapeModeThrows = true;
    request.tapeMode = 1;
    const PrintOutcome outcome = Print({Row(u"A", u"1")});
    EXPECT_FALSE(outcome.failed);
    EXPECT_EQ(DeviceCalls().front(), "NCDC 1");
    EXPECT_EQ(DeviceCalls().back(), "COMP 1000 0 0 0");
}

}  // namespace

// The journal around each copy: the copy is written before its close with the register's
// counter, a receipt held from an unanswered close sends nothing until asked again, and a
// journal that cannot be written keeps the close unsent.
TEST(ReceiptJob, WritesEachCopyBeforeItsCloseAndHoldsAnUnansweredOne) {
    std::string error;
    auto journal = ReceiptJournal::Open(":memory:", &error);
    ASSERT_NE(journal, nullptr) << error;
    RecordingRegister reg;
    reg.counter = 1240;
    const std::vector<ReceiptRow> rows{Row(u"Чай", u"1.50")};
    PrintRequest request;
    request.cash = u"3.00";
    request.copies = 2;
    request.journal = {journal.get(), u"Касир", false};
    // The copies in the journal as each copy's line is registered.
    std::vector<std::size_t> written;
    PrintProgress progress;
    progress.rowSelected = [&](std::size_t) {
        written.push_back(journal->List(std::nullopt).copies.size());
    };
    EXPECT_EQ(PrintReceipt(reg, rows, request, progress).copiesPrinted, 2);
    EXPECT_EQ(written, (std::vector<std::size_t>{0, 1}));
    auto copies = journal->List(std::nullopt).copies;
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_EQ(copies[1].numberBefore, 1240);
    EXPECT_EQ(copies[0].numberBefore, 1241);
    EXPECT_EQ(copies[0].copy, 2);
    EXPECT_EQ(copies[0].total, 300);

    // The same receipt's close went unanswered: it is held back, nothing is sent.
    const std::int64_t id = copies[0].id;
    ASSERT_TRUE(journal->Finish(id, CloseOutcome{ReceiptOutcome::Registered, 1242, false, true}));
    reg.calls.clear();
    PrintOutcome held = PrintReceipt(reg, rows, request);
    ASSERT_TRUE(held.heldBy);
    EXPECT_EQ(held.heldBy->number, 1242);
    EXPECT_TRUE(reg.calls.empty());
    // Another receipt is not held by it.
    request.copies = 1;
    const std::vector<ReceiptRow> other{Row(u"Сок", u"1.50")};
    EXPECT_FALSE(PrintReceipt(reg, other, request).heldBy);
    request.journal.again = true;
    reg.calls.clear();
    EXPECT_EQ(PrintReceipt(reg, rows, request).copiesPrinted, 1);

    // A stop asked for between the lines: the open receipt is cancelled and kept as such.
    PrintProgress stopping;
    stopping.rowSelected = [&](std::size_t row) {
        stopping.stopRequested = [row] { return row >= 1; };
    };
    const std::vector<ReceiptRow> two{Row(u"Чай", u"1.50"), Row(u"Сок", u"1.50")};
    request.cash = u"6.00";
    reg.calls.clear();
    const PrintOutcome stopped = PrintReceipt(reg, two, request, stopping);
    EXPECT_TRUE(stopped.stopped);
    EXPECT_EQ(reg.calls.back(), "CANC");
    EXPECT_EQ(journal->List(std::nullopt).copies.front().outcome, JournalOutcome::Cancelled);

    // A journal that refuses the row: the receipt is cancelled, not closed.
    reg.serialNumber.clear();
    reg.calls.clear();
    const PrintOutcome refused = PrintReceipt(reg, rows, request);
    EXPECT_EQ(refused.copiesPrinted, 0);
    EXPECT_FALSE(refused.journalError.empty());
    EXPECT_EQ(reg.calls.back(), "CANC");
}
