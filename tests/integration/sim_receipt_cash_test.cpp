// The simulated register's cash drawer through the console's cash operations: cash in and out,
// the refusal of a cash out the drawer cannot cover, the cash report the cash dialog reads, and
// the drawer following the receipts' payments.
#include "tests/integration/sim_receipt_fixture.h"

using namespace orvik::device;
using namespace orvik::console;

namespace sim_test {
namespace {

class SimReceiptCashTest : public SimReceiptTest {
  protected:
    // The drawer as the cash dialog shows it.
    std::string DialogDrawer() {
        return Utf8(
            receipt::FormatDrawerCash(core.QueryCash(), Decimals(), core.printerInfo.currencyName));
    }
};

TEST_F(SimReceiptCashTest, CashInAndOutMoveTheDrawerAndACashOutBeyondItIsRefused) {
    ConnectTo("f1m8");
    EXPECT_EQ(DialogDrawer(), "0.00 ГРН");
    const auto documents = [&] {
        return State([](RegisterState& s) {
            return std::pair{s.counters.lastDocumentNumber, s.counters.lastServiceDocumentNumber};
        });
    };
    const auto before = documents();

    ASSERT_EQ(core.MoveCash(true, 12345), S_OK);
    EXPECT_EQ(DialogDrawer(), "123.45 ГРН");
    EXPECT_TRUE(PrintedLineWith({"СЛУЖЕБНОЕ ВНЕСЕНИЕ"}));
    EXPECT_TRUE(PrintedLineWith({"СУММА", "123.45"}));
    EXPECT_EQ(documents(), (std::pair{before.first + 1, before.second + 1}));
    // The dialog itself would not offer more than the drawer; the register refuses it too.
    EXPECT_FALSE(receipt::CashMoveAllowed(u"123.46", true, u"123.45 ГРН", Decimals()));
    EXPECT_EQ(core.MoveCash(false, 12346), E_UNEXPECTED);
    EXPECT_EQ(TakeShown(), (std::vector<std::string>{Message(2026)}));
    EXPECT_EQ(Drawer(), 12345);
    EXPECT_FALSE(PrintedLineWith({"СЛУЖЕБНАЯ ВЫДАЧА"}));

    ASSERT_EQ(core.MoveCash(false, 12345), S_OK);
    EXPECT_EQ(DialogDrawer(), "0.00 ГРН");
    EXPECT_TRUE(PrintedLineWith({"СЛУЖЕБНАЯ ВЫДАЧА"}));
    const auto day = State([](RegisterState& s) { return s.day; });
    EXPECT_EQ(day.cashIn, 12345);
    EXPECT_EQ(day.cashOut, 12345);

    // Cash moves need the key in registration and paper.
    TurnKey(KeyPosition::Programming);
    EXPECT_EQ(core.MoveCash(true, 100), E_UNEXPECTED);
    TurnKey(KeyPosition::Registration);
    State([](RegisterState& s) { s.paperOut = true; });
    EXPECT_EQ(core.MoveCash(true, 100), E_UNEXPECTED);
    EXPECT_EQ(TakeShown(), (std::vector<std::string>{Message(2012), Message(2020)}));
    EXPECT_EQ(Drawer(), 0);
}

TEST_F(SimReceiptCashTest, TheCashReportCarriesTheDaysCashAndTheDrawerAtItsPlace) {
    ConnectTo("f1m4");
    ASSERT_EQ(core.MoveCash(true, 5000), S_OK);
    // A sale of 12.00 paid with 5.00 by card and 10.00 in cash: 3.00 change.
    const std::vector<ReceiptRow> sale{Goods(u"Кофе", u"1", u"12.00")};
    receipt::PrintRequest request = PageRequest(sale, {u"5.00", u"", u""});
    request.cash = u"10.00";
    ASSERT_EQ(Print(sale, request).copiesPrinted, 1);
    EXPECT_EQ(LastClosed()->cashBack, 300);
    EXPECT_TRUE(PrintedLineWith({"СДАЧА", "3.00"}));
    // A refund of 2.00 in cash.
    ASSERT_EQ(Print({Goods(u"Кофе", u"1", u"2.00").Return()}).copiesPrinted, 1);
    ASSERT_EQ(core.MoveCash(false, 1000), S_OK);

    const std::u16string report = core.QueryCash();
    ASSERT_EQ(report.size(), 66u);
    const auto field = [&](std::size_t i) { return Utf8(report.substr(i * 11, 11)); };
    EXPECT_EQ(field(0), "00000000700");  // taken by the sale
    EXPECT_EQ(field(1), "00000000200");  // paid back on the refund
    EXPECT_EQ(field(2), "00000005000");
    EXPECT_EQ(field(3), "00000001000");
    EXPECT_EQ(field(4), "00000000500");  // by card
    EXPECT_EQ(field(5), "00000004500");  // the drawer, at 55 after the key
    EXPECT_EQ(Drawer(), 5000 + 700 - 200 - 1000);
    EXPECT_EQ(DialogDrawer(), "45.00 ГРН");
}

TEST_F(SimReceiptCashTest, ARegisterWithThreeDecimalsTakesTheConsolesAmountsInItsUnits) {
    UseProfile("f1m3");
    State([](RegisterState& s) {
        s.currency.decimalPoint = 3;
        s.currency.name = u"USD";
    });
    Connect();
    ASSERT_EQ(Decimals(), 3);
    ASSERT_EQ(core.MoveCash(
                  true, static_cast<std::int32_t>(receipt::CashDialogUnits(u"1,5", Decimals()))),
              S_OK);
    EXPECT_EQ(DialogDrawer(), "1.500 USD");
    const std::vector<ReceiptRow> rows{Goods(u"Болт", u"3", u"0.125").Taxes(3)};
    ASSERT_EQ(Print(rows).copiesPrinted, 1);
    const auto closed = LastClosed();
    ASSERT_TRUE(closed);
    ExpectCloseAgreesWithConsole(*closed);
    EXPECT_EQ(closed->salesSum, 375);
    EXPECT_EQ(closed->due, 375 + 19);  // 5 % of 0.375 is 0.01875
    EXPECT_TRUE(PrintedLineWith({"  3 x 0.125", "0.375 В"}));
    EXPECT_EQ(DialogDrawer(), "1.894 USD");
}

}  // namespace
}  // namespace sim_test
