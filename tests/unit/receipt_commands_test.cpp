// The command texts of the receipt operations for every family, model and article mode, and
// the decisions of a close.
#include <gtest/gtest.h>

#include <string>

#include "device/protocol/receipt_commands.h"
#include "res/string_table.h"
#include "tests/unit/print_helpers.h"

using namespace orvik::device;

namespace {

using namespace orvik;

const std::u16string kLetters = LoadString(kStrTaxLetters);

TaxTable SampleTaxes() {
    TaxTable table{};
    table[0] = TaxSlot{u"", u"", u"1", u"2000", u"20.00"};
    table[1] = TaxSlot{u"", u"", u"0", u"0700", u"07.00"};
    table[7] = TaxSlot{u"", u"", u"1", u"1000", u"10.00"};
    return table;
}

ReceiptLineRequest Line(std::u16string name, std::int32_t quantity, std::int32_t price) {
    ReceiptLineRequest line;
    line.name = std::move(name);
    line.quantity = quantity;
    line.price = price;
    return line;
}

std::u16string Raw(const RegisterProfile& profile, const ReceiptLineRequest& line,
                   bool returnMode = false) {
    return PrepareReceiptLine(profile, SampleTaxes(), kLetters, returnMode, line).command;
}

std::string Command(const RegisterProfile& profile, const ReceiptLineRequest& line,
                    bool returnMode = false) {
    return Utf8(Raw(profile, line, returnMode));
}

// Characters [position, position + count) of the command, as UTF-8.
std::string Part(const RegisterProfile& profile, const ReceiptLineRequest& line,
                 std::size_t position, std::size_t count = std::u16string::npos) {
    return Utf8(Raw(profile, line).substr(position, count));
}

std::string Zeros(std::size_t count) {
    return std::string(count, '0');
}

const RegisterProfile kFamily0{0, 0, 0, 1999};
const RegisterProfile kModel3{1, 3, 0, 1999};

TEST(ReceiptLineCommand, PieceLineOnFamily0) {
    EXPECT_EQ(Command(kFamily0, Line(u"Хлеб", 2, 150)),
              "FISCХлеб        000000300000000150000021" + Zeros(1 + 48 + 4));
}

TEST(ReceiptLineCommand, SumsQuantitiesAndUnitFlag) {
    // Sum, price, quantity, unit flag and the reserved "0" follow the 12-character name.
    ReceiptLineRequest weighed = Line(u"Сыр", 1500, 333);
    weighed.divisible = true;
    EXPECT_EQ(Part(kFamily0, weighed, 16, 25),
              std::string("000000500") + "000000333" + "01500" + "0" + "0");
    // Quantity 0 is sent as zeros while the sum counts one piece.
    EXPECT_EQ(Part(kFamily0, Line(u"Чай", 0, 150), 16, 25),
              std::string("000000150") + "000000150" + "00000" + "1" + "0");
    // A negative quantity goes out as 0 too.
    EXPECT_EQ(Part(kFamily0, Line(u"Чай", -4, 150), 34, 5), "00000");
}

TEST(ReceiptLineCommand, TaxGroupsForEachOfTheEightSlots) {
    ReceiptLineRequest line = Line(u"Чай", 1, 100);
    line.taxSlot1 = 1;
    line.taxSlot2 = 8;
    EXPECT_EQ(Part(kFamily0, line, 41, 48), "А12000" + Zeros(36) + "З11000");
    line.taxSlot1 = 2;
    line.taxSlot2 = 0;
    EXPECT_EQ(Part(kFamily0, line, 41, 48), "000000Б00700" + Zeros(36));
}

TEST(ReceiptLineCommand, ArticlesWithinTheLimitOnly) {
    ReceiptLineRequest line = Line(u"Tea", 1, 100);
    for (const auto& [article, code] : {std::pair{12, "0012"}, std::pair{0, "0000"},
                                        std::pair{2000, "0000"}, std::pair{1999, "1999"}}) {
        line.article = article;
        EXPECT_EQ(Part(kFamily0, line, 89, 4), code) << article;
    }
    RegisterProfile large = kModel3;
    large.maxArticleNumber = 20000;
    line.article = 15042;
    EXPECT_EQ(Part(large, line, 89, 4), "F042");
}

TEST(ReceiptLineCommand, DiscountAndSurchargeBlocks) {
    ReceiptLineRequest line = Line(u"Tea", 1, 300);
    line.discountKind = kDiscount;
    line.discountName = u"Клиент";
    line.discountAmount = 500;
    // A discount above the line sum is sent as the line sum.
    EXPECT_EQ(Command(kFamily0, line).substr(93), "-Клиент       000000300");
    line.discountKind = kSurcharge;
    line.discountName = u"Very long surcharge name";
    EXPECT_EQ(Command(kFamily0, line).substr(93), "+Very long sur000000500");
    // No block without an amount.
    line.discountAmount = 0;
    EXPECT_EQ(Command(kFamily0, line).size(), 93u);
}

TEST(ReceiptLineCommand, LongNamesAreCutOnFamily0AndContinuedOnFamily1) {
    const ReceiptLineRequest line = Line(u"  Fourteen char  ", 1, 100);  // trimmed: 13
    EXPECT_EQ(Part(kFamily0, line, 4, 12), "Fourteen cha");
    EXPECT_EQ(Command(kFamily0, line).size(), 93u);
    // Family 1 model 3: the rest follows an empty discount block...
    EXPECT_EQ(Command(kModel3, line).substr(93), Zeros(23) + "r");
    // ...or the real one.
    ReceiptLineRequest discounted = line;
    discounted.discountKind = kDiscount;
    discounted.discountName = u"D";
    discounted.discountAmount = 10;
    EXPECT_EQ(Command(kModel3, discounted).substr(93), "-D            000000010r");
}

TEST(ReceiptLineCommand, ContinuationLimitsByModel) {
    const std::u16string name = u"N" + std::u16string(150, u'x');
    const auto continuation = [&](RegisterProfile profile) {
        const std::string text = Command(profile, Line(name, 1, 100));
        const std::size_t base =
            profile.UsesCodedArticles()
                ? 4 + 24 + 9 + 9 + 6 + 2 + 2 + 9
                : (profile.articleMode == 2 ? 4 + 24 + 9 + 9 + 6 + 2 + 2 + 4 : 93);
        return text.size() - base - 23;
    };
    EXPECT_EQ(continuation({1, 1, 0, 1999}), 24u);
    EXPECT_EQ(continuation({1, 4, 0, 1999}), 29u);
    EXPECT_EQ(continuation({1, 4, 2, 1999}), 29u);
    EXPECT_EQ(continuation({1, 8, 2, 1999}), 104u);
    EXPECT_EQ(continuation({1, 8, 0, 1999}), 29u);
}

TEST(ReceiptLineCommand, WeighedGoodsContinueOnWholeTapeLines) {
    ReceiptLineRequest line = Line(u"Колбаса варёная", 1500, 100);  // 15 characters
    line.divisible = true;
    // The three characters left over are padded to a tape line and cut at 29, the last space
    // becoming a point.
    EXPECT_EQ(Part({1, 5, 0, 1999}, line, 93), Zeros(23) + "ная" + std::string(25, ' ') + ".");
}

TEST(ReceiptLineCommand, ArticleMode2Layouts) {
    ReceiptLineRequest line = Line(u"Молоко", 2, 150);
    line.taxSlot1 = 1;
    line.taxSlot2 = 2;
    line.article = 123456;
    // Models 5, 6 and 8: FICD with nine-digit articles.
    const std::string coded = Command({1, 8, 2, 999999999}, line);
    EXPECT_EQ(coded, "FICDМолоко" + std::string(18, ' ') + "000000300000000150000002" + "10" +
                         "АБ" + "000123456");
    EXPECT_EQ(Command({1, 8, 2, 999999999}, line, true).substr(0, 4), "BFCD");
    // Other models in article mode 2 keep FISC and four-character articles but take the long
    // name, the six-digit quantity and the two tax letters.
    line.article = 12;
    EXPECT_EQ(
        Command({1, 4, 2, 1999}, line),
        "FISCМолоко" + std::string(18, ' ') + "000000300000000150000002" + "10" + "АБ" + "0012");
    EXPECT_EQ(Command({1, 4, 2, 1999}, line, true).substr(0, 4), "BFIS");
    line.taxSlot1 = 0;
    line.taxSlot2 = 0;
    EXPECT_EQ(Part({1, 4, 2, 1999}, line, 54, 2), "00");
}

TEST(ReceiptReplyAmount, ReadsTheSignedNumberAfterTheTag) {
    EXPECT_EQ(ReadReplyAmount(u"FISC0000000201"), 201);
    EXPECT_EQ(ReadReplyAmount(u"FISC  -12xyz"), -12);
    EXPECT_EQ(ReadReplyAmount(u"FISC"), 0);
    EXPECT_EQ(ReadReplyAmount(u"FI"), 0);
    EXPECT_EQ(ReadReplyAmount(u"FISC99999999999999"), 2147483647);
}

// --- The close -------------------------------------------------------------------------------

ReceiptTotals Sales(std::int32_t sum) {
    ReceiptTotals totals;
    totals.salesSum = sum;
    return totals;
}

TEST(ReceiptClose, PaymentsOneUnitOffAreCorrectedInTheCash) {
    for (std::int32_t cash : {999, 1001}) {
        ReceiptTotals totals = Sales(1000);
        const ClosePlan plan = PlanReceiptClose(totals, TaxTable{}, cash, 0, 0, 0);
        EXPECT_FALSE(plan.paidShort);
        EXPECT_EQ(plan.cash, 1000);
        EXPECT_EQ(Utf8(plan.command),
                  "COMP"
                  "0000001000" +
                      Zeros(40) + "0000001000");
    }
    // The other payments stay; the cash takes the difference.
    ReceiptTotals totals = Sales(1000);
    const ClosePlan plan = PlanReceiptClose(totals, TaxTable{}, 299, 200, 300, 200);
    EXPECT_EQ(plan.cash, 300);
    EXPECT_EQ(Utf8(plan.command), std::string("COMP") + "0000001000" + "0000000000" + "0000000200" +
                                      "0000000200" + "0000000300" + "0000000300");
}

TEST(ReceiptClose, PaymentsTwoUnitsShortAreRefusedAndOverpaymentIsAccepted) {
    ReceiptTotals totals = Sales(1000);
    const ClosePlan shortPlan = PlanReceiptClose(totals, TaxTable{}, 998, 0, 0, 0);
    EXPECT_TRUE(shortPlan.paidShort);
    EXPECT_TRUE(shortPlan.command.empty());
    const ClosePlan over = PlanReceiptClose(totals, TaxTable{}, 5000, 0, 0, 0);
    EXPECT_FALSE(over.paidShort);
    EXPECT_EQ(over.cash, 5000);
}

TEST(ReceiptClose, NoPaymentClearsTheSumsButNotTheTurnovers) {
    TaxTable table{};
    table[0] = TaxSlot{u"", u"", u"1", u"2000", u"20.00"};
    ReceiptTotals totals = Sales(1000);
    totals.salesByTaxSlot[0] = 1000;
    const ClosePlan plan = PlanReceiptClose(totals, table, 0, 0, 0, 0);
    EXPECT_TRUE(plan.noPayment);
    EXPECT_EQ(plan.due, 1200);
    EXPECT_EQ(Utf8(plan.command), "COMP" + Zeros(60));
    EXPECT_EQ(totals.salesSum, 0);
    EXPECT_EQ(totals.salesAddedTax, 0);
    EXPECT_EQ(totals.salesByTaxSlot[0], 1000);

    // An amount due of 1 is within the tolerance: it is paid in cash instead.
    ReceiptTotals small = Sales(1);
    const ClosePlan one = PlanReceiptClose(small, TaxTable{}, 0, 0, 0, 0);
    EXPECT_FALSE(one.noPayment);
    EXPECT_EQ(one.cash, 1);
}

TEST(ReceiptClose, ReturnsArePaidOutInPositiveCash) {
    ReceiptTotals totals;
    totals.returnsSum = 400;
    // The amount due is -400; cash of -399 is a rounding away and goes out as 400.
    const ClosePlan plan = PlanReceiptClose(totals, TaxTable{}, -399, 0, 0, 0);
    EXPECT_EQ(plan.due, -400);
    EXPECT_FALSE(plan.paidShort);
    EXPECT_EQ(plan.cash, 400);
    EXPECT_EQ(Utf8(plan.command), "COMP" + Zeros(10) + "0000000400" + Zeros(30) + "0000000400");
}

// Payments the register would have taken as a 32-bit wrap-around or as change it never took
// in are refused before anything is sent; only a refund's cash is paid back.
TEST(ReceiptClose, NegativePaymentsAndOverpaymentsByOtherFormsAreRefused) {
    struct Case {
        std::int32_t sales, returns, cash, payment1, payment2, payment3;
    };
    for (const Case& c : {Case{350, 0, 850, -500, 0, 0}, Case{350, 0, 0, 0, 0, -5},
                          Case{350, 0, -99999550, 99999900, 0, 0}, Case{350, 0, 0, 351, 0, 0},
                          Case{0, 400, -900, 0, 500, 0}}) {
        ReceiptTotals totals = Sales(c.sales);
        totals.returnsSum = c.returns;
        const ClosePlan plan =
            PlanReceiptClose(totals, TaxTable{}, c.cash, c.payment1, c.payment2, c.payment3);
        EXPECT_TRUE(plan.paymentsWrong || plan.paidShort) << c.cash << " " << c.payment1;
        EXPECT_TRUE(plan.command.empty()) << Utf8(plan.command);
    }
}

TEST(ReceiptAuxiliaryCommands, OpenBarcodeCompoundTaxAndCash) {
    EXPECT_EQ(Utf8(BuildOpenCommand(0)), "PREPСЕ");
    EXPECT_EQ(Utf8(BuildOpenCommand(1)), "PREPСЕРВІС");
    EXPECT_EQ(Utf8(BuildBarcodeCommand(u"h123")), "PCOD110h123");
    EXPECT_EQ(Utf8(BuildBarcodeCommand(u"g1")), "PCOD11000g1");
    EXPECT_EQ(Utf8(BuildBarcodeCommand(u"i1234567890123456789")), "PCOD110i1234567890123456");
    EXPECT_EQ(Utf8(BuildCompoundTaxCommand(kLetters, 1, 2)), "NLPRАБ");
    EXPECT_EQ(Utf8(BuildCompoundTaxCommand(kLetters, 6, 3)), "NLPRЕВ");
    EXPECT_TRUE(BuildCompoundTaxCommand(kLetters, 2, 2).empty());
    EXPECT_TRUE(BuildCompoundTaxCommand(kLetters, 1, 7).empty());
    EXPECT_TRUE(BuildCompoundTaxCommand(kLetters, 0, 1).empty());
    EXPECT_EQ(Utf8(BuildCashMoveCommand(true, 12345)), "CAIOI0000012345");
    EXPECT_EQ(Utf8(BuildCashMoveCommand(false, 5)), "CAIOO0000000005");
}

}  // namespace
