// The arithmetic of receipts: line sums, discounts, taxes, the register's correction of a
// line's tax and the amount due.
#include <gtest/gtest.h>

#include "device/protocol/receipt_math.h"
#include "tests/unit/print_helpers.h"

using namespace orvik::device;

namespace {

using namespace orvik;

// A tax table with the given slots set: slot number, kind letter, rate text.
struct SlotSpec {
    int slot;
    char16_t kind;
    std::u16string rate;  // "20.00"
};

TaxTable Taxes(std::initializer_list<SlotSpec> specs) {
    TaxTable table{};
    for (const SlotSpec& spec : specs) {
        TaxSlot& slot = table[static_cast<std::size_t>(spec.slot - 1)];
        slot.kind = std::u16string(1, spec.kind);
        slot.rateText = spec.rate;
        slot.rateDigits = spec.rate.substr(0, 2) + spec.rate.substr(3, 2);
    }
    return table;
}

TEST(ReceiptFormats, ArticleCodesUseALetterForTheThousandsFromTenThousand) {
    EXPECT_EQ(Utf8(FormatArticleCode(7)), "0007");
    EXPECT_EQ(Utf8(FormatArticleCode(9999)), "9999");
    EXPECT_EQ(Utf8(FormatArticleCode(10000)), "A000");
    EXPECT_EQ(Utf8(FormatArticleCode(15042)), "F042");
    EXPECT_EQ(Utf8(FormatArticleCode(19999)), "J999");
    // Model 8's articles up to 20688 take the last letter, K; beyond it nothing is left.
    EXPECT_EQ(Utf8(FormatArticleCode(20001)), "K001");
    EXPECT_EQ(Utf8(FormatArticleCode(20688)), "K688");
    EXPECT_EQ(Utf8(FormatArticleCode(21000)), "0000");
}

TEST(ReceiptLineSum, PiecesMultiplyAndThousandthsRoundHalfUp) {
    EXPECT_EQ(LineSum(2, 150, false), 300);
    EXPECT_EQ(LineSum(1500, 333, true), 500);  // 499.5 rounds up
    EXPECT_EQ(LineSum(1499, 333, true), 499);  // 499.167
    // Quantity 0 (and a negative one) counts as one unit of the smallest kind.
    EXPECT_EQ(LineSum(0, 150, false), 150);
    EXPECT_EQ(LineSum(-3, 150, false), 150);
    EXPECT_EQ(LineSum(0, 1500, true), 2);
    // 64-bit arithmetic: the product of the largest price and quantity does not wrap.
    EXPECT_EQ(LineSum(99999, 999999999, false), 99999LL * 999999999LL);
}

TEST(ReceiptLineSum, DiscountsAreCappedAtTheLineAndEmptyOnesDropped) {
    EXPECT_EQ(EffectiveDiscount(kDiscount, 500, 300).amount, 300);
    EXPECT_EQ(ApplyDiscount(300, EffectiveDiscount(kDiscount, 500, 300)), 0);
    EXPECT_EQ(ApplyDiscount(300, EffectiveDiscount(kSurcharge, 500, 300)), 800);
    EXPECT_EQ(ApplyDiscount(300, EffectiveDiscount(kDiscount, 100, 300)), 200);
    // No discount, a zero or negative amount, or an unknown kind: nothing is applied.
    for (const auto& [kind, amount] : {std::pair{kNoDiscount, 100}, std::pair{kDiscount, 0},
                                       std::pair{kSurcharge, -5}, std::pair{2, 100}}) {
        const LineDiscount discount = EffectiveDiscount(kind, amount, 300);
        EXPECT_EQ(discount.kind, kNoDiscount) << kind << " " << amount;
        EXPECT_EQ(ApplyDiscount(300, discount), 300);
    }
}

TEST(ReceiptTaxes, RatesAreReadExactlyInHundredthsOfAPercent) {
    EXPECT_EQ(TaxRateHundredths(u"20.00"), 2000);
    EXPECT_EQ(TaxRateHundredths(u"7.5"), 750);
    EXPECT_EQ(TaxRateHundredths(u" 0.07"), 7);
    EXPECT_EQ(TaxRateHundredths(u"12"), 1200);
    EXPECT_EQ(TaxRateHundredths(u""), 0);
    EXPECT_EQ(TaxRateHundredths(u"abc"), 0);
}

TEST(ReceiptTaxes, EachKindGivesItsTaxOfTheLineSum) {
    const TaxTable table =
        Taxes({{1, u'0', u"20.00"}, {2, u'1', u"20.00"}, {3, u'2', u"7.00"}, {4, u'9', u"5.00"}});
    // Included: the tax inside 12.00 at 20 % is exactly 2.00 (a single-precision reading of
    // the rate made it 2.01).
    EXPECT_EQ(ComputeLineTaxes(table, 1, 0, 1200).included, 200);
    EXPECT_EQ(ComputeLineTaxes(table, 1, 0, 1000).included, 167);  // 166.67 rounds up
    EXPECT_EQ(ComputeLineTaxes(table, 2, 0, 1003).added, 200);     // 200.6 rounds down
    EXPECT_EQ(ComputeLineTaxes(table, 3, 0, 1000).winnings, 70);
    // Unknown kinds and slot numbers outside 1 to 8 add nothing.
    const LineTaxes none = ComputeLineTaxes(table, 4, 9, 1000);
    EXPECT_EQ(none.included + none.added + none.winnings, 0);
    // Two slots of one line both count.
    const TaxTable two = Taxes({{1, u'1', u"20.00"}, {2, u'1', u"10.00"}});
    EXPECT_EQ(ComputeLineTaxes(two, 1, 2, 1000).added, 300);
}

TEST(ReceiptTaxes, SlotEightIsTaxedAndCountedLikeEveryOtherSlot) {
    const TaxTable table = Taxes({{8, u'1', u"10.00"}});
    EXPECT_EQ(ComputeLineTaxes(table, 8, 0, 1000).added, 100);

    ReceiptTotals totals;
    RegisterLineInTotals(totals, table, false, 8, 0, 1000, 0);
    EXPECT_EQ(totals.salesByTaxSlot[7], 1000);
    EXPECT_EQ(totals.salesAddedTax, 100);
    RecomputeReceiptTaxes(totals, table);
    EXPECT_EQ(totals.salesAddedTax, 100);
    EXPECT_EQ(AmountDue(totals), 1100);
}

TEST(ReceiptTaxes, TheRegistersAmountReplacesATaxOnlyARoundingAway) {
    const TaxTable table = Taxes({{2, u'1', u"20.00"}});
    struct Case {
        std::int64_t deviceAmount;
        std::int32_t addedTax;
        std::int32_t lineTotal;
    };
    // The line's own added tax is 200 on a sum of 1003.
    for (const Case& c :
         {Case{201, 201, 1204}, Case{198, 198, 1201}, Case{203, 200, 1206}, Case{0, 200, 1203}}) {
        ReceiptTotals totals;
        const std::int32_t lineTotal =
            RegisterLineInTotals(totals, table, false, 2, 0, 1003, c.deviceAmount);
        EXPECT_EQ(totals.salesAddedTax, c.addedTax) << c.deviceAmount;
        EXPECT_EQ(lineTotal, c.lineTotal) << c.deviceAmount;
        EXPECT_EQ(totals.salesSum, 1003);
    }
}

TEST(ReceiptTaxes, ReturnLinesGoToTheReturnSums) {
    const TaxTable table = Taxes({{1, u'0', u"20.00"}, {3, u'2', u"10.00"}});
    ReceiptTotals totals;
    RegisterLineInTotals(totals, table, true, 1, 0, 1200, 0);
    RegisterLineInTotals(totals, table, true, 3, 0, 500, 0);
    EXPECT_EQ(totals.returnsSum, 1700);
    EXPECT_EQ(totals.returnsIncludedTax, 200);
    EXPECT_EQ(totals.returnsWinningsTax, 50);
    EXPECT_EQ(totals.returnsByTaxSlot[0], 1200);
    EXPECT_EQ(totals.returnsByTaxSlot[2], 500);
    EXPECT_EQ(totals.salesSum, 0);
    EXPECT_EQ(totals.salesByTaxSlot[0], 0);
}

TEST(ReceiptAmountDue, TheCloseRoundsEachSlotsTaxOfItsWholeTurnover) {
    const TaxTable table = Taxes({{1, u'1', u"20.00"}, {2, u'2', u"10.00"}, {3, u'0', u"20.00"}});
    ReceiptTotals totals;
    // Three lines of 1003 in slot 1: 200 each line by line, 601.8 -> 602 on the turnover.
    for (int i = 0; i < 3; ++i) {
        RegisterLineInTotals(totals, table, false, 1, 0, 1003, 0);
    }
    EXPECT_EQ(totals.salesAddedTax, 600);
    RegisterLineInTotals(totals, table, false, 2, 0, 505, 0);   // winnings 50.5 -> 51
    RegisterLineInTotals(totals, table, false, 3, 0, 1200, 0);  // included: not in the due
    RegisterLineInTotals(totals, table, true, 1, 0, 100, 0);    // return, added 20
    RecomputeReceiptTaxes(totals, table);
    EXPECT_EQ(totals.salesAddedTax, 602);
    EXPECT_EQ(totals.salesWinningsTax, 51);
    EXPECT_EQ(totals.returnsAddedTax, 20);
    EXPECT_EQ(totals.salesIncludedTax, 200);
    EXPECT_EQ(AmountDue(totals), (3009 + 505 + 1200) + 602 - 51 - (100 + 20));
}

TEST(ReceiptLimits, LongArticleRegistersTakeSixDigitQuantities) {
    EXPECT_EQ(MaxLineQuantity(1, 8, 2), 999999);
    EXPECT_EQ(MaxLineQuantity(1, 5, 2), 999999);
    EXPECT_EQ(MaxLineQuantity(1, 8, 0), 99999);
    EXPECT_EQ(MaxLineQuantity(1, 4, 2), 99999);
    EXPECT_EQ(MaxLineQuantity(0, 8, 2), 99999);
}

TEST(ReceiptLimits, PreviewAppliesTheDiscountBeforeTheTaxes) {
    const TaxTable table = Taxes({{2, u'1', u"20.00"}, {3, u'2', u"10.00"}});
    const LineAmounts amounts = PreviewLine(table, 3, 500, false, 2, 3, kDiscount, 500);
    EXPECT_EQ(amounts.lineSum, 1000);
    EXPECT_EQ(amounts.addedTax, 200);
    EXPECT_EQ(amounts.winningsTax, 100);
    EXPECT_EQ(PreviewLine(table, 1, 300, false, 0, 0, kDiscount, 500).lineSum, 0);
    EXPECT_EQ(PreviewLine(table, 1, 300, false, 0, 0, kNoDiscount, 500).lineSum, 300);
}

TEST(ReceiptLimits, NumbersTheLineCommandWouldCutAreRefused) {
    EXPECT_TRUE(LineFitsCommand(999999999, 999999999, {}));
    EXPECT_FALSE(LineFitsCommand(-1, 0, {}));
    EXPECT_FALSE(LineFitsCommand(100, 1000000000, {}));
    EXPECT_FALSE(LineFitsCommand(100, 100, {kSurcharge, 1000000000}));
}

}  // namespace
