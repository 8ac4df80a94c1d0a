// Receipts on every simulated register and article mode: the register reads each line by the
// layout of its own model and mode, and refuses a line, a close or an order of commands that
// is not what it expects.
#include "device/protocol/receipt_commands.h"
#include "tests/integration/sim_receipt_fixture.h"

using namespace orvik::device;
using namespace orvik::console;

namespace sim_test {
namespace {

struct RegisterMode {
    const char* profile;
    int articleMode;
    int family;
    bool codedArticles;  // "FICD" with nine-digit articles
};

std::string Describe(const ::testing::TestParamInfo<RegisterMode>& info) {
    return std::string(info.param.profile) + "_mode" + std::to_string(info.param.articleMode);
}

class SimReceiptEveryRegisterTest : public SimReceiptTest,
                                    public ::testing::WithParamInterface<RegisterMode> {};

TEST_P(SimReceiptEveryRegisterTest, PrintsAReceiptOfLongNamesTaxesDiscountsAndAReturn) {
    const RegisterMode& mode = GetParam();
    ConnectTo(mode.profile, mode.articleMode);
    ASSERT_EQ(core.deviceFamily, mode.family);
    ASSERT_EQ(core.articleMode, mode.articleMode);
    const std::vector<ReceiptRow> rows{
        Goods(u"Молоко пастеризованное 2,5%", u"2", u"1.99").Taxes(1).Article(15),
        Goods(u"Сыр российский весовой", u"1.250", u"95.40")
            .Weighed()
            .Taxes(3)
            .Discount(u"Скидка", u"1.00")
            .Article(16),
        Goods(u"Пакет", u"1", u"0.50").Return()};
    const receipt::PrintOutcome outcome = Print(rows);
    ASSERT_EQ(outcome.copiesPrinted, 1) << ::testing::PrintToString(TakeShown());

    const auto closed = LastClosed();
    ASSERT_TRUE(closed);
    ExpectCloseAgreesWithConsole(*closed);
    EXPECT_EQ(closed->salesSum, 398 + 11825);  // 95.40 x 1.250 = 119.25, less 1.00
    EXPECT_EQ(closed->returnsSum, 50);
    EXPECT_EQ(closed->salesAddedTax, 591);  // 5 % of 118.25
    EXPECT_EQ(closed->due, PageTotal(rows));

    Texts lines;
    for (const std::string& command : TakeReceived()) {
        const std::string name = command.substr(0, 4);
        if (name == "FISC" || name == "BFIS" || name == "FICD" || name == "BFCD") {
            lines.push_back(name);
        }
    }
    EXPECT_EQ(lines, mode.codedArticles ? (Texts{"FICD", "FICD", "BFCD"})
                                        : (Texts{"FISC", "FISC", "BFIS"}));
    // Family 1 prints the whole of a long name; family 0 takes only what the name field holds.
    if (mode.family == 1) {
        EXPECT_TRUE(TapeHasLine("Молоко пастеризованное 2,5%"));
        EXPECT_TRUE(TapeHasLine("Сыр российский весовой"));
    } else {
        EXPECT_TRUE(TapeHasLine("Молоко пасте"));
        EXPECT_TRUE(TapeHasLine("Сыр российск"));
    }
    // On family 0's narrow paper the discount's amount goes on a line of its own.
    EXPECT_TRUE(PrintedLineWith({"СКИДКА Скидка"}));
    EXPECT_TRUE(PrintedLineWith({"-1.00"}));
    EXPECT_TRUE(TapeHasLine("Пакет"));
    const auto articles = State([](RegisterState& s) { return s.day.articles; });
    EXPECT_EQ(articles.at(15).quantity, 2);
    EXPECT_EQ(articles.at(16).quantity, 1250);
}

INSTANTIATE_TEST_SUITE_P(
    Registers, SimReceiptEveryRegisterTest,
    ::testing::Values(RegisterMode{"f0m0", 0, 0, false}, RegisterMode{"f0m1", 0, 0, false},
                      RegisterMode{"f1m2", 0, 1, false}, RegisterMode{"f1m3", 0, 1, false},
                      RegisterMode{"f1m4", 0, 1, false}, RegisterMode{"f1m6", 2, 1, true},
                      RegisterMode{"f1m6", 0, 1, false}, RegisterMode{"f1m7", 0, 1, false},
                      RegisterMode{"f1m8", 0, 1, false}, RegisterMode{"f1m8", 2, 1, true},
                      RegisterMode{"unknown", 0, 1, false}),
    Describe);

TEST_F(SimReceiptTest, InArticleMode1OnlyKnownArticlesAreTakenAndLetteredCodesAreRead) {
    ConnectTo("f1m8");
    // Article 15042 travels as "F042".
    ASSERT_EQ(Print({Goods(u"Хлеб", u"1", u"3.50").Article(15042),
                     Goods(u"Соль", u"1", u"1.00").Article(12)})
                  .copiesPrinted,
              1);
    EXPECT_TRUE(PrintedLineWith({"Хлеб"}));
    ASSERT_EQ(core.SetArticleMode(1), S_OK);
    ASSERT_EQ(core.articleMode, 1);

    EXPECT_EQ(Print({Goods(u"Хлеб", u"2", u"3.50").Article(15042)}).copiesPrinted, 1);
    EXPECT_TRUE(Print({Goods(u"Перец", u"1", u"2.00").Article(13)}).failed);
    EXPECT_EQ(TakeShown(), (std::vector<std::string>{Message(2032)}));
    const auto articles = State([](RegisterState& s) { return s.day.articles; });
    EXPECT_EQ(articles.at(15042).quantity, 3);
    EXPECT_EQ(articles.count(13), 0u);
}

TEST_F(SimReceiptTest, ALineLaidOutForAnotherArticleModeIsRefused) {
    ConnectTo("f1m8");
    // The register changes to accounting codes behind the console's back: it wants "FICD".
    State([](RegisterState& s) { s.counters.articleMode = 2; });
    EXPECT_TRUE(Print({Goods(u"Хлеб", u"1", u"3.50")}).failed);
    EXPECT_EQ(TakeShown(), (std::vector<std::string>{Message(2042)}));

    // A register without accounting codes reads a short-layout line at the long widths: what
    // it takes for the line sum is not price times quantity.
    core.Disconnect();
    ConnectTo("f1m4");
    State([](RegisterState& s) { s.counters.articleMode = 2; });
    EXPECT_TRUE(Print({Goods(u"Хлеб", u"1", u"3.50")}).failed);
    EXPECT_EQ(TakeShown(), (std::vector<std::string>{Message(2010)}));
}

// Commands sent raw, as the terminal page sends them, within a receipt the core has opened.
class SimReceiptRawTest : public SimReceiptTest {
  protected:
    // The line command the console builds for this register, to be spoiled by the test.
    std::u16string LineText(const orvik::device::ReceiptLineRequest& line,
                            bool returnMode = false) {
        const orvik::device::RegisterProfile profile{core.deviceFamily, core.deviceModel,
                                                     core.articleMode,
                                                     core.printerInfo.maxArticleNumber};
        return orvik::device::PrepareReceiptLine(profile, core.printerInfo.taxSlots,
                                                 COrvikCore::TaxLetters(), returnMode, line)
            .command;
    }

