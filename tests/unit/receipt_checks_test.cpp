// The checks of a receipt item and of the payments, which the receipt page and the command
// line share: each row says what a user would have registered wrongly without the check.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "console/receipt_checks.h"
#include "res/string_table.h"
#include "tests/unit/print_helpers.h"

using namespace orvik::console;
using namespace orvik;  // the string ids

namespace {

// A register of family 1 model 4 with two decimals, article limit 2000, included 20 % in slot
// 1, included 7 % in slot 2, added 5 % in slot 3; slots 4 to 8 unused.
ItemLimits Register() {
    orvik::device::CPrinterInfo info;
    info.maxArticleNumber = 2000;
    info.decimalPointPosition = 2;
    info.taxSlots[0] = {u"ПДВ", u"", u"0", u"2000", u"20.00"};
    info.taxSlots[1] = {u"", u"", u"0", u"0700", u"07.00"};
    info.taxSlots[2] = {u"", u"", u"1", u"0500", u"05.00"};
    return RegisterItemLimits(info, orvik::device::CapabilitiesOf(1, 4, 0));
}

ItemFields Bread() {
    ItemFields item;
    item.name = u"Хлеб";
    item.article = u"12";
    item.quantity = u"2";
    item.price = u"3.50";
    item.taxSlot1 = 1;
    return item;
}

struct ItemCase {
    const char* what;
    std::function<void(ItemFields&, FormFields&)> change;
    int messageId;  // 0: accepted
    ReceiptField field;
};

void PrintTo(const ItemCase& c, std::ostream* out) {
    *out << c.what;
}

class ItemCheckTest : public ::testing::TestWithParam<ItemCase> {};

TEST_P(ItemCheckTest, RefusesWithItsMessageOrAccepts) {
    const ItemCase& c = GetParam();
    ItemFields item = Bread();
    FormFields form;
    c.change(item, form);
    const CheckResult result = CheckItem(item, form, Register());
    if (c.messageId == 0) {
        EXPECT_FALSE(result) << Utf8(result->message);
        return;
    }
    ASSERT_TRUE(result);
    EXPECT_EQ(result->messageId, c.messageId) << Utf8(result->message);
    EXPECT_EQ(result->field, c.field);
    EXPECT_FALSE(result->message.empty());
    EXPECT_EQ(result->message.find(u'%'), std::u16string::npos) << Utf8(result->message);
}

using F = ReceiptField;
using I = ItemFields;
using Form = FormFields;

// The page's checks, in the order the page runs them.
const ItemCase kPageChecks[] = {
    ItemCase{"a good line", [](I&, Form&) {}, 0, F::Name},
    ItemCase{"article not a number", [](I& i, Form&) { i.article = u"1a"; }, kStrFieldNotInteger,
             F::Article},
    ItemCase{"empty print count", [](I&, Form& f) { f.printCount = u""; }, kStrFieldNotInteger,
             F::PrintCount},
    ItemCase{"receipt number not a number", [](I&, Form& f) { f.receiptNumber = u"x"; },
             kStrFieldNotInteger, F::ReceiptNumber},
    ItemCase{"name longer than the model takes",
             [](I& i, Form&) { i.name = std::u16string(42, u'Ж'); }, kStrFieldTooLong, F::Name},
    ItemCase{"quantity of eight characters", [](I& i, Form&) { i.quantity = u"12345678"; },
             kStrFieldTooLong, F::Quantity},
    ItemCase{"article 0", [](I& i, Form&) { i.article = u"0"; }, kStrFieldIntegerRange, F::Article},
    ItemCase{"article 999999999 (was sent as 0)", [](I& i, Form&) { i.article = u"999999999"; },
             kStrFieldIntegerRange, F::Article},
    ItemCase{"receipt number 100000", [](I&, Form& f) { f.receiptNumber = u"100000"; },
             kStrFieldIntegerRange, F::ReceiptNumber},
    ItemCase{"barcode of 18 characters", [](I&, Form& f) { f.barcode = std::u16string(18, u'1'); },
             kStrFieldTooLong, F::Barcode},
    ItemCase{"empty name", [](I& i, Form&) { i.name = u"  "; }, kStrItemNameEmpty, F::Name},
    ItemCase{"price below 0", [](I& i, Form&) { i.price = u"-1.00"; }, kStrItemPriceWrong,
             F::Price},
    ItemCase{"price not a number", [](I& i, Form&) { i.price = u"3.50р"; }, kStrItemPriceWrong,
             F::Price},
    ItemCase{"price 0 is accepted", [](I& i, Form&) { i.price = u"0"; }, 0, F::Name},
    ItemCase{"price with a comma as typed", [](I& i, Form&) { i.price = u"12,5"; }, 0, F::Name},
    ItemCase{"discount without a name",
             [](I& i, Form&) {
                 i.discountKind = 1;
                 i.discountAmount = u"1.00";
             },
             kStrDiscountIncomplete, F::DiscountName},
    ItemCase{"surcharge of 0",
             [](I& i, Form&) {
                 i.discountKind = 2;
                 i.discountName = u"Ночь";
                 i.discountAmount = u"0.00";
             },
             kStrDiscountIncomplete, F::DiscountAmount},
    ItemCase{"the same rate twice", [](I& i, Form&) { i.taxSlot2 = 1; }, kStrSameTaxTwice,
             F::TaxRate2},
    ItemCase{"an included and an added rate", [](I& i, Form&) { i.taxSlot2 = 3; },
             kStrTaxKindsDiffer, F::TaxRate2},
    ItemCase{"two included rates", [](I& i, Form&) { i.taxSlot2 = 2; }, 0, F::Name},
};
INSTANTIATE_TEST_SUITE_P(PageChecks, ItemCheckTest, ::testing::ValuesIn(kPageChecks));

// What the register would have registered wrongly before these checks.
const ItemCase kWrongAmounts[] = {
    ItemCase{"a name holding \";\" (shifts the saved row)",
             [](I& i, Form&) { i.name = u"Чай;зеленый"; }, kStrItemTextBreaksFormat, F::Name},
    ItemCase{"a name with a line break", [](I& i, Form&) { i.name = u"Чай\nзеленый"; },
             kStrItemTextBreaksFormat, F::Name},
    ItemCase{"a name the register cannot print", [](I& i, Form&) { i.name = u"Tea ☕"; },
             kStrItemTextNotPrintable, F::Name},
    ItemCase{"a Ukrainian name prints", [](I& i, Form&) { i.name = u"Сік і хліб"; }, 0, F::Name},
    ItemCase{"a discount name holding \";\"",
             [](I& i, Form&) {
                 i.discountKind = 1;
                 i.discountName = u"a;b";
                 i.discountAmount = u"1.00";
             },
             kStrItemTextBreaksFormat, F::DiscountName},
    ItemCase{"quantity 0", [](I& i, Form&) { i.quantity = u"0"; }, kStrQuantityNotPositive,
             F::Quantity},
    ItemCase{"quantity -2", [](I& i, Form&) { i.quantity = u"-2"; }, kStrQuantityNotPositive,
             F::Quantity},
    ItemCase{"empty quantity", [](I& i, Form&) { i.quantity = u""; }, kStrQuantityNotPositive,
             F::Quantity},
    ItemCase{"quantity not a number", [](I& i, Form&) { i.quantity = u"2шт"; },
             kStrQuantityNotPositive, F::Quantity},
    ItemCase{"1.5 pieces (were sent as 2)", [](I& i, Form&) { i.quantity = u"1.5"; },
             kStrPieceQuantityNotWhole, F::Quantity},
    ItemCase{"2.000 pieces are 2", [](I& i, Form&) { i.quantity = u"2.000"; }, 0, F::Name},
    ItemCase{"weighed 0.0001 (a 0.00 line)",
             [](I& i, Form&) {
                 i.divisible = true;
                 i.quantity = u"0.0001";
             },
             kStrWeightTooFine, F::Quantity},
    ItemCase{"weighed 1.2345",
             [](I& i, Form&) {
                 i.divisible = true;
                 i.quantity = u"1.2345";
             },
             kStrWeightTooFine, F::Quantity},
    ItemCase{"weighed 0.001",
             [](I& i, Form&) {
                 i.divisible = true;
                 i.quantity = u"0.001";
             },
             0, F::Name},
    ItemCase{"more pieces than a line takes", [](I& i, Form&) { i.quantity = u"100000"; },
             kStrLineQuantityTooLarge, F::Quantity},
    ItemCase{"price 3.505 (was sent as 3.51)", [](I& i, Form&) { i.price = u"3.505"; },
             kStrMoneyTooManyDecimals, F::Price},
    ItemCase{"price 3.500 is 3.50", [](I& i, Form&) { i.price = u"3.500"; }, 0, F::Name},
    ItemCase{"discount of 0.125",
             [](I& i, Form&) {
                 i.discountKind = 1;
                 i.discountName = u"Акция";
                 i.discountAmount = u"0.125";
             },
             kStrMoneyTooManyDecimals, F::DiscountAmount},
    ItemCase{"tax slot 4, not programmed", [](I& i, Form&) { i.taxSlot1 = 4; }, kStrTaxSlotMissing,
             F::TaxRate1},
    ItemCase{"tax slot 9 (was dropped: the line went untaxed)", [](I& i, Form&) { i.taxSlot2 = 9; },
             kStrTaxSlotMissing, F::TaxRate2},
    ItemCase{"a discount larger than the line (was "
             "clamped to 0.00)",
             [](I& i, Form&) {
                 i.discountKind = 1;
                 i.discountName = u"Акция";
                 i.discountAmount = u"7.01";
             },
             kStrDiscountAboveLine, F::DiscountAmount},
    ItemCase{"a discount of the whole line",
             [](I& i, Form&) {
                 i.discountKind = 1;
                 i.discountName = u"Акция";
                 i.discountAmount = u"7.00";
             },
             0, F::Name},
    ItemCase{"a line sum beyond nine digits",
             [](I& i, Form&) {
                 i.quantity = u"99999";
                 i.price = u"99999.00";
             },
             kStrLineAmountOutOfRange, F::Quantity},
};
INSTANTIATE_TEST_SUITE_P(WrongAmounts, ItemCheckTest, ::testing::ValuesIn(kWrongAmounts));

TEST(ItemLimitsTest, FollowTheModelAndArticleMode) {
    orvik::device::CPrinterInfo info;
    info.maxArticleNumber = 15000;
    info.decimalPointPosition = 0;
    struct Row {
        std::int32_t family, model, articleMode;
        int nameLength;
        std::int32_t maxQuantity;
    };
    for (const Row& row :
         {Row{0, 0, 0, 36, 99999}, Row{1, 2, 0, 36, 99999}, Row{1, 3, 0, 41, 99999},
          Row{1, 7, 2, 41, 99999}, Row{1, 8, 0, 41, 99999}, Row{1, 8, 2, 116, 999999},
          Row{1, 6, 2, 116, 999999}}) {
        const ItemLimits limits = RegisterItemLimits(
            info, orvik::device::CapabilitiesOf(row.family, row.model, row.articleMode));
        EXPECT_EQ(limits.maxNameLength, row.nameLength) << row.family << row.model;
        EXPECT_EQ(limits.maxQuantity, row.maxQuantity) << row.family << row.model;
        EXPECT_EQ(limits.maxArticle, 15000);
        EXPECT_EQ(limits.moneyDecimals, 0);
        EXPECT_TRUE(limits.registerKnown);
    }
}

TEST(ItemLimitsTest, BeforeTheFirstRefreshTaxKindsAreNotCompared) {
    ItemFields item = Bread();
    item.taxSlot2 = 3;
    EXPECT_FALSE(CheckItem(item, FormFields{}, ItemLimits{}));
    item.article = u"2001";
    const CheckResult refused = CheckItem(item, FormFields{}, ItemLimits{});
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->message, u"Please enter an integer between 1 and 2000.");
}

