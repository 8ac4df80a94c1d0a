// Whole receipts printed by the console's printing sequence against the simulated register:
// sales, returns after sales, discounts and surcharges, two taxes, tax on tax, several copies,
// and the failures that leave a receipt open on the register.
#include <algorithm>

#include "sim/control_input.h"
#include "tests/integration/sim_receipt_fixture.h"
#include "tests/support/core_timings.h"

using namespace orvik::console;

namespace sim_test {
namespace {

using orvik::sim::TaxRate;

class SimReceiptPrintTest : public SimReceiptTest {};

TEST_F(SimReceiptPrintTest, ASaleIsRegisteredPrintedAndPaidAsTheConsoleComputedIt) {
    ConnectTo("f1m8");
    const std::int64_t number = LastReceiptNumber() + 1;
    // Bread under the included 20 %, weighed cheese under the added 5 %, water untaxed.
    const std::vector<ReceiptRow> rows{Goods(u"Хлеб", u"2", u"3.50").Taxes(1),
                                       Goods(u"Сыр", u"0.750", u"120.00").Weighed().Taxes(3),
                                       Goods(u"Вода", u"1", u"10.00")};
    receipt::PrintRequest request = PageRequest(rows, {u"5.00", u"", u""});
    EXPECT_EQ(Utf8(request.cash), "106.50");  // 7.00 + 90.00 + 4.50 + 10.00 - 5.00

    const receipt::PrintOutcome outcome = Print(rows, request);
    EXPECT_EQ(outcome.copiesPrinted, 1);
    EXPECT_FALSE(outcome.failed);
    EXPECT_TRUE(TakeShown().empty());
    EXPECT_FALSE(core.receiptOpen);
    EXPECT_FALSE(RegisterHasOpenReceipt());

    const auto closed = LastClosed();
    ASSERT_TRUE(closed);
    ExpectCloseAgreesWithConsole(*closed);
    EXPECT_EQ(closed->number, number);
    EXPECT_EQ(closed->salesSum, 700 + 9000 + 1000);
    EXPECT_EQ(closed->salesAddedTax, 450);
    EXPECT_EQ(closed->due, 11150);
    EXPECT_EQ(closed->due, PageTotal(rows));
    EXPECT_EQ(closed->cash, 10650);
    EXPECT_EQ(closed->payments[0], 500);
    EXPECT_EQ(closed->cashBack, 0);
    EXPECT_EQ(Drawer(), 10650);
    // The register answered each line with the added tax it computed, and the close with its
    // nine figures.
    EXPECT_EQ(Answers("FISC"), (Texts{"FISC0000000000", "FISC0000000450", "FISC0000000000"}));
    EXPECT_EQ(Answers("COMP"), (Texts{"COMP" + std::string(6, '0') + std::to_string(number) +
                                      "0000010700" + "0000000000" + "0000000450" + "0000000000" +
                                      "0000000000" + "0000000000" + "0000011150" + "0000000000"}));

    // The tape shows the receipt as a person reads it.
    EXPECT_TRUE(PrintedLineWith({"ФИСКАЛЬНЫЙ ЧЕК"}));
    EXPECT_TRUE(PrintedLineWith({"КАСИР", "Касир"}));
    EXPECT_TRUE(TapeHasLine("Хлеб"));
    EXPECT_TRUE(PrintedLineWith({"  2 x 3.50", "7.00 А"}));
    EXPECT_TRUE(PrintedLineWith({"  0.750 x 120.00", "90.00 В"}));
    EXPECT_TRUE(PrintedLineWith({"НАЛОЖ. НАЛОГ", "4.50"}));
    EXPECT_TRUE(PrintedLineWith({"  1 x 10.00", "10.00"}));
    EXPECT_TRUE(PrintedLineWith({"А ПДВ 20% 20.00%", "1.17"}));
    EXPECT_TRUE(PrintedLineWith({"В Акциз 5% 5.00%", "4.50"}));
    EXPECT_TRUE(PrintedLineWith({"К ОПЛАТЕ", "111.50"}));
    EXPECT_TRUE(PrintedLineWith({"НАЛИЧНЫЕ", "106.50"}));
    EXPECT_TRUE(PrintedLineWith({"ОПЛАТА 1", "5.00"}));
    EXPECT_TRUE(PrintedLineWith({"Спасибо за покупку"}));
    EXPECT_TRUE(PrintedLineWith({"ЧЕК №", std::to_string(number)}));
    EXPECT_TRUE(PrintedLineWith({"ЗН 6000008901", "ФН 3100123456"}));
    EXPECT_EQ(State([](RegisterState& s) { return s.day.receipts; }), 1);
}

TEST_F(SimReceiptPrintTest, ReturnsAfterSalesAreRegisteredAsReturnsAndPaidBackFromTheDrawer) {
    ConnectTo("f1m4");
    State([](RegisterState& s) { s.cash = 10000; });
    // The first return row turns the receipt to returns: the sale row after it is a return.
    const std::vector<ReceiptRow> rows{Goods(u"Чай", u"1", u"10.00"),
                                       Goods(u"Кофе", u"1", u"4.00").Return(),
                                       Goods(u"Сахар", u"2", u"1.00")};
    EXPECT_EQ(PageTotal(rows), 1000 - 400 - 200);
    ASSERT_EQ(Print(rows).copiesPrinted, 1);
    const Texts received = TakeReceived();
    ASSERT_GE(received.size(), 4u);
    EXPECT_EQ(received[received.size() - 4].rfind("FISCЧай", 0), 0u);
    EXPECT_EQ(received[received.size() - 3].substr(0, 4), "BFIS");
    EXPECT_EQ(received[received.size() - 2].substr(0, 4), "BFIS");
    auto closed = LastClosed();
    ASSERT_TRUE(closed);
    ExpectCloseAgreesWithConsole(*closed);
    EXPECT_EQ(closed->returnsSum, 600);
    EXPECT_EQ(closed->due, 400);
    EXPECT_EQ(Drawer(), 10400);
    EXPECT_EQ(PrintedCount("ВОЗВРАТ"), 2u);  // the heading of the return lines, the total

    // A receipt of returns only is paid back in cash from the drawer.
    const std::vector<ReceiptRow> refund{Goods(u"Кофе", u"3", u"4.00").Return()};
    receipt::PrintRequest request = PageRequest(refund);
    EXPECT_EQ(Utf8(request.cash), "-12.00");
    ASSERT_EQ(Print(refund, request).copiesPrinted, 1);
    closed = LastClosed();
    ASSERT_TRUE(closed);
    ExpectCloseAgreesWithConsole(*closed);
    EXPECT_EQ(closed->due, -1200);
    EXPECT_EQ(closed->cashBack, 1200);
    EXPECT_EQ(Drawer(), 9200);
    EXPECT_TRUE(PrintedLineWith({"К ВЫДАЧЕ", "12.00"}));
    EXPECT_TRUE(PrintedLineWith({"ВЫДАНО НАЛИЧНЫМИ", "12.00"}));

    // More than the drawer holds cannot be paid back: the receipt is refused and stays open.
    const std::vector<ReceiptRow> tooMuch{Goods(u"Кофе", u"30", u"4.00").Return()};
    const receipt::PrintOutcome outcome = Print(tooMuch);
    EXPECT_TRUE(outcome.failed);
    EXPECT_EQ(TakeShown(), (std::vector<std::string>{Message(2026)}));
    EXPECT_TRUE(RegisterHasOpenReceipt());
    EXPECT_EQ(Drawer(), 9200);
}

TEST_F(SimReceiptPrintTest, DiscountsAndSurchargesChangeTheLineSumsOnBothSides) {
    ConnectTo("f1m8");
    const std::vector<ReceiptRow> rows{
        Goods(u"Торт", u"1", u"50.00").Taxes(1).Discount(u"Акция", u"7.50"),
        // A discount above the line sum is sent as the line sum.
        Goods(u"Свеча", u"1", u"2.00").Discount(u"Подарок", u"5.00"),
        Goods(u"Доставка", u"1", u"30.00").Taxes(3).Surcharge(u"Ночь", u"10.00"),
    };
    EXPECT_EQ(PageTotal(rows), 4250 + 0 + 4000 + 200);
    ASSERT_EQ(Print(rows).copiesPrinted, 1);
    const auto closed = LastClosed();
    ASSERT_TRUE(closed);
    ExpectCloseAgreesWithConsole(*closed);
    EXPECT_EQ(closed->salesSum, 8250);
    EXPECT_EQ(closed->salesAddedTax, 200);  // 5 % of the 40.00 with its surcharge
    EXPECT_EQ(closed->due, 8450);
    const auto day = State([](RegisterState& s) { return s.day; });
    EXPECT_EQ(day.discounts, 750 + 200);
    EXPECT_EQ(day.surcharges, 1000);
    EXPECT_TRUE(PrintedLineWith({"СКИДКА Акция", "-7.50"}));
    EXPECT_TRUE(PrintedLineWith({"СКИДКА Подарок", "-2.00"}));
    EXPECT_TRUE(PrintedLineWith({"НАДБАВКА Ночь", "+10.00"}));
}

TEST_F(SimReceiptPrintTest, TwoTaxesOnALineAndRoundingAcrossLinesAgree) {
    // Slot 5 an added tax as well, so that a line may carry two added taxes.
    UseProfile("f1m3");
    State([](RegisterState& s) { s.taxes[4] = TaxRate{u"20150301", u'1', u"0100", u"Сбор 1%"}; });
    Connect();
    // Three lines of 0.10 under 5 %: each line's tax rounds down to 0, the receipt's tax on the
    // turnover of 0.30 is 0.015, which rounds to 0.02.
    const std::vector<ReceiptRow> rows{
        Goods(u"Спички", u"1", u"0.10").Taxes(3), Goods(u"Спички", u"1", u"0.10").Taxes(3),
        Goods(u"Спички", u"1", u"0.10").Taxes(3), Goods(u"Бензин", u"1", u"100.00").Taxes(3, 5),
        // Two included taxes, and a tax on winnings that the amount due takes off.
        Goods(u"Лото", u"1", u"10.00").Taxes(1, 2), Goods(u"Выигрыш", u"1", u"20.00").Taxes(4)};
    ASSERT_EQ(Print(rows).copiesPrinted, 1) << ::testing::PrintToString(TakeShown());
    const auto closed = LastClosed();
    ASSERT_TRUE(closed);
    ExpectCloseAgreesWithConsole(*closed);
    EXPECT_EQ(closed->salesAddedTax, 2 + 500 + 100);
    EXPECT_EQ(closed->salesWinningsTax, 600);
    EXPECT_EQ(closed->due, 30 + 10000 + 1000 + 2000 + 602 - 600);
    // The page's total is the register's amount due, the tax on winnings taken off.
    EXPECT_EQ(PageTotal(rows), closed->due);
    EXPECT_TRUE(PrintedLineWith({"100.00 ВД"}));
    EXPECT_TRUE(PrintedLineWith({"10.00 АБ"}));
    EXPECT_TRUE(PrintedLineWith({"Г Налог на выигрыш 30.00%", "6.00"}));
    EXPECT_TRUE(PrintedLineWith({"Д Сбор 1% 1.00%", "1.00"}));
}

class SimReceiptCompoundTest : public SimReceiptTest {
  protected:
    void SetUp() override {
        SimReceiptTest::SetUp();
        UseProfile("f1m8");
        State([](RegisterState& s) {
            s.taxes[4] = TaxRate{u"20150301", u'1', u"0100", u"Сбор 1%"};
        });
        Connect();
    }
};

TEST_F(SimReceiptCompoundTest, TaxOnTaxIsComputedByTheRegisterAndPaidWithTheCompoundBox) {
    // 40.00 under 5 % (2.00) and then 1 % of 42.00 (0.42, where 40.00 alone gives 0.40).
    const std::vector<ReceiptRow> rows{Goods(u"Бензин", u"1", u"40.00").Taxes(3, 5).Compound()};
    receipt::PrintRequest request = PageRequest(rows);
    request.compoundTaxBox = true;
    ASSERT_EQ(Print(rows, request).copiesPrinted, 1) << ::testing::PrintToString(TakeShown());
    const Texts received = TakeReceived();
    ASSERT_GE(received.size(), 5u);
    // The tax on tax, its line, the receipt counter read before the close, the close, and the
    // counter read again, which tells what the close did.
    EXPECT_EQ(received[received.size() - 5], "NLPRВД");
    EXPECT_EQ(received[received.size() - 4].substr(0, 4), "FISC");
    EXPECT_EQ(received[received.size() - 3], "GLCN");
    EXPECT_EQ(received.back(), "GLCN");
    const auto closed = LastClosed();
    ASSERT_TRUE(closed);
    EXPECT_EQ(closed->salesAddedTax, 242);
    EXPECT_EQ(closed->due, 4242);
    EXPECT_EQ(closed->cash, 4242);
    EXPECT_EQ(Answers("FISC"), (Texts{"FISC0000000242"}));
    EXPECT_TRUE(PrintedLineWith({"НАЛОГ НА НАЛОГ ВД"}));
    EXPECT_TRUE(PrintedLineWith({"Д Сбор 1% 1.00%", "0.42"}));
}

TEST_F(SimReceiptCompoundTest, TheRegisterRefusesAReceiptPaidShortOfItsTaxOnTax) {
    // 1 % of 21.00 (0.21) where the console counts 1 % of 20.00 (0.20): the console's own
    // figures leave the receipt 0.01 short of what the register asks.
    const std::vector<ReceiptRow> rows{Goods(u"Бензин", u"1", u"20.00").Taxes(3, 5).Compound()};
    receipt::PrintRequest request = PageRequest(rows);
    EXPECT_EQ(Utf8(request.cash), "21.20");
    const receipt::PrintOutcome outcome = Print(rows, request);
    EXPECT_TRUE(outcome.failed);
    EXPECT_EQ(TakeShown(), (std::vector<std::string>{Message(2010)}));
    EXPECT_TRUE(RegisterHasOpenReceipt());
    EXPECT_FALSE(LastClosed());
}

TEST_F(SimReceiptPrintTest, ACopyThatFailsStopsTheRunAndTheNextPrintCancelsItsReceipt) {
    ConnectTo("f1m8");
    const std::vector<ReceiptRow> rows{Goods(u"Хлеб", u"1", u"3.50"),
                                       Goods(u"Соль", u"1", u"1.00")};
    // The paper runs out at the second line of the second copy.
    State([](RegisterState& s) { s.receipt.paperRunsOutAtLine = 4; });
    receipt::PrintRequest request = PageRequest(rows);
    request.copies = 3;
    std::vector<int> countDown;
    receipt::PrintProgress progress;
    progress.copiesRemaining = [&](int remaining) { countDown.push_back(remaining); };
    const receipt::PrintOutcome outcome = receipt::PrintReceipt(reg, rows, request, progress);
    EXPECT_EQ(outcome.copiesPrinted, 1);
    EXPECT_EQ(outcome.copiesRemaining, 1);
    EXPECT_TRUE(outcome.failed);
    EXPECT_EQ(countDown, (std::vector<int>{3, 2}));
    EXPECT_EQ(TakeShown(), (std::vector<std::string>{Message(2020)}));
    EXPECT_EQ(State([](RegisterState& s) { return s.day.receipts; }), 1);
    EXPECT_TRUE(core.receiptOpen);
    EXPECT_TRUE(RegisterHasOpenReceipt());
    // The second receipt got as far as its first line.
    EXPECT_EQ(PrintedCount("ФИСКАЛЬНЫЙ ЧЕК"), 2u);
    EXPECT_EQ(PrintedCount("Хлеб"), 2u);
    EXPECT_EQ(PrintedCount("Соль"), 1u);

    // With paper again, the next print cancels the receipt left open before it opens its own.
    State([](RegisterState& s) { s.paperOut = false; });
    TakeReceived();
    request.copies = 1;
    EXPECT_EQ(Print(rows, request).copiesPrinted, 1);
    const Texts received = TakeReceived();
    ASSERT_GE(received.size(), 3u);
    EXPECT_EQ(received[1], "CANC");
    EXPECT_EQ(received[2].substr(0, 4), "PREP");
    EXPECT_EQ(PrintedCount("ЧЕК АННУЛИРОВАН"), 1u);
    EXPECT_EQ(State([](RegisterState& s) { return s.day.receipts; }), 2);
    ExpectCloseAgreesWithConsole(*LastClosed());
}

TEST_F(SimReceiptPrintTest, PaperOutMidReceiptLeavesItOpenWithTheLinesPrintedSoFar) {
    ConnectTo("f1m8");
    const std::vector<ReceiptRow> rows{Goods(u"Молоко", u"1", u"2.00"),
                                       Goods(u"Кефир", u"1", u"2.50"),
                                       Goods(u"Творог", u"1", u"5.00")};
    State([](RegisterState& s) { s.receipt.paperRunsOutAtLine = 2; });
    receipt::PrintRequest request = PageRequest(rows);
    request.barcode = u"123";
    request.barcodeType = 2;
    const receipt::PrintOutcome outcome = Print(rows, request);
    EXPECT_TRUE(outcome.failed);
    EXPECT_EQ(outcome.copiesPrinted, 0);
    // The barcode is still tried after the failed line; it finds no paper either.
    EXPECT_EQ(TakeShown(), (std::vector<std::string>{Message(2020), Message(2020)}));
    EXPECT_TRUE(TapeHasLine("Молоко"));
    EXPECT_FALSE(TapeHasLine("Кефир"));
    EXPECT_FALSE(PrintedLineWith({"К ОПЛАТЕ"}));
    EXPECT_TRUE(State([](RegisterState& s) { return s.paperOut; }));
    EXPECT_TRUE(RegisterHasOpenReceipt());

    // Disconnecting cancels the receipt once the paper is back.
    State([](RegisterState& s) { s.paperOut = false; });
    core.Disconnect();
    EXPECT_FALSE(RegisterHasOpenReceipt());
    EXPECT_TRUE(PrintedLineWith({"ЧЕК АННУЛИРОВАН"}));
}

TEST_F(SimReceiptPrintTest, ALineTheRegisterRefusesLeavesTheReceiptForTheNextOneToCancel) {
    ConnectTo("f1m4");
    // Article 7 is known as bread once the first receipt is printed; then it cannot be milk.
    ASSERT_EQ(Print({Goods(u"Хлеб", u"1", u"3.50").Article(7)}).copiesPrinted, 1);
    const std::vector<ReceiptRow> wrong{Goods(u"Соль", u"1", u"1.00"),
                                        Goods(u"Молоко", u"1", u"2.00").Article(7)};
    EXPECT_TRUE(Print(wrong).failed);
    EXPECT_EQ(TakeShown(), (std::vector<std::string>{Message(2031)}));
    EXPECT_TRUE(core.receiptOpen);
    EXPECT_TRUE(RegisterHasOpenReceipt());

    TakeReceived();
    ASSERT_EQ(Print({Goods(u"Хлеб", u"2", u"3.50").Article(7)}).copiesPrinted, 1);
    const Texts received = TakeReceived();
    ASSERT_GE(received.size(), 2u);
    EXPECT_EQ(received[0], "CANC");
    EXPECT_EQ(LastClosed()->salesSum, 700);
    EXPECT_EQ(State([](RegisterState& s) { return s.day.articles.at(7).quantity; }), 3);
}

TEST_F(SimReceiptPrintTest, LowPaperIsWarnedOfWithoutStoppingAReceipt) {
    ConnectTo("f1m8");
    State([](RegisterState& s) { s.receipt.paperLow = true; });
    const std::vector<ReceiptRow> rows{Goods(u"Хлеб", u"1", u"3.50"),
                                       Goods(u"Соль", u"1", u"1.00")};
    EXPECT_EQ(Print(rows).copiesPrinted, 1);
    EXPECT_TRUE(TakeShown().empty());
    // PREP, the two lines and COMP each warned first.
    EXPECT_EQ(Answers("SOFTPAPER").size(), 4u);
    ExpectCloseAgreesWithConsole(*LastClosed());
}

TEST_F(SimReceiptPrintTest, APersonAtTheSimulatorMakesThePaperRunLowAndOutMidReceipt) {
    ConnectTo("f1m8");
    using orvik::sim::ApplyControlLine;
    for (const char* line : {"paper ends", "paper ends 0", "paper ends 2x", "paper low 1"}) {
        EXPECT_FALSE(ApplyControlLine(sim, line).understood) << line;
    }
    EXPECT_TRUE(ApplyControlLine(sim, "paper low").changed);
    EXPECT_TRUE(ApplyControlLine(sim, "paper ends 4").changed);
    const std::vector<ReceiptRow> rows{Goods(u"Хлеб", u"1", u"3.50"),
                                       Goods(u"Соль", u"1", u"1.00")};
    EXPECT_EQ(Print(rows).copiesPrinted, 1);
    EXPECT_TRUE(TakeShown().empty());
    EXPECT_TRUE(Print(rows).failed);
    EXPECT_EQ(TakeShown(), (std::vector<std::string>{Message(2020)}));
    EXPECT_EQ(PrintedCount("Хлеб"), 2u);
    EXPECT_EQ(PrintedCount("Соль"), 1u);

    EXPECT_TRUE(ApplyControlLine(sim, "paper in").changed);
    EXPECT_TRUE(ApplyControlLine(sim, "paper full").changed);
    const std::size_t warnings = Answers("SOFTPAPER").size();
    EXPECT_EQ(Print(rows).copiesPrinted, 1);
    EXPECT_EQ(Answers("SOFTPAPER").size(), warnings);
}

TEST_F(SimReceiptPrintTest, ARegisterThatFallsSilentAfterALineTimesTheReceiptOut) {
    ConnectTo("f1m8");
    ChangeTimings(core, [&](orvik::device::CoreTimings& t) { t.replyTimeout = kShortTimeoutMs; });
    sim.Faults().FallSilentAfter(u"FISC", 2);
    const std::vector<ReceiptRow> rows{Goods(u"Хлеб", u"1", u"3.50"), Goods(u"Соль", u"1", u"1.00"),
                                       Goods(u"Перец", u"1", u"2.00")};
    EXPECT_TRUE(Print(rows).failed);
    EXPECT_EQ(TakeShown(), (std::vector<std::string>{Message(1003)}));
    EXPECT_TRUE(TapeHasLine("Хлеб"));
    EXPECT_TRUE(TapeHasLine("Соль"));
    EXPECT_FALSE(TapeHasLine("Перец"));

    // Speaking again, it takes the next receipt after the cancellation of this one.
    EXPECT_TRUE(orvik::sim::ApplyControlLine(sim, "silent off").changed);
    EXPECT_EQ(Print(rows).copiesPrinted, 1);
    EXPECT_EQ(PrintedCount("ЧЕК АННУЛИРОВАН"), 1u);

    // A person at the simulator does the same with a control line.
    EXPECT_FALSE(orvik::sim::ApplyControlLine(sim, "silent after FISCAL").understood);
    EXPECT_TRUE(orvik::sim::ApplyControlLine(sim, "silent after PREP").changed);
    EXPECT_TRUE(Print(rows).failed);
    EXPECT_EQ(TakeShown(), (std::vector<std::string>{Message(1003)}));
    EXPECT_EQ(PrintedCount("ФИСКАЛЬНЫЙ ЧЕК"), 3u);
    EXPECT_EQ(PrintedCount("Хлеб"), 2u);
}

TEST_F(SimReceiptPrintTest, ReceiptsNeedTheKeyInRegistration) {
    ConnectTo("f1m8");
    TurnKey(KeyPosition::XReport);
    const std::vector<ReceiptRow> rows{Goods(u"Хлеб", u"1", u"3.50")};
    receipt::PrintRequest request = PageRequest(rows);
    request.receiptNumber = 15;
    EXPECT_TRUE(Print(rows, request).failed);
    // The receipt number and the receipt itself are refused; the tape mode as well.
    EXPECT_EQ(TakeShown(), (std::vector<std::string>{Message(2012), Message(2012), Message(2012)}));
    EXPECT_FALSE(PrintedLineWith({"ФИСКАЛЬНЫЙ ЧЕК"}));

    TurnKey(KeyPosition::Registration);
    EXPECT_EQ(Print(rows, request).copiesPrinted, 1);
    EXPECT_TRUE(PrintedLineWith({"НОМЕР ПО КАССЕ", "15"}));
}

TEST_F(SimReceiptPrintTest, ABarcodeIsPrintedInTheReceiptOnModel8) {
    ConnectTo("f1m8");
    const std::vector<ReceiptRow> rows{Goods(u"Хлеб", u"1", u"3.50")};
    receipt::PrintRequest request = PageRequest(rows);
    request.barcode = u"4820000123";
    request.barcodeType = 2;
    request.tapeMode = 1;
    ASSERT_EQ(Print(rows, request).copiesPrinted, 1);
    const Texts received = TakeReceived();
    EXPECT_NE(std::find(received.begin(), received.end(), "NCDC1"), received.end());
    EXPECT_NE(std::find(received.begin(), received.end(), "PCOD110i4820000123"), received.end());
    EXPECT_TRUE(PrintedLineWith({"ШТРИХКОД", "CODEC"}));
    EXPECT_TRUE(PrintedLineWith({"||| 4820000123 |||"}));
}

}  // namespace
}  // namespace sim_test
