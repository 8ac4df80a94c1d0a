// The number rules of the receipt page and the cash dialog.
#include <gtest/gtest.h>

#include <ostream>
#include <tuple>
#include <utility>
#include <vector>

#include "console/cash_dialog.h"
#include "console/receipt_numbers.h"
#include "tests/unit/print_helpers.h"

using namespace orvik::console;

namespace {

using namespace orvik::console;

TEST(ReceiptMoneyText, ConvertsToMinorUnitsExactly) {
    EXPECT_EQ(MoneyToMinorUnits(u"1.15", 2), 115);  // not 114
    EXPECT_EQ(MoneyToMinorUnits(u"12,5", 2), 1250);
    EXPECT_EQ(MoneyToMinorUnits(u"  3.50 ", 2), 350);
    EXPECT_EQ(MoneyToMinorUnits(u"-2.00", 2), -200);
    EXPECT_EQ(MoneyToMinorUnits(u"0.005", 2), 1);  // half away from zero
    EXPECT_EQ(MoneyToMinorUnits(u"-0.005", 2), -1);
    EXPECT_EQ(MoneyToMinorUnits(u".5", 2), 50);
    EXPECT_EQ(MoneyToMinorUnits(u"7", 0), 7);
    EXPECT_EQ(MoneyToMinorUnits(u"1.2345", 3), 1235);
    // Texts that do not start with a number read as 0; reading stops at the first non-digit.
    EXPECT_EQ(MoneyToMinorUnits(u"", 2), 0);
    EXPECT_EQ(MoneyToMinorUnits(u"abc", 2), 0);
    EXPECT_EQ(MoneyToMinorUnits(u"-", 2), 0);
    EXPECT_EQ(MoneyToMinorUnits(u"12abc", 2), 1200);
    EXPECT_EQ(MoneyToMinorUnits(u"1e5", 2), 100);
    // Values beyond what the core takes are held at its bounds.
    EXPECT_EQ(MoneyToMinorUnits(u"9999999999", 2), 2147483647);
    EXPECT_EQ(MoneyToMinorUnits(u"-99999999999999999999999", 2), -2147483647 - 1);
    EXPECT_EQ(MoneyTextToUnits(u"9999999999", 2), 999999999900);
}

TEST(ReceiptMoneyText, MinorUnitsBackToText) {
    EXPECT_EQ(Utf8(MinorUnitsToMoney(600, 2)), "6.00");
    EXPECT_EQ(Utf8(MinorUnitsToMoney(-200, 2)), "-2.00");
    EXPECT_EQ(Utf8(MinorUnitsToMoney(5, 2)), "0.05");
    EXPECT_EQ(Utf8(MinorUnitsToMoney(-5, 3)), "-0.005");
    EXPECT_EQ(Utf8(MinorUnitsToMoney(1000000000, 2)), "10000000.00");
    EXPECT_EQ(Utf8(MinorUnitsToMoney(12, 0)), "12");
}

TEST(ReceiptQuantityText, ThousandthsForWeighedGoodsAndPiecesOtherwise) {
    EXPECT_EQ(QuantityToUnits(u"1.500", true), 1500);
    EXPECT_EQ(QuantityToUnits(u"1,5", true), 1500);
    EXPECT_EQ(QuantityToUnits(u"1500", true), 1500000);  // typed without leaving the field
    EXPECT_EQ(QuantityToUnits(u"2.7", false), 3);
    EXPECT_EQ(QuantityToUnits(u"2", false), 2);
    EXPECT_EQ(QuantityToUnits(u"", false), 0);
}

struct NormalizeRow {
    const char16_t* typed;
    int decimals;
    bool weighed;
    const char* shown;
};

// Names the row in test listings and failure messages.
void PrintTo(const NormalizeRow& row, std::ostream* out) {
    *out << '"' << Utf8(row.typed) << "\" " << row.decimals << (row.weighed ? " weighed" : "");
}

class ReceiptNumberField : public testing::TestWithParam<NormalizeRow> {};

TEST_P(ReceiptNumberField, IsNormalisedAsThePageShowsIt) {
    const NormalizeRow& row = GetParam();
    EXPECT_EQ(Utf8(NormalizeNumberText(row.typed, row.decimals, row.weighed)), row.shown);
}

INSTANTIATE_TEST_SUITE_P(MoneyAndPieces, ReceiptNumberField,
                         testing::Values(NormalizeRow{u"12", 2, false, "12.00"},
                                         NormalizeRow{u"12,5", 2, false, "12.50"},
                                         NormalizeRow{u"", 2, false, "0.00"},
                                         NormalizeRow{u"  7.499 ", 2, false, "7.50"},
                                         NormalizeRow{u"2.7", 0, false, "3"},
                                         NormalizeRow{u"junk", 2, false, "0.00"},
                                         // Only the first line counts.
                                         NormalizeRow{u"5\r\n6", 2, false, "5.00"}));

// Weighed quantities typed without a point are thousandths.
INSTANTIATE_TEST_SUITE_P(
    WeighedQuantities, ReceiptNumberField,
    testing::Values(NormalizeRow{u"1500", 3, true, "1.500"}, NormalizeRow{u"1.5", 3, true, "1.500"},
                    NormalizeRow{u"2", 3, true, "0.002"},
                    // With a point and a whole part of 0 the text is taken as typed, as with a
                    // whole part of 1 or more: 0.5 is half a unit, not 0.001.
                    NormalizeRow{u"0.5", 3, true, "0.500"}, NormalizeRow{u"0,25", 3, true, "0.250"},
                    NormalizeRow{u".75", 3, true, "0.750"},
                    // Normalising again changes nothing.
                    NormalizeRow{u"0.500", 3, true, "0.500"},
                    NormalizeRow{u"1.500", 3, true, "1.500"}));

TEST(ReceiptIntegers, ReadLikeTheListColumns) {
    EXPECT_EQ(ReadInteger(u"12"), 12);
    EXPECT_EQ(ReadInteger(u" -3x"), -3);
    EXPECT_EQ(ReadInteger(u"x"), 0);
    EXPECT_EQ(ReadInteger(u"99999999999999"), 2147483647);
    EXPECT_TRUE(IsInteger(u" 12 "));
    EXPECT_FALSE(IsInteger(u"12a"));
    EXPECT_FALSE(IsInteger(u""));
    EXPECT_FALSE(IsInteger(u"1.0"));
}

TEST(CashDialogNumbers, TwoRoundings) {
    EXPECT_EQ(CashDialogUnits(u"1,15", 2), 115);
    EXPECT_EQ(CashDialogUnits(u"0.005", 2), 1);
    EXPECT_EQ(CashDialogUnits(u"0.004", 2), 0);
    EXPECT_EQ(CashDialogUnits(u"123.45", 2), 12345);
    EXPECT_EQ(CashDialogUnits(u"500", 2), 50000);
    EXPECT_EQ(CashDialogUnits(u"12", 0), 12);
    EXPECT_EQ(CashDialogUnits(u"", 2), 0);
    EXPECT_EQ(CashDialogUnits(u"abc", 2), 0);
}

TEST(CashDialogNumbers, DrawerFromTheCashReport) {
    std::u16string report(55, u'9');
    report += u"00000012345";
    EXPECT_EQ(Utf8(FormatDrawerCash(report, 2, u"ГРН")), "123.45 ГРН");
    EXPECT_EQ(Utf8(FormatDrawerCash(report, 0, u"ГРН")), "12345 ГРН");
    // A report too short gives 0; no report keeps the initial text.
    EXPECT_EQ(Utf8(FormatDrawerCash(u"0123", 2, u"ГРН")), "0.00 ГРН");
    EXPECT_EQ(Utf8(FormatDrawerCash(std::u16string(55, u'1'), 2, u"ГРН")), "0.00 ГРН");
    EXPECT_EQ(Utf8(FormatDrawerCash(u"", 2, u"ГРН")), "0.00");
}

TEST(CashDialogNumbers, CashOutNotAboveTheDrawer) {
    const std::u16string drawer = u"123.45 ГРН";
    EXPECT_TRUE(CashMoveAllowed(u"123.45", true, drawer, 2));
    EXPECT_FALSE(CashMoveAllowed(u"123.46", true, drawer, 2));
    EXPECT_TRUE(CashMoveAllowed(u"123.46", false, drawer, 2));
    EXPECT_TRUE(CashMoveAllowed(u"500", false, drawer, 2));
    for (const char16_t* amount : {u"0", u"", u"abc", u"-5", u"0.004"}) {
        EXPECT_FALSE(CashMoveAllowed(amount, false, drawer, 2)) << Utf8(amount);
    }
    // Without an answer the drawer shows 0.00: only cash in is possible.
    EXPECT_FALSE(CashMoveAllowed(u"1", true, u"0.00", 2));
}

// A register that reports a drawer of 123.45 and records the moves it is asked for.
class FakeCashRegister final : public ICashRegister {
  public:
    std::u16string QueryCash() override { return report; }
    bool MoveCash(bool cashIn, std::int32_t units) override {
        moves.emplace_back(cashIn, units);
        return true;
    }
    int MoneyDecimals() const override { return 2; }
    std::u16string CurrencyName() const override { return u"ГРН "; }

