// The receipt operations of the real device core over the simulated register's line: the
// command texts the register receives, the answers the core reads, and what each failure
// leaves behind. The register's answers are scripted here.
#include <gtest/gtest.h>

#include <string>

#include "console/receipt_printing.h"
#include "res/string_table.h"
#include "tests/integration/sim_link_fixture.h"
#include "tests/support/core_timings.h"

using namespace orvik::device;

namespace sim_test {
namespace {

using Kind = RecordingPrompt::Kind;

std::string Digits(std::size_t count, char digit = '0') {
    return std::string(count, digit);
}

class ReceiptCoreTest : public SimLinkTest {
  protected:
    void SetUp() override {
        SimLinkTest::SetUp();
        core.deviceFamily = 1;
        core.deviceModel = 4;
        core.articleMode = 0;
        ChangeTimings(core, [&](orvik::device::CoreTimings& t) { t.pendingStatusTimeout = 20; });
        core.printerInfo.taxSlots[0] = TaxSlot{u"ПДВ", u"", u"1", u"2000", u"20.00"};
        core.printerInfo.taxSlots[1] = TaxSlot{u"", u"", u"0", u"2000", u"20.00"};
        core.printerInfo.taxSlots[2] = TaxSlot{u"", u"", u"2", u"1000", u"10.00"};
        sim.Scripts().Add(u"PREP", {u"READY"});
        sim.Scripts().Add(u"CANC", {u"READY"});
        sim.Scripts().Add(u"FISC", {u"FISC0000000000", u"READY"});
        sim.Scripts().Add(u"BFIS", {u"READY"});
        sim.Scripts().Add(u"COMP", {u"COMP" + std::u16string(90, u'0'), u"READY"});
    }

    HRESULT Line(std::u16string name, std::int32_t quantity, std::int32_t price, int tax1 = 0,
                 std::int32_t* total = nullptr) {
        std::int32_t lineTotal = -1;
        const HRESULT result = core.AddReceiptLine(
            {.quantity = quantity, .name = name, .price = price, .taxSlot1 = tax1}, lineTotal);
        if (total) {
            *total = lineTotal;
        }
        return result;
    }