ReceiptRow Row(const RowTexts& columns) {
    return RowFromTexts(columns, false);
}

TEST(RowCheckTest, RowsGoThroughTheItemChecksAndTheirOwnFields) {
    const ItemLimits limits = Register();
    struct Case {
        const char* what;
        ReceiptRow row;
        int messageId;
        ReceiptField field;
    };
    const Case cases[] = {
        {"good", Row({u"Чай", u"12", u"0", u"2", u"3.50", u"1", u"0", u"0", u"", u"", u"0"}), 0,
         F::Name},
        {"weighed with a discount",
         Row({u"Сыр", u"16", u"1", u"1.250", u"95.40", u"3", u"0", u"1", u"Скидка", u"1.00", u"0"}),
         0, F::Name},
        {"article not a number",
         Row({u"Чай", u"1a", u"0", u"2", u"3.50", u"1", u"0", u"0", u"", u"", u"0"}),
         kStrFieldNotInteger, F::Article},
        {"article and flag written with leading zeros",
         Row({u"Чай", u"012", u"0", u"2", u"3.50", u"1", u"0", u"0", u"", u"", u"00"}), 0, F::Name},
        {"compound tax flag -1",
         Row({u"Чай", u"12", u"0", u"2", u"3.50", u"1", u"0", u"0", u"", u"", u"-1"}),
         kStrFieldIntegerRange, F::CompoundTax},
        {"divisible flag 2",
         Row({u"Чай", u"12", u"2", u"2", u"3.50", u"1", u"0", u"0", u"", u"", u"0"}),
         kStrFieldIntegerRange, F::Divisible},
        {"empty tax column",
         Row({u"Чай", u"12", u"0", u"2", u"3.50", u"", u"0", u"0", u"", u"", u"0"}),
         kStrFieldNotInteger, F::TaxRate1},
        {"tax slot 9", Row({u"Чай", u"12", u"0", u"2", u"3.50", u"9", u"0", u"0", u"", u"", u"0"}),
         kStrFieldIntegerRange, F::TaxRate1},
        {"discount kind 3",
         Row({u"Чай", u"12", u"0", u"2", u"3.50", u"1", u"0", u"3", u"x", u"1", u"0"}),
         kStrFieldIntegerRange, F::DiscountKind},
        {"the five-field row of a shifted name: quantity empty",
         Row({u"Чай", u"12", u"0", u"", u"", u"0", u"0", u"0", u"", u"", u"0"}),
         kStrQuantityNotPositive, F::Quantity},
    };
    for (const Case& c : cases) {
        const CheckResult result = CheckRow(c.row, limits);
        if (c.messageId == 0) {
            EXPECT_FALSE(result) << c.what << ": " << Utf8(result->message);
            continue;
        }
        ASSERT_TRUE(result) << c.what;
        EXPECT_EQ(result->messageId, c.messageId) << c.what;
        EXPECT_EQ(result->field, c.field) << c.what;
    }
    const std::vector<ReceiptRow> rows{cases[0].row, cases[1].row, cases[7].row};
    const auto first = CheckRows(rows, limits);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->row, 2u);
}

