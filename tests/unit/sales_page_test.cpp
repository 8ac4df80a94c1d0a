// The receipt page without a window: its tax lists, number fields, rows and the form, the
// return lock, the cash, printing's count-down and list, loading, and the running total.
#include <gtest/gtest.h>

#include <algorithm>

#include "console/running_total.h"
#include "console/sales_page.h"
#include "res/string_table.h"
#include "support/text_codec.h"
#include "tests/unit/recording_register.h"

namespace {

using namespace orvik::console;
using orvik::device::TaxSlot;

TaxSlot Slot(std::u16string kind, std::u16string rate, std::u16string name = {}) {
    return TaxSlot{.name = std::move(name),
                   .date = u"01/01/11",
                   .kind = std::move(kind),
                   .rateDigits = {},
                   .rateText = std::move(rate)};
}

// A register with an included 20 %, an unused slot, an added 5 % and a tax on winnings.
ItemLimits RegisterLimits() {
    ItemLimits limits;
    limits.maxNameLength = 41;
    limits.maxArticle = 20688;
    limits.registerKnown = true;
    limits.taxSlots[0] = Slot(u"0", u"20.00", u"ПДВ");
    limits.taxSlots[2] = Slot(u"1", u"05.00");
    limits.taxSlots[3] = Slot(u"2", u"30.00", u"Выигрыш");
    limits.taxSlots[4] = Slot(u"7", u"10.00");  // a kind the console does not know
    return limits;
}

// A page connected to a recording register with the same tax table.
struct ConnectedPage {
    ConnectedPage() {
        reg.taxes = RegisterLimits().taxSlots;
        page.Refresh(RegisterLimits(), orvik::device::CapabilitiesOf(1, 8, 0), &reg);
    }
    // Fills the line's fields and adds it.
    SalesOutcome Add(std::u16string name, std::u16string quantity, std::u16string price,
                     std::u16string article) {
        page.form.name = std::move(name);
        page.form.quantity = std::move(quantity);
        page.form.price = std::move(price);
        page.form.article = std::move(article);
        return page.AddLine(&reg);
    }
    std::vector<std::u16string> Names() const {
        std::vector<std::u16string> names;
        for (const ReceiptRow& row : page.Rows()) {
            names.push_back(row.name);
        }
        return names;
    }