    static orvik::device::ReceiptLineRequest Bread() {
        orvik::device::ReceiptLineRequest line;
        line.quantity = 2;
        line.name = u"Хлеб";
        line.price = 350;
        line.taxSlot1 = 1;
        return line;
    }

    // The register's answer to a command: the message shown, or "" for "READY".
    std::string Outcome(std::u16string_view command) {
        const HRESULT result = Run(command);
        const std::vector<std::string> shown = TakeShown();
        if (Succeeded(result)) {
            return shown.empty() ? "" : "unexpected message";
        }
        return shown.size() == 1 ? shown[0] : "no single message";
    }
};

TEST_F(SimReceiptRawTest, TheRegisterRefusesLinesThatAreNotItsOwnReading) {
    ConnectTo("f1m7");
    ASSERT_EQ(core.OpenReceipt(), S_OK);
    const std::u16string good = LineText(Bread());
    const std::size_t sumAt = 4 + 12;
    const std::size_t taxesAt = sumAt + 9 + 9 + 5 + 2;
    const std::size_t articleAt = taxesAt + 48;

    std::u16string wrongSum = good;
    wrongSum.replace(sumAt, 9, u"000000701");
    EXPECT_EQ(Outcome(wrongSum), Message(2010));
    std::u16string wrongRate = good;
    wrongRate.replace(taxesAt, 6, u"А02500");
    EXPECT_EQ(Outcome(wrongRate), Message(2010));
    std::u16string unusedSlot = good;
    unusedSlot.replace(taxesAt + 5 * 6, 6, u"Е01000");
    EXPECT_EQ(Outcome(unusedSlot), Message(2008));
    EXPECT_EQ(Outcome(good.substr(0, good.size() - 1)), Message(2008));
    std::u16string article = good;
    article.replace(articleAt, 4, u"5000");  // above model 7's 4999
    EXPECT_EQ(Outcome(article), Message(2032));
    EXPECT_EQ(Outcome(u"FICD" + good.substr(4)), Message(2003));

    orvik::device::ReceiptLineRequest discounted = Bread();
    discounted.discountKind = orvik::device::kDiscount;
    discounted.discountName = u"Акция";
    discounted.discountAmount = 100;
    std::u16string tooMuch = LineText(discounted);
    tooMuch.replace(articleAt + 4 + 14, 9, u"000000701");
    EXPECT_EQ(Outcome(tooMuch), Message(2036));
    // A continuation longer than model 7 takes.
    EXPECT_EQ(Outcome(good + std::u16string(1 + 13 + 9, u'0') + std::u16string(30, u'я')),
              Message(2008));

    // None of them was registered; the good line is, and answered with no added tax.
    EXPECT_EQ(Outcome(good), "");
    const auto open = State([](RegisterState& s) { return s.receipt.open; });
    ASSERT_TRUE(open);
    EXPECT_EQ(open->lines.size(), 1u);
    EXPECT_EQ(open->salesSum, 700);
    EXPECT_EQ(open->salesBySlot[0], 700);
}

TEST_F(SimReceiptRawTest, FamilyZeroTakesNoContinuation) {
    ConnectTo("f0m1");
    ASSERT_EQ(core.OpenReceipt(), S_OK);
    const std::u16string good = LineText(Bread());
    EXPECT_EQ(Outcome(good + std::u16string(23, u'0') + u"чёрный"), Message(2008));
    EXPECT_EQ(Outcome(good), "");
}

TEST_F(SimReceiptRawTest, TheCloseAndTheOrderOfCommandsAreChecked) {
    ConnectTo("f1m8");
    const std::u16string zeros(60, u'0');
    EXPECT_EQ(Outcome(u"COMP" + zeros), Message(2004));  // no receipt open
    EXPECT_EQ(Outcome(LineText(Bread())), Message(2004));
    ASSERT_EQ(core.OpenReceipt(), S_OK);
    EXPECT_EQ(Outcome(u"PREPСЕРВIС"), Message(2004));  // one is open already
    EXPECT_EQ(Outcome(u"CAIOI0000000100"), Message(2004));
    std::int32_t lineTotal = 0;
    ASSERT_EQ(core.AddReceiptLine({.quantity = 2, .name = u"Хлеб", .price = 350, .taxSlot1 = 1},
                                  lineTotal),
              S_OK);
    // Sums that are not the register's, and payments short of its amount due.
    EXPECT_EQ(Outcome(u"COMP000000070100000000000000000000000000000000000000000000000701"),
              Message(2010));
    EXPECT_EQ(Outcome(u"COMP000000070000000000000000000000000000000000000000000000000699"),
              Message(2010));
    EXPECT_EQ(Outcome(u"COMP00000007000000000000"), Message(2008));
    EXPECT_TRUE(RegisterHasOpenReceipt());
    // Six zero fields: paid exactly, in cash.
    EXPECT_EQ(Outcome(u"COMP" + zeros), "");
    const auto closed = LastClosed();
    ASSERT_TRUE(closed);
    EXPECT_TRUE(closed->withoutPayments);
    EXPECT_EQ(closed->cash, 700);
    EXPECT_EQ(Drawer(), 700);
    EXPECT_EQ(Outcome(u"NLPRВД"), Message(2004));
    EXPECT_EQ(Outcome(u"CANC"), "");  // nothing to cancel
}

TEST_F(SimReceiptRawTest, Model8CommandsAreUnknownElsewhereAndCheckTheirArguments) {
    ConnectTo("f1m4");
    ASSERT_EQ(core.OpenReceipt(), S_OK);
    EXPECT_EQ(Outcome(u"NLPRАБ"), Message(2003));
    EXPECT_EQ(Outcome(u"PCOD110h123"), Message(2003));
    core.Disconnect();

    ConnectTo("f1m8");
    ASSERT_EQ(core.OpenReceipt(), S_OK);
    EXPECT_EQ(Outcome(u"NLPRАА"), Message(2008));  // the same slot twice
    EXPECT_EQ(Outcome(u"NLPRАЕ"), Message(2008));  // slot 6 is not programmed
    EXPECT_EQ(Outcome(u"NLPRАЖ"), Message(2008));  // slot 7 is beyond 6
    EXPECT_EQ(Outcome(u"NLPRАВ"), "");
    EXPECT_EQ(Outcome(u"PCOD110i12AB"), Message(2008));  // code C holds digits only
    EXPECT_EQ(Outcome(u"PCOD110gabc"), Message(2008));   // code A has no small letters
    EXPECT_EQ(Outcome(u"PCOD11000h1"), "");              // padded to four characters
    EXPECT_TRUE(PrintedLineWith({"||| 1 |||"}));
    EXPECT_EQ(Outcome(u"BCHN"), Message(2008));
    EXPECT_EQ(Outcome(u"BCHN12a"), Message(2008));
}

TEST_F(SimReceiptTest, BeyondItsCopyBufferTheRegisterWarnsAndTheReceiptGoesOn) {
    ConnectTo("f1m8");
    std::vector<ReceiptRow> rows;
    for (int i = 0; i < 111; ++i) {
        rows.push_back(Goods(u"Гвоздь", u"1", u"0.05"));
    }
    ASSERT_EQ(Print(rows).copiesPrinted, 1);
    EXPECT_TRUE(TakeShown().empty());
    EXPECT_EQ(Answers("SOFTCOPY").size(), 1u);
    EXPECT_EQ(LastClosed()->salesSum, 555);
}

}  // namespace
}  // namespace sim_test