TEST(PrintScopeTest, CountsAndLengths) {
    FormFields form;
    PaymentTexts money{u"10.00", {u"0.00", u"", u"0.00"}};
    EXPECT_FALSE(CheckPrintScope(u"0", form, money));
    form.printCount = u"101";
    ASSERT_TRUE(CheckPrintScope(u"0", form, money));
    EXPECT_EQ(CheckPrintScope(u"0", form, money)->message,
              u"Please enter an integer between 1 and 100.");
    form.printCount = u"3";
    // Five digits at most: 100000 is refused before anything is printed.
    form.receiptNumber = u"100000";
    const CheckResult number = CheckPrintScope(u"0", form, money);
    ASSERT_TRUE(number);
    EXPECT_EQ(number->field, F::ReceiptNumber);
    EXPECT_EQ(number->message, u"Please enter an integer between 0 and 99999.");
    form.receiptNumber = u"99999";
    EXPECT_FALSE(CheckPrintScope(u"0", form, money));
    money.payments[1] = u"12345678.00";
    const CheckResult tooLong = CheckPrintScope(u"0", form, money);
    ASSERT_TRUE(tooLong);
    EXPECT_EQ(tooLong->field, F::Payment2);
    EXPECT_EQ(tooLong->message, u"Please enter no more than 10 characters.");
}