    std::u16string report = std::u16string(55, u'0') + u"00000012345";
    std::vector<std::pair<bool, std::int32_t>> moves;
};

TEST(CashDialogState, ShowsTheDrawerAndMovesOnlyWhatMayBeMoved) {
    FakeCashRegister reg;
    CashDialogState dialog(&reg);
    EXPECT_EQ(Utf8(dialog.Drawer()), "123.45 ГРН");
    // Each row: the amount, cash out, whether the button may be pressed.
    const std::vector<std::tuple<const char16_t*, bool, bool>> rows = {
        {u"123.45", true, true},        {u"123.46", true, false}, {u"123.46", false, true},
        {u"0", false, false},           {u"", false, false},      {u"21474836.47", false, true},
        {u"21474836.48", false, false},
    };
    for (const auto& [amount, cashOut, enabled] : rows) {
        dialog.SetAmount(amount);
        dialog.SetCashOut(cashOut);
        EXPECT_EQ(dialog.PrintEnabled(), enabled) << Utf8(amount) << " " << cashOut;
        EXPECT_EQ(dialog.Perform(), enabled) << Utf8(amount);
    }
    EXPECT_EQ(reg.moves, (std::vector<std::pair<bool, std::int32_t>>{
                             {false, 12345}, {true, 12346}, {true, 2147483647}}));

    // No register: the drawer stays 0.00, only cash in can be pressed, and nothing is sent.
    CashDialogState alone(nullptr);
    EXPECT_EQ(Utf8(alone.Drawer()), "0.00");
    alone.SetAmount(u"1");
    EXPECT_TRUE(alone.Perform());
    // A register that reports nothing leaves 0.00 as well.
    reg.report.clear();
    EXPECT_EQ(Utf8(CashDialogState(&reg).Drawer()), "0.00");
}

}  // namespace
