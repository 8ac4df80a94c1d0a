// The receipt total of the composed rows and the cash recalculation: the total is what the
// register will ask at the close.
#include <gtest/gtest.h>

#include <vector>

#include "console/receipt_numbers.h"
#include "console/receipt_total.h"
#include "device/protocol/receipt_commands.h"
#include "tests/unit/print_helpers.h"
#include "tests/unit/recording_register.h"

using namespace orvik::device;
using namespace orvik::console;

namespace {

using namespace orvik::console;

ReceiptRow Row(std::u16string name, std::u16string quantity, std::u16string price,
               bool isReturn = false) {
    ReceiptRow row;
    row.name = std::move(name);
    row.article = 1;
    row.quantity = EnteredNumber::FromText(std::move(quantity));
    row.price = EnteredNumber::FromText(std::move(price));
    row.isReturn = isReturn;
    return row;
}

ReceiptRow Taxed(ReceiptRow row, int slot) {
    row.taxSlot1 = slot;
    return row;
}

class ReceiptTotalTest : public ::testing::Test {
  protected:
    ReceiptTotalTest() {
        reg.taxes[0] = TaxSlot{u"", u"", u"1", u"2000", u"20.00"};
        reg.taxes[1] = TaxSlot{u"", u"", u"0", u"2000", u"20.00"};
        reg.taxes[2] = TaxSlot{u"", u"", u"2", u"1000", u"10.00"};
        reg.taxes[7] = TaxSlot{u"", u"", u"1", u"0500", u"05.00"};
    }
    std::int64_t Total(const std::vector<ReceiptRow>& rows) {
        return ComputeReceiptTotal(rows, 2, &reg);
    }
    // The amount due the core computes at the close after registering the rows.
    std::int64_t DueAtClose(const std::vector<ReceiptRow>& rows) {
        ReceiptTotals totals;
        const std::vector<bool> returns = RowsRegisteredAsReturns(rows);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const RowLine row = ConvertRow(rows[i], 2);
            const orvik::device::PreparedLine line =
                orvik::device::PrepareReceiptLine({}, reg.taxes, u"АБВГДЕЖЗ", returns[i], row.line);
            orvik::device::RegisterLineInTotals(totals, reg.taxes, returns[i], row.line.taxSlot1,
                                                row.line.taxSlot2, line.SumAfterDiscount(), 0);
        }
        return orvik::device::PlanReceiptClose(totals, reg.taxes, 0, 0, 0, 0).due;
    }

    RecordingRegister reg;
};

TEST_F(ReceiptTotalTest, SaleLessReturnAndTheCashAfterPayments) {
    const std::vector<ReceiptRow> rows = {Row(u"Чай", u"1", u"10.00"),
                                          Row(u"Кофе", u"1", u"4.00", true)};
    EXPECT_EQ(Total(rows), 600);
    EXPECT_EQ(ComputeReceiptTotal(rows, 2, nullptr), 0);  // no register connected

    CashFields fields = RecalculateCash(600, {u"2.00", u"", u""}, 2);
    EXPECT_EQ(Utf8(fields.cash), "4.00");
    EXPECT_EQ(Utf8(fields.payments[0]), "2.00");
    EXPECT_EQ(Utf8(fields.payments[1]), "0.00");
    fields = RecalculateCash(600, {u"8", u"0,5", u"x"}, 2);
    EXPECT_EQ(Utf8(fields.cash), "-2.50");
    EXPECT_EQ(Utf8(fields.payments[0]), "8.00");
    EXPECT_EQ(Utf8(fields.payments[1]), "0.50");
    EXPECT_EQ(Utf8(fields.payments[2]), "0.00");
    // An empty list with payments: the cash is minus their sum.
    EXPECT_EQ(Utf8(RecalculateCash(0, {u"1.00", u"", u""}, 2).cash), "-1.00");
}

TEST_F(ReceiptTotalTest, TaxOnWinningsIsSubtractedAsTheRegisterDoes) {
    const std::vector<ReceiptRow> sale = {Taxed(Row(u"Лото", u"1", u"10.00"), 3)};
    EXPECT_EQ(Total(sale), 900);
    EXPECT_EQ(Total(sale), DueAtClose(sale));
    const std::vector<ReceiptRow> back = {Taxed(Row(u"Лото", u"1", u"10.00", true), 3)};
    EXPECT_EQ(Total(back), -900);
    EXPECT_EQ(Total(back), DueAtClose(back));
}

TEST_F(ReceiptTotalTest, AddedTaxIsRoundedOnTheSlotsTurnoverAsAtTheClose) {
    // Each line's 20 % of 10.03 is 2.006; three lines make 6.018, rounded 6.02 (the lines
    // one by one would give 6.00, short of what the register asks).
    const std::vector<ReceiptRow> rows(3, Taxed(Row(u"Хлеб", u"1", u"10.03"), 1));
    EXPECT_EQ(Total(rows), 3009 + 602);
    EXPECT_EQ(Total(rows), DueAtClose(rows));
    // Included tax is inside the price already; slot 8 is taxed like the others.
    EXPECT_EQ(Total({Taxed(Row(u"Сок", u"1", u"12.00"), 2)}), 1200);
    EXPECT_EQ(Total({Taxed(Row(u"Сок", u"1", u"12.00"), 8)}), 1260);
}

TEST_F(ReceiptTotalTest, MixedReceiptMatchesTheAmountDue) {
    ReceiptRow discounted = Taxed(Row(u"Сыр", u"1.5", u"3,33"), 1);
    discounted.divisible = true;
    discounted.discountKind = 1;
    discounted.discountName = u"Клиент";
    discounted.discountAmount = EnteredNumber::FromText(u"0.50");
    ReceiptRow surcharged = Taxed(Row(u"Торт", u"2", u"7.77"), 3);
    surcharged.taxSlot2 = 8;
    surcharged.discountKind = 2;
    surcharged.discountName = u"Доставка";
    surcharged.discountAmount = EnteredNumber::FromText(u"1.11");
    const std::vector<ReceiptRow> rows = {discounted, surcharged,
                                          Taxed(Row(u"Вода", u"3", u"0.99", true), 1),
                                          Taxed(Row(u"Пакет", u"1", u"0.10"), 2)};
    // (500 - 50) + 20 % of 450; (1554 + 111) - 10 % + 5 % of 1665; returns of 297 + 20 %.
    EXPECT_EQ(Total(rows), 450 + 90 + 1665 - 167 + 83 - 297 - 59 - 10);
    EXPECT_EQ(Total(rows), DueAtClose(rows));
}

TEST_F(ReceiptTotalTest, AfterTheFirstReturnEveryRowIsAReturn) {
    const std::vector<ReceiptRow> rows = {Row(u"A", u"1", u"1.00"), Row(u"B", u"1", u"2.00", true),
                                          Row(u"C", u"1", u"4.00")};
    EXPECT_EQ(RowsRegisteredAsReturns(rows), (std::vector<bool>{false, true, true}));
    EXPECT_EQ(Total(rows), 100 - 200 - 400);
}

TEST_F(ReceiptTotalTest, RowsTheCoreRefusesAddNothing) {
    ReceiptRow weighed = Row(u"Мука", u"1500", u"1.00");  // 1500 units: 1500000 thousandths
    weighed.divisible = true;
    EXPECT_EQ(Total({Row(u"A", u"1", u"1.00"), weighed}), 100);
}

}  // namespace