struct PaymentCase {
    const char* what;
    std::int64_t due;
    PaymentTexts money;
    int messageId;  // 0: accepted
    ReceiptField field;
    Payments sent;
};

// One row of the table; the payments sent matter only where the row is accepted.
PaymentCase Row(const char* what, std::int64_t due, PaymentTexts money, int messageId,
                ReceiptField field, Payments sent = {}) {
    return PaymentCase{what, due, std::move(money), messageId, field, sent};
}

void PrintTo(const PaymentCase& c, std::ostream* out) {
    *out << c.what;
}

class PaymentCheckTest : public ::testing::TestWithParam<PaymentCase> {};

TEST_P(PaymentCheckTest, RefusesWithItsMessageOrSends) {
    const PaymentCase& c = GetParam();
    const PaymentPlan plan = PlanPayments(c.due, c.money, 2);
    if (c.messageId == 0) {
        ASSERT_FALSE(plan.failure) << Utf8(plan.failure->message);
        EXPECT_EQ(plan.payments.cash, c.sent.cash);
        EXPECT_EQ(plan.payments.payment1, c.sent.payment1);
        EXPECT_EQ(plan.payments.payment2, c.sent.payment2);
        EXPECT_EQ(plan.payments.payment3, c.sent.payment3);
        return;
    }
    ASSERT_TRUE(plan.failure);
    EXPECT_EQ(plan.failure->messageId, c.messageId) << Utf8(plan.failure->message);
    EXPECT_EQ(plan.failure->field, c.field);
}