    RecordingRegister reg;
    SalesPage page;
};

TEST(SalesTaxChoices, ProgrammedSlotsWithLetterNameRateAndKind) {
    std::vector<std::u16string> texts;
    std::vector<int> slots;
    for (const TaxChoice& choice : TaxChoicesFor(RegisterLimits())) {
        texts.push_back(choice.text);
        slots.push_back(choice.slot);
    }
    EXPECT_EQ(texts, (std::vector<std::u16string>{
                         u"НЕ ОБЛАГАЕТСЯ", u"А-ПДВ 20.00 Вложенный", u"В- 05.00 Наложенный",
                         u"Г-Выигрыш 30.00 Налог на прибыль (с выигрыша)"}));
    EXPECT_EQ(slots, (std::vector<int>{0, 1, 3, 4}));
    // Before any register: "НЕ ОБЛАГАЕТСЯ" alone.
    EXPECT_EQ(TaxChoicesFor(ItemLimits{}).size(), 1u);
}

TEST(SalesNumberFields, WrittenAnewWhenLeft) {
    struct Row {
        NumberField field;
        bool divisible;
        int decimals;
        std::u16string typed;
        std::u16string shown;
    };
    const Row rows[] = {
        {NumberField::Quantity, true, 2, u"1500", u"1.500"},
        {NumberField::Quantity, true, 2, u"1,5", u"1.500"},
        {NumberField::Quantity, true, 2, u"0.5", u"0.500"},
        {NumberField::Quantity, false, 2, u"2.7", u"3"},
        {NumberField::Price, false, 2, u"12,5", u"12.50"},
        {NumberField::Price, false, 2, u"", u"0.00"},
        {NumberField::Price, false, 0, u"12.5", u"13"},
        {NumberField::Payment3, false, 3, u" 1.15 ", u"1.150"},
        {NumberField::Cash, false, 2, u"-2", u"-2.00"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(NormalizeNumberField(row.field, row.typed, row.divisible, row.decimals),
                  row.shown)
            << Utf8(row.typed);
    }
}

TEST(SalesRows, TheFormBecomesARowAndComesBack) {
    SalesForm form;
    form.name = u"Сыр";
    form.article = u"0077";
    form.divisible = true;
    form.quantity = u"0.750";
    form.price = u"120.00";
    form.taxSlot1 = 3;
    form.compoundTax = true;
    form.discountName = u"Акция";  // kept out of the row without a discount
    form.discountAmount = u"1.00";
    form.isReturn = true;
    const ReceiptRow row = RowFromForm(form);
    EXPECT_EQ(TextsOfRow(row), (RowTexts{u"Сыр", u"77", u"1", u"0.750", u"120.00", u"3", u"0", u"0",
                                         u"", u"", u"1"}));
    EXPECT_TRUE(row.isReturn);

    SalesForm back;
    back.taxSlot2 = 4;
    ReceiptRow withGoneSlot = row;
    withGoneSlot.taxSlot2 = 2;  // no longer offered: the list keeps its choice
    LoadRowIntoForm(withGoneSlot, TaxChoicesFor(RegisterLimits()), back);
    EXPECT_EQ(back.name, u"Сыр");
    EXPECT_EQ(back.article, u"77");
    EXPECT_TRUE(back.divisible && back.compoundTax && back.isReturn);
    EXPECT_EQ(back.taxSlot1, 3);
    EXPECT_EQ(back.taxSlot2, 4);
    EXPECT_EQ(back.discountKind, 0);

    // A file's divisible flag of -1 reads as set, in the form as in the total.
    LoadRowIntoForm(
        RowFromTexts({u"Сыр", u"7", u"-1", u"0.750", u"120.00", u"0", u"0", u"0", u"", u"", u"0"},
                     false),
        TaxChoicesFor(RegisterLimits()), back);
    EXPECT_TRUE(back.divisible);
    EXPECT_EQ(back.article, u"7");
}

TEST(SalesButtons, FollowSelectionRowsDiscountModelAndTaxes) {
    SalesForm form;
    const orvik::device::RegisterCapabilities model8 = orvik::device::CapabilitiesOf(1, 8, 0);
    EXPECT_EQ(EnabledSalesButtons(form, 0, 0, {}), SalesButtons{});
    EXPECT_EQ(EnabledSalesButtons(form, 0, 0, orvik::device::CapabilitiesOf(1, 4, 0)),
              SalesButtons{});
    form.discountKind = 2;
    form.taxSlot1 = 1;
    EXPECT_EQ(EnabledSalesButtons(form, 3, 1, model8), (SalesButtons{.discountFields = true,
                                                                     .selectionActions = true,
                                                                     .receiptActions = true,
                                                                     .tapeModes = true,
                                                                     .barcode = true,
                                                                     .compoundTax = false}));
    form.taxSlot2 = 3;
    EXPECT_TRUE(EnabledSalesButtons(form, 0, 0, {}).compoundTax);

    // A ticked box that can no longer be used is unticked with it.
    form.compoundTax = true;
    DropCompoundTaxWithoutTwoRates(form);
    EXPECT_TRUE(form.compoundTax);
    form.taxSlot2 = 0;
    DropCompoundTaxWithoutTwoRates(form);
    EXPECT_FALSE(form.compoundTax);
}

TEST(SalesPageRows, AddModifyDeleteAndTheReturnLock) {
    ConnectedPage connected;
    SalesPage& page = connected.page;
    for (const char16_t* name : {u"Один", u"Два", u"Три"}) {
        ASSERT_TRUE(connected.Add(name, u"1", u"1.00", u"1").rowsChanged);
    }
    // Added lines empty the line's fields and nothing else.
    EXPECT_EQ(page.form.name, u"");
    EXPECT_EQ(page.form.article, u"0");
    EXPECT_EQ(page.form.cash, u"3.00");

    page.SetReturnTicked(true);
    EXPECT_FALSE(page.ReturnBoxEnabled());
    page.SetReturnTicked(false);  // a locked box does not untick
    EXPECT_TRUE(page.form.isReturn);
    ASSERT_TRUE(connected.Add(u"Назад", u"1", u"0.50", u"2").rowsChanged);
    EXPECT_TRUE(page.Rows().back().isReturn);
    EXPECT_EQ(page.form.cash, u"2.50");

    // The lowest selected row changes; none selected changes nothing.
    page.form.name = u"Новый";
    page.form.quantity = u"2";
    page.form.price = u"2.00";
    page.form.article = u"3";
    EXPECT_FALSE(page.ModifyLine({}, &connected.reg).rowsChanged);
    const std::vector<std::size_t> selected{2, 1};
    EXPECT_TRUE(page.ModifyLine(selected, &connected.reg).rowsChanged);
    EXPECT_EQ(connected.Names(),
              (std::vector<std::u16string>{u"Один", u"Новый", u"Три", u"Назад"}));

    const std::vector<std::size_t> some{0, 2};
    page.DeleteLines(some, &connected.reg);
    EXPECT_EQ(connected.Names(), (std::vector<std::u16string>{u"Новый", u"Назад"}));
    EXPECT_FALSE(page.ReturnBoxEnabled());
    const std::vector<std::size_t> all{0, 1};
    page.DeleteLines(all, &connected.reg);
    EXPECT_TRUE(page.Rows().empty());
    EXPECT_TRUE(page.ReturnBoxEnabled());
    EXPECT_FALSE(page.form.isReturn);
    EXPECT_EQ(page.form.cash, u"0.00");
}

TEST(SalesPageRows, ARefusedLineChangesNothingAndNamesItsField) {
    ConnectedPage connected;
    const SalesOutcome outcome = connected.Add(u"", u"1", u"1.00", u"1");
    EXPECT_FALSE(outcome.rowsChanged);
    ASSERT_TRUE(outcome.refused);
    EXPECT_EQ(outcome.refused->messageId, orvik::kStrItemNameEmpty);
    EXPECT_EQ(outcome.refused->field, ReceiptField::Name);
    EXPECT_TRUE(connected.page.Rows().empty());
    EXPECT_EQ(connected.page.form.price, u"1.00");
}

TEST(SalesPageCash, TotalLessPaymentsAndTheCashLength) {
    ConnectedPage connected;
    SalesPage& page = connected.page;
    connected.Add(u"Товар", u"1", u"10.00", u"1");
    page.SetReturnTicked(true);
    connected.Add(u"Назад", u"1", u"4.00", u"2");
    EXPECT_EQ(page.form.cash, u"6.00");
    page.form.payments = {u"8", u"", u""};
    EXPECT_FALSE(page.LeaveNumberField(NumberField::Payment1, &connected.reg));
    EXPECT_EQ(page.form.cash, u"-2.00");
    EXPECT_EQ(page.form.payments, (std::array<std::u16string, 3>{u"8.00", u"0.00", u"0.00"}));

    // The cash field holds the largest cash the close carries; a payment still holds 10.
    page.form.cash = u"-21474836.48";
    EXPECT_FALSE(page.CheckBeforePrinting());
    page.form.cash = u"-121474836.48";
    ASSERT_TRUE(page.CheckBeforePrinting());
    EXPECT_EQ(page.CheckBeforePrinting()->field, ReceiptField::Cash);
    page.form.cash = u"0.00";
    page.form.payments[1] = u"12345678.90";
    ASSERT_TRUE(page.CheckBeforePrinting());
    EXPECT_EQ(page.CheckBeforePrinting()->field, ReceiptField::Payment2);
}

TEST(SalesPagePrinting, CountsDownAndEmptiesTheListAfterACompleteRun) {
    ConnectedPage connected;
    SalesPage& page = connected.page;
    connected.Add(u"Хлеб", u"2", u"3.50", u"1");
    page.SetReturnTicked(true);
    connected.Add(u"Назад", u"1", u"0.50", u"2");
    page.form.printCount = u"3";
    page.form.afterPrint = 1;
    page.form.name = u"Начато";
    std::vector<int> shown;
    PrintProgress progress;
    progress.copiesRemaining = [&shown, &page](int remaining) {
        shown.push_back(remaining);
        EXPECT_EQ(page.form.printCount, orvik::support::FromUtf8(std::to_string(remaining)));
    };
    const PrintOutcome outcome = page.Print(connected.reg, progress);
    EXPECT_EQ(outcome.copiesPrinted, 3);
    EXPECT_EQ(shown, (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(page.form.printCount, u"1");
    EXPECT_TRUE(page.Rows().empty());
    // The emptied list takes no return: the box is unticked and free again.
    EXPECT_FALSE(page.form.isReturn);
    EXPECT_TRUE(page.ReturnBoxEnabled());
    EXPECT_EQ(page.form.name, u"");
    EXPECT_EQ(page.form.cash, u"6.50");  // kept
}

TEST(SalesPagePrinting, AFailureKeepsTheListAndCountsTheCopiesNotStarted) {
    ConnectedPage connected;
    SalesPage& page = connected.page;
    connected.Add(u"Хлеб", u"1", u"3.50", u"1");
    connected.Add(u"Вода", u"1", u"1.00", u"2");
    page.form.printCount = u"3";
    page.form.afterPrint = 1;
    connected.reg.failingLines = {3};  // the first line of the second copy
    const PrintOutcome outcome = page.Print(connected.reg, {});
    EXPECT_EQ(outcome.copiesPrinted, 1);
    EXPECT_EQ(page.form.printCount, u"1");
    EXPECT_EQ(page.Rows().size(), 2u);
}

TEST(SalesPageFiles, LoadingTakesRowsPaymentsAndTheReturnFlag) {
    ConnectedPage connected;
    SalesPage& page = connected.page;
    connected.Add(u"Старое", u"1", u"1.00", u"1");
    page.form.name = u"В работе";

    ReceiptFileLoad headerOnly;
    headerOnly.hasHeader = true;
    headerOnly.payments = {u"2.00", u"", u""};
    headerOnly.returnFlag = true;
    page.SetReturnTicked(true);
    page.ClearForLoading();
    EXPECT_FALSE(page.form.isReturn);
    EXPECT_TRUE(page.ReturnBoxEnabled());
    EXPECT_FALSE(page.TakeLoadedFile(headerOnly, &connected.reg));
    EXPECT_TRUE(page.Rows().empty());
    // A file without rows leaves the list empty: its return flag ticks no box.
    EXPECT_FALSE(page.form.isReturn);
    EXPECT_TRUE(page.ReturnBoxEnabled());
    EXPECT_EQ(page.form.name, u"");
    EXPECT_EQ(page.form.cash, u"-2.00");

    // Written and read back: the same content.
    ReceiptFileLoad saved;
    saved.hasHeader = true;
    const ReceiptFileContent content = page.FileContent();
    saved.payments = content.payments;
    saved.returnFlag = content.returnFlag;
    page.ClearForLoading();
    page.TakeLoadedFile(saved, &connected.reg);
    EXPECT_EQ(page.FileContent().payments, content.payments);
}

TEST(SalesRunningTotal, TheAmountDueTaxesPerSlotAndTheChange) {
    ConnectedPage connected;
    SalesPage& page = connected.page;
    const auto lines = [&page, &connected] {
        return RunningTotalLines(page.Preview(), page.PreviewHasRegister(), &connected.reg.taxes,
                                 page.form, 2);
    };
    // Without a register the page says so; once connected the total is the register's at
    // once, before any line is added.
    EXPECT_EQ(RunningTotalLines(page.Preview(), false, nullptr, page.form, 2),
              (std::vector<std::u16string>{orvik::LoadString(orvik::kStrTotalNoRegister)}));
    EXPECT_EQ(lines().front(), u"К оплате: 0.00");

    page.form.taxSlot1 = 1;
    connected.Add(u"Хлеб", u"3", u"1.15", u"1");
    page.form.taxSlot1 = 3;
    page.form.divisible = true;
    connected.Add(u"Сыр", u"0.755", u"120.00", u"2");
    page.form.cash = u"100.00";
    const std::vector<std::u16string> shown = lines();
    EXPECT_EQ(shown, (std::vector<std::u16string>{
                         u"К оплате: 98.58", u"А ПДВ 20.00%: 0.58", u"В 05.00%: 4.53",
                         u"Оплачено: 100.00 (наличные 100.00, оплаты 1-3: 0.00)", u"Сдача: 1.42"}));
    page.form.cash = u"90.00";
    EXPECT_EQ(lines().back(), u"Не хватает: 8.58. ЭККР не закроет такой чек.");
    page.form.compoundTax = true;
    EXPECT_EQ(lines().back(), orvik::LoadString(orvik::kStrTotalCompoundBox));
    // Payments filled in are dropped by printing with the box ticked: the total says so first.
    page.form.payments = {u"0.00", u"", u"5.00"};
    EXPECT_EQ(lines().back(),
              u"Отмечен \"Сложный налог\": оплаты 1-3 при печати не будут использованы, чек "
              u"будет оплачен наличными на всю сумму к оплате (98.58).");
    page.form.payments = {};
    // A tax on winnings: the register takes it off, and the page says which amount it takes.
    page.form.compoundTax = false;
    page.form.divisible = false;
    page.form.taxSlot1 = 4;
    connected.Add(u"Ставка", u"1", u"10.00", u"3");
    const std::vector<std::u16string> withWinnings = lines();
    EXPECT_EQ(withWinnings.front(), u"К оплате: 105.58");
    EXPECT_NE(std::find(withWinnings.begin(), withWinnings.end(),
                        u"Налог на выигрыш 3.00 ЭККР вычитает из суммы чека: он возьмет 105.58, "
                        u"а не 111.58 (сумма с прибавленным налогом)."),
              withWinnings.end());
}

// The register's tape-mode answer, as the page and print-receipt read it: only 0 or 1 is a mode,
// and the page keeps the mode chosen for anything else.
TEST(SalesPage, TheTapeModeAnswerIsAModeOrKeepsTheChoice) {
    const std::vector<std::pair<std::u16string_view, std::optional<std::int32_t>>> rows = {
        {u"1", 1},
        {u"0", 0},
        {u"10", 1},
        {u"", std::nullopt},
        {u"2", std::nullopt},
        {u"x", std::nullopt},
    };
    for (const auto& [answer, mode] : rows) {
        EXPECT_EQ(TapeModeFromAnswer(answer), mode) << Utf8(answer);
    }
    SalesPage page;
    page.TakeTapeModeAnswer(u"1");
    page.TakeTapeModeAnswer(u"7");
    EXPECT_EQ(page.form.tapeMode, 1);
}

}  // namespace