    Texts Commands() const { return Utf8(sim.Activity().Commands()); }
};

TEST_F(ReceiptCoreTest, ASaleFromOpenToClose) {
    sim.Scripts().Clear(u"FISC");
    sim.Scripts().Add(u"FISC", {u"FISC0000000201", u"READY"}, 1);
    sim.Scripts().Add(u"FISC", {u"SOFTCOPY", u"FISC0000000000", u"READY"}, 1);
    ASSERT_EQ(core.OpenReceipt(), S_OK);
    EXPECT_TRUE(core.receiptOpen);
    std::int32_t lineTotal = 0;
    EXPECT_EQ(Line(u"Хлеб", 1, 1003, 1, &lineTotal), S_OK);
    EXPECT_EQ(lineTotal, 1003 + 201);  // the register's figure for the added tax
    EXPECT_EQ(Line(u"Вода", 2, 150, 0, &lineTotal), S_OK);
    EXPECT_EQ(lineTotal, 300);
    EXPECT_EQ(core.receiptTotals.salesSum, 1303);
    EXPECT_EQ(core.receiptTotals.salesAddedTax, 201);
    EXPECT_EQ(core.CurrentAmountDue(), 1504);

    std::int32_t total = 0;
    EXPECT_EQ(core.CloseReceipt(1000, 500, 0, 3, total), S_OK);
    // The close recomputes the tax on the slot's turnover: 200.6 rounds to 201.
    EXPECT_EQ(total, 1504);
    EXPECT_FALSE(core.receiptOpen);
    EXPECT_EQ(Commands(), (Texts{"PREPСЕРВIС",
                                 "FISCХлеб        000001003000001003000011"
                                 "0"
                                 "А12000" +
                                     Digits(42) + "0000",
                                 "FISCВода        000000300000000150000021"
                                 "0" +
                                     Digits(48) + "0000",
                                 "COMP"
                                 "0000001303" +
                                     Digits(10) +
                                     "0000000003"
                                     "0000000500" +
                                     Digits(10) + "0000001001"}));
    // SOFTCOPY during a line is no error.
    EXPECT_TRUE(prompt.entries.empty());
}

TEST_F(ReceiptCoreTest, ReturnLinesAndTheZeroPaymentClose) {
    ASSERT_EQ(core.OpenReceipt(), S_OK);
    core.returnMode = true;
    EXPECT_EQ(Line(u"Сок", 1, 500), S_OK);
    EXPECT_EQ(core.receiptTotals.returnsSum, 500);
    core.returnMode = false;
    EXPECT_EQ(Line(u"Чай", 1, 800), S_OK);
    std::int32_t total = 0;
    EXPECT_EQ(core.CloseReceipt(0, 0, 0, 0, total), S_OK);
    EXPECT_EQ(total, 300);
    EXPECT_EQ(Commands().at(1).substr(0, 4), "BFIS");
    EXPECT_EQ(Commands().back(), "COMP" + Digits(60));
    EXPECT_EQ(core.receiptTotals.salesSum, 0);
}

TEST_F(ReceiptCoreTest, PaymentsShortOfTheAmountDueAreRefusedWithAWarning) {
    ASSERT_EQ(core.OpenReceipt(), S_OK);
    ASSERT_EQ(Line(u"Чай", 1, 1000), S_OK);
    std::int32_t total = -1;
    EXPECT_EQ(core.CloseReceipt(998, 0, 0, 0, total), E_FAIL);
    ASSERT_EQ(prompt.entries.size(), 1u);
    EXPECT_EQ(prompt.entries[0].kind, Kind::Warning);
    EXPECT_EQ(Utf8(prompt.entries[0].text), Message(orvik::kStrPaymentTooSmall));
    EXPECT_EQ(Utf8(core.lastMessage), Message(orvik::kStrPaymentTooSmall));
    EXPECT_TRUE(core.receiptOpen);
    EXPECT_EQ(Commands().size(), 2u);  // nothing sent for the refused close
    // One unit short is taken as paid.
    EXPECT_EQ(core.CloseReceipt(999, 0, 0, 0, total), S_OK);
    EXPECT_EQ(Commands().back(), "COMP0000001000" + Digits(40) + "0000001000");
    // Closing again without a receipt sends nothing.
    EXPECT_EQ(core.CloseReceipt(5, 0, 0, 0, total), S_OK);
    EXPECT_EQ(total, 0);
    EXPECT_EQ(Commands().size(), 3u);
}

TEST_F(ReceiptCoreTest, AFailedLineLeavesTheReceiptOpenUntilTheNextOpenCancelsIt) {
    sim.Faults().InjectStatus(u"FISC", u"HARDPAPER");
    ASSERT_EQ(core.OpenReceipt(), S_OK);
    EXPECT_EQ(Line(u"Чай", 1, 1000), E_FAIL);
    EXPECT_EQ(ShownErrors(), (Texts{Message(2020)}));
    EXPECT_TRUE(core.receiptOpen);
    EXPECT_EQ(core.receiptTotals.salesSum, 0);
    ASSERT_EQ(core.OpenReceipt(), S_OK);
    EXPECT_EQ(Commands(), (Texts{"PREPСЕРВIС", Commands().at(1), "CANC", "PREPСЕРВIС"}));
}

TEST_F(ReceiptCoreTest, LinesTheCommandCannotCarryCancelTheReceipt) {
    ASSERT_EQ(core.OpenReceipt(), S_OK);
    EXPECT_EQ(Line(u"Мука", 100000, 1), E_FAIL);
    EXPECT_FALSE(core.receiptOpen);
    ASSERT_EQ(core.OpenReceipt(), S_OK);
    EXPECT_EQ(Line(u"Золото", 2, 999999999), E_FAIL);
    EXPECT_FALSE(core.receiptOpen);
    EXPECT_EQ(Commands(), (Texts{"PREPСЕРВIС", "CANC", "PREPСЕРВIС", "CANC"}));
    EXPECT_EQ(ShownErrors(), (Texts{Message(orvik::kStrLineQuantityTooLarge),
                                    Message(orvik::kStrLineAmountOutOfRange)}));
    // Without an open receipt a line is refused at once, silently.
    EXPECT_EQ(Line(u"Чай", 1, 1), E_FAIL);
    EXPECT_EQ(Commands().size(), 4u);
    EXPECT_EQ(prompt.entries.size(), 2u);
}

TEST_F(ReceiptCoreTest, PreviewShowsTheQuantityMessageButSendsNothing) {
    LineAmounts amounts;
    EXPECT_EQ(core.PreviewLineAmounts({.quantity = 1,
                                       .price = 1003,
                                       .taxSlot1 = 1,
                                       .taxSlot2 = 3,
                                       .discountKind = orvik::device::kSurcharge,
                                       .discountAmount = 100},
                                      amounts),
              S_OK);
    EXPECT_EQ(amounts.lineSum, 1103);
    EXPECT_EQ(amounts.addedTax, 220);
    EXPECT_EQ(amounts.winningsTax, 110);
    EXPECT_EQ(core.PreviewLineAmounts({.quantity = 100000, .price = 1, .divisible = true}, amounts),
              E_FAIL);
    EXPECT_EQ(ShownErrors(), (Texts{Message(orvik::kStrLineQuantityTooLarge)}));
    // Model 8 in article mode 2 takes six-digit quantities.
    core.deviceModel = 8;
    core.articleMode = 2;
    EXPECT_EQ(core.PreviewLineAmounts({.quantity = 100000, .price = 1, .divisible = true}, amounts),
              S_OK);
    EXPECT_TRUE(Commands().empty());
}

TEST_F(ReceiptCoreTest, NoAnswerToALineFailsWithTheNoAnswerMessage) {
    ChangeTimings(core, [&](orvik::device::CoreTimings& t) { t.replyTimeout = kShortTimeoutMs; });
    ASSERT_EQ(core.OpenReceipt(), S_OK);
    sim.Faults().Silence(u"FISC", 1);
    EXPECT_EQ(Line(u"Чай", 1, 1000), E_FAIL);
    EXPECT_EQ(ShownErrors(), (Texts{Message(orvik::kStrNoAnswer)}));
    EXPECT_TRUE(core.receiptOpen);
}

TEST_F(ReceiptCoreTest, APendingFatalStatusKeepsTheReceiptFromOpening) {
    // An answer the register sent unasked waits in the queue.
    sim.Scripts().Add(u"BEEP", {u"HARDPAPER"});
    ASSERT_TRUE(SendAndQueue(u"BEEP", 1));
    EXPECT_FALSE(Succeeded(core.OpenReceipt()));
    EXPECT_FALSE(core.receiptOpen);
    EXPECT_EQ(Commands(), (Texts{"BEEP"}));
    EXPECT_EQ(ShownErrors(), (Texts{Message(2020)}));
    // A fatal answer to PREP itself.
    sim.Faults().InjectStatus(u"PREP", u"SOFTSLWORK");
    EXPECT_EQ(core.OpenReceipt(), E_UNEXPECTED);
    EXPECT_FALSE(core.receiptOpen);
}

TEST_F(ReceiptCoreTest, Family0SendsTheShortDepartment) {
    core.deviceFamily = 0;
    core.deviceModel = 0;
    ChangeTimings(core, [&](orvik::device::CoreTimings& t) {
        t.openReceiptPause = 1;
        t.cancelPause = 1;
    });
    ASSERT_EQ(core.OpenReceipt(), S_OK);
    ASSERT_EQ(core.OpenReceipt(), S_OK);
    EXPECT_EQ(Commands(), (Texts{"PREPСЕ", "CANC", "PREPСЕ"}));
}

TEST_F(ReceiptCoreTest, Model8OnlyCommands) {
    for (const char16_t* name : {u"NCDC", u"NLPR", u"PCOD", u"BCHN", u"CAIO"}) {
        sim.Scripts().Add(name, {u"READY"});
    }
    EXPECT_EQ(core.SetTapeMode(1), E_FAIL);
    EXPECT_EQ(core.SetCompoundTax(1, 2), E_FAIL);
    EXPECT_EQ(core.PrintBarcode(u"h123"), E_FAIL);
    EXPECT_TRUE(Commands().empty());

    core.deviceModel = 8;
    EXPECT_EQ(core.SetTapeMode(1), S_OK);
    EXPECT_EQ(core.SetCompoundTax(1, 2), S_OK);
    EXPECT_EQ(core.SetCompoundTax(1, 7), E_FAIL);
    EXPECT_EQ(core.PrintBarcode(u"h123"), S_OK);
    EXPECT_EQ(core.SetReceiptNumber(15), S_OK);
    EXPECT_EQ(core.MoveCash(true, 12345), S_OK);
    EXPECT_EQ(core.MoveCash(false, 5), S_OK);
    EXPECT_EQ(Commands(), (Texts{"NCDC1", "NLPRАБ", "PCOD110h123", "BCHN15", "CAIOI0000012345",
                                 "CAIOO0000000005"}));
}

TEST_F(ReceiptCoreTest, CashQueryGivesTheReportAfterItsKey) {
    sim.Scripts().Add(u"CCAS", {u"CCAS" + std::u16string(55, u'1') + u"00000012345", u"READY"});
    EXPECT_EQ(Utf8(core.QueryCash()), Digits(55, '1') + "00000012345");
    sim.Scripts().Clear(u"CCAS");
    sim.Faults().InjectStatus(u"CCAS", u"SOFTSLWORK");
    EXPECT_EQ(core.QueryCash(), u"");
}

// --- The printing sequence on the real core -------------------------------------------------

orvik::console::ReceiptRow Row(std::u16string name, std::u16string price, bool isReturn) {
    return orvik::console::RowFromTexts(
        {std::move(name), u"12", u"0", u"1", std::move(price), u"0", u"0", u"0", u"", u"", u"0"},
        isReturn);
}

TEST_F(ReceiptCoreTest, PrintingCopiesUntilALineFailsInTheSecond) {
    sim.Scripts().Clear(u"FISC");
    sim.Scripts().Add(u"FISC", {u"READY"}, 3);
    sim.Scripts().Add(u"FISC", {u"HARDPAPER"}, 1);
    sim.Scripts().Add(u"FISC", {u"READY"});
    orvik::console::CoreReceiptRegister reg(core);
    orvik::console::PrintRequest request;
    request.copies = 3;
    request.cash = u"3.00";
    std::vector<int> shown;
    orvik::console::PrintProgress progress;
    progress.copiesRemaining = [&](int n) { shown.push_back(n); };
    const std::vector<orvik::console::ReceiptRow> rows = {
        Row(u"Чай", u"2.50", false), Row(u"Сок", u"1,00", false), Row(u"Вода", u"0.50", true)};
    const orvik::console::PrintOutcome outcome =
        orvik::console::PrintReceipt(reg, rows, request, progress);
    EXPECT_EQ(outcome.copiesPrinted, 1);
    EXPECT_EQ(outcome.copiesRemaining, 1);
    EXPECT_TRUE(outcome.failed);
    EXPECT_EQ(shown, (std::vector<int>{3, 2}));
    EXPECT_TRUE(core.receiptOpen);  // the second copy stays open on the register
    // Quantity 1, a piece, the reserved 0, no taxes, article 12.
    const std::string tail =
        "00001"
        "1"
        "0" +
        Digits(48) + "0012";
    const Texts copy1 = {"PREPСЕРВIС", "FISCЧай         000000250000000250" + tail,
                         "FISCСок         000000100000000100" + tail,
                         "BFISВода        000000050000000050" + tail,
                         "COMP"
                         "0000000350"
                         "0000000050" +
                             Digits(30) + "0000000300"};
    Texts expected = copy1;
    // Tape mode is model 8's: nothing goes out for it on this register.
    expected.insert(expected.end(), {"PREPСЕРВIС", "FISCЧай         000000250000000250" + tail,
                                     "FISCСок         000000100000000100" + tail});
    EXPECT_EQ(Commands(), expected);
    EXPECT_EQ(ShownErrors(), (Texts{Message(2020)}));
}

}  // namespace
}  // namespace sim_test