INSTANTIATE_TEST_SUITE_P(
    Payments, PaymentCheckTest,
    ::testing::Values(
        Row("cash exactly", 350, {u"3.50", {u"0.00", u"0.00", u"0.00"}}, 0, F::Cash,
            {350, 0, 0, 0}),
        Row("part by card", 350, {u"1.50", {u"2,00", u"", u"0"}}, 0, F::Cash, {150, 200, 0, 0}),
        Row("a refund paid back in cash", -400, {u"-4.00", {u"", u"", u""}}, 0, F::Cash,
            {400, 0, 0, 0}),
        Row("a refund partly by card", -400, {u"-6.00", {u"2.00", u"", u""}}, 0, F::Cash,
            {600, 200, 0, 0}),
        Row("payments far above a 3.50 receipt (the drawer lost a million)", 350,
            {u"-999995.50", {u"999999.00", u"0.00", u"0.00"}}, kStrPaymentsExceedTotal,
            F::Payment1),
        Row("a card payment of -5.00 (was sent as 4294966796)", 350,
            {u"8.50", {u"-5.00", u"0.00", u"0.00"}}, kStrPaymentNegative, F::Payment1),
        Row("a negative cash on a sale", 350, {u"-1.00", {u"", u"", u""}}, kStrPaymentNegative,
            F::Cash),
        Row("payments above a refund", -400, {u"-9.00", {u"0", u"0", u"5.00"}},
            kStrPaymentsExceedTotal, F::Payment3),
        Row("a payment with three decimals", 350, {u"3.505", {u"", u"", u""}},
            kStrMoneyTooManyDecimals, F::Cash),
        Row("a payment that is not a number", 350, {u"3.50", {u"card", u"", u""}},
            kStrPaymentNotANumber, F::Payment1),
        Row("a payment beyond what the close carries", 350, {u"9999999999", {u"", u"", u""}},
            kStrPaymentTooLarge, F::Cash)));

TEST(PaymentCheckTest, TheOverpaymentMessageNamesThePaymentsAndTheTotal) {
    const PaymentPlan plan = PlanPayments(350, {u"", {u"999999.00", u"1.00", u""}}, 2);
    ASSERT_TRUE(plan.failure);
    for (const char16_t* shown : {u"999999.00", u"1.00", u"1000000.00", u"3.50"}) {
        EXPECT_NE(plan.failure->message.find(shown), std::u16string::npos)
            << Utf8(plan.failure->message);
    }
}

}  // namespace
