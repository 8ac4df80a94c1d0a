// The receipt page against a simulated register: composing the list, normalising the number
// fields, the line checks, the return lock, the buttons, the cash and the running total.
#include <QAbstractButton>
#include <QHeaderView>

#include "res/string_table.h"
#include "tests/gui/sales_fixture.h"

using namespace sales_test;

namespace {

QString Text(int id) {
    return QString::fromStdU16String(orvik::LoadString(id));
}

}  // namespace

class TestTabSales : public QObject {
    Q_OBJECT

  private slots:
    void everyControlCarriesItsLabel();
    void taxListsFollowTheRegister();
    void theRunningTotalIsTheRegistersFromTheFirstShowing();
    void numberFieldsAreWrittenAnewWhenLeft_data();
    void numberFieldsAreWrittenAnewWhenLeft();
    void enterAddsTheLineWithThePriceAsTyped();
    void modifyChangesTheLowestSelectedRow();
    void deletingTheLastRowUnlocksTheReturnBox();
    void cashFollowsTheTotalAndThePayments();
    void buttonsFollowSelectionDiscountAndTaxes();
    void aDoubleClickTakesTheRowBackIntoTheForm();
    void aNameWithASemicolonIsRefused();
    void checksRunInOrderWithTheirMessages_data();
    void checksRunInOrderWithTheirMessages();
    void aCashLongerThanAPaymentDoesNotBlockPrinting();
};

void TestTabSales::everyControlCarriesItsLabel() {
    SalesFixture sales;
    START_SALES(sales);
    QStringList headings;
    for (int column = 0; column < sales.list->columnCount(); ++column) {
        headings << sales.list->headerItem()->text(column);
    }
    QCOMPARE(headings, QStringList({"Наименование", "Артикул", "Весовой", "Количество", "Цена",
                                    "Налог 1", "Налог 2", "Тип Скидки", "Название Скидки",
                                    "Сумма Скидки", "Сложный налог"}));
    QCOMPARE(sales.list->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(sales.list->selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(sales.Button("addButton")->isDefault());

    // Every field is found by its label: a buddy, or an accessible name.
    QStringList unnamed;
    const auto labels = sales.page->findChildren<QLabel*>();
    for (QWidget* field : sales.page->findChildren<QWidget*>()) {
        if (!qobject_cast<QLineEdit*>(field) && !qobject_cast<QComboBox*>(field)) {
            continue;
        }
        if (qobject_cast<QComboBox*>(field->parentWidget())) {
            continue;
        }
        const bool hasBuddy = std::any_of(labels.begin(), labels.end(), [field](QLabel* label) {
            return label->buddy() == field;
        });
        if (!hasBuddy && field->accessibleName().isEmpty()) {
            unnamed << field->objectName();
        }
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u' ')));
    for (QAbstractButton* button : sales.page->findChildren<QAbstractButton*>()) {
        QVERIFY2(!button->text().isEmpty(), qPrintable(button->objectName()));
    }
}

void TestTabSales::taxListsFollowTheRegister() {
    SalesFixture sales;
    START_SALES(sales);
    auto* rates = sales.Field<QComboBox>("taxRate1Combo");
    QStringList entries;
    for (int i = 0; i < rates->count(); ++i) {
        entries << rates->itemText(i);
    }
    QCOMPARE(entries, QStringList({"НЕ ОБЛАГАЕТСЯ", "А-ПДВ 20% 20.00 Вложенный",
                                   "Б-ПДВ 0% 00.00 Вложенный", "В-Акциз 5% 05.00 Наложенный",
                                   "Г-Налог на выигрыш 30.00 Налог на прибыль (с выигрыша)"}));
    QCOMPARE(rates->currentIndex(), 0);
    QCOMPARE(sales.Field<QComboBox>("taxRate2Combo")->count(), rates->count());
    // The name takes as many characters as this register prints.
    QCOMPARE(sales.Field("nameEdit")->maxLength(), 41);
    // The register said it prints on ordinary tape.
    QVERIFY(sales.Field<QRadioButton>("ordinaryTapeRadio")->isChecked());
    const auto commands = sales.console.Register().Activity().Commands();
    QVERIFY(std::find(commands.begin(), commands.end(), u"NCDC") != commands.end());
}

void TestTabSales::theRunningTotalIsTheRegistersFromTheFirstShowing() {
    SalesFixture sales;
    QString startError;
    QVERIFY2(sales.Start(&startError), qPrintable(startError));
    // The page is made when it is first shown, after the connect has refreshed it.
    QVERIFY(sales.page->findChild<QLabel*>(QStringLiteral("totalsLabel")) == nullptr);
    QVERIFY(sales.ConnectAndShow());
    const QString totals = sales.Totals();
    QVERIFY2(totals.startsWith(QStringLiteral("К оплате: 0.00\n")), qPrintable(totals));
    QVERIFY2(!totals.contains(Text(orvik::kStrTotalNoRegister)), qPrintable(totals));
}

void TestTabSales::numberFieldsAreWrittenAnewWhenLeft_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("divisible");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("weight in thousandths") << "quantityEdit" << true << "1500"
                                           << "1.500";
    QTest::newRow("weight with a point") << "quantityEdit" << true << "1.5"
                                         << "1.500";
    QTest::newRow("weight below one") << "quantityEdit" << true << "0.5"
                                      << "0.500";
    QTest::newRow("pieces rounded") << "quantityEdit" << false << "2.7"
                                    << "3";
    QTest::newRow("price whole") << "priceEdit" << false << "12"
                                 << "12.00";
    QTest::newRow("price with a comma") << "priceEdit" << false << "12,5"
                                        << "12.50";
    QTest::newRow("price empty") << "priceEdit" << false << ""
                                 << "0.00";
    QTest::newRow("price not a number") << "priceEdit" << false << "abc"
                                        << "0.00";
    QTest::newRow("discount amount") << "discountAmountEdit" << false << " 3,456 "
                                     << "3.46";
    QTest::newRow("payment") << "payment2Edit" << false << "7"
                             << "7.00";
}

void TestTabSales::numberFieldsAreWrittenAnewWhenLeft() {
    QFETCH(QString, field);
    QFETCH(bool, divisible);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    SalesFixture sales;
    START_SALES(sales);
    QTest::mouseClick(sales.Field<QRadioButton>("discountRadio"), Qt::LeftButton);
    if (divisible) {
        QTest::mouseClick(sales.Field<QCheckBox>("divisibleCheck"), Qt::LeftButton);
    }
    sales.Type(field.toLatin1().constData(), typed);
    // Only leaving the field writes it anew.
    QCOMPARE(sales.Text(field.toLatin1().constData()), typed);
    sales.Leave();
    QCOMPARE(sales.Text(field.toLatin1().constData()), shown);
    QVERIFY(sales.TakeMessages().isEmpty());
}

void TestTabSales::enterAddsTheLineWithThePriceAsTyped() {
    SalesFixture sales;
    START_SALES(sales);
    sales.Enter(Goods("Чай", "2", "12,5"));
    // The caret is still in the price field: Enter adds the line with the price as typed.
    sales.Field("priceEdit")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(sales.Field("priceEdit"), Qt::Key_Return);
    QCOMPARE(sales.list->RowCount(), 1);
    QCOMPARE(sales.Cell(0, 0), QStringLiteral("Чай"));
    QCOMPARE(sales.Cell(0, 3), QStringLiteral("2"));
    QCOMPARE(sales.Cell(0, 4), QStringLiteral("12,5"));
    // Read as 12.50: the total is 25.00.
    QCOMPARE(sales.Text("cashEdit"), QStringLiteral("25.00"));
    QVERIFY(sales.Totals().contains(QStringLiteral("К оплате: 25.00")));
    // The line's fields are emptied for the next line; the focus is back on the name.
    QCOMPARE(sales.Text("nameEdit"), QString());
    QCOMPARE(sales.Text("priceEdit"), QString());
    QCOMPARE(sales.Text("articleEdit"), QStringLiteral("0"));
    QVERIFY(sales.Field("nameEdit")->hasFocus());
    QVERIFY(sales.TakeMessages().isEmpty());
}

void TestTabSales::modifyChangesTheLowestSelectedRow() {
    SalesFixture sales;
    START_SALES(sales);
    for (const char* name : {"Один", "Два", "Три"}) {
        sales.Add(Goods(name, "1", "1.00"));
    }
    // With none selected, nothing happens.
    sales.list->clearSelection();
    sales.Enter(Goods("Новый", "1", "5.00"));
    sales.Click("modifyButton");
    QCOMPARE(sales.Cell(0, 0), QStringLiteral("Один"));

    sales.SelectRows({2, 1});
    sales.Click("modifyButton");
    QCOMPARE(sales.Cell(0, 0), QStringLiteral("Один"));
    QCOMPARE(sales.Cell(1, 0), QStringLiteral("Новый"));
    QCOMPARE(sales.Cell(1, 4), QStringLiteral("5.00"));
    QCOMPARE(sales.Cell(2, 0), QStringLiteral("Три"));
    QVERIFY(sales.list->selectedItems().isEmpty());
    QCOMPARE(sales.Text("cashEdit"), QStringLiteral("7.00"));
}

void TestTabSales::deletingTheLastRowUnlocksTheReturnBox() {
    SalesFixture sales;
    START_SALES(sales);
    auto* returnBox = sales.Field<QCheckBox>("returnCheck");
    for (const char* name : {"Один", "Два", "Три", "Четыре", "Пять"}) {
        sales.Add(Goods(name, "1", "1.00"));
    }
    sales.TickReturn();
    QVERIFY(returnBox->isChecked());
    QVERIFY(!returnBox->isEnabled());
    sales.Add(Goods("Возврат", "1", "1.00"));
    QCOMPARE(sales.list->topLevelItem(5)->data(0, Qt::UserRole).toInt(), 1);
    QCOMPARE(sales.list->topLevelItem(4)->data(0, Qt::UserRole).toInt(), 0);

    // Rows 2 and 3 of the first five go; the box stays locked.
    sales.SelectRows({1, 2});
    sales.Click("deleteButton");
    QCOMPARE(sales.list->RowCount(), 4);
    QCOMPARE(sales.Cell(1, 0), QStringLiteral("Четыре"));
    QVERIFY(!returnBox->isEnabled());

    sales.Click("selectAllButton");
    sales.Click("deleteButton");
    QCOMPARE(sales.list->RowCount(), 0);
    QVERIFY(!returnBox->isChecked());
    QVERIFY(returnBox->isEnabled());
}

void TestTabSales::cashFollowsTheTotalAndThePayments() {
    SalesFixture sales;
    START_SALES(sales);
    sales.Add(Goods("Товар", "1", "10.00"));
    sales.TickReturn();
    sales.Add(Goods("Возврат", "1", "4.00"));
    QCOMPARE(sales.Text("cashEdit"), QStringLiteral("6.00"));
    QCOMPARE(sales.Text("payment1Edit"), QStringLiteral("0.00"));

    sales.Type("payment1Edit", "2");
    sales.Leave();
    QCOMPARE(sales.Text("payment1Edit"), QStringLiteral("2.00"));
    QCOMPARE(sales.Text("cashEdit"), QStringLiteral("4.00"));

    sales.Type("payment1Edit", "8,00");
    sales.Leave();
    QCOMPARE(sales.Text("cashEdit"), QStringLiteral("-2.00"));
    const QString totals = sales.Totals();
    QVERIFY2(totals.contains(QStringLiteral("К оплате: 6.00")), qPrintable(totals));
    QVERIFY2(totals.contains(QStringLiteral("Продажи: 10.00")), qPrintable(totals));
    QVERIFY2(totals.contains(QStringLiteral("Возвраты: 4.00")), qPrintable(totals));
    QVERIFY(sales.TakeMessages().isEmpty());
}

void TestTabSales::buttonsFollowSelectionDiscountAndTaxes() {
    SalesFixture sales;
    START_SALES(sales);
    const auto enabled = [&sales](const char* name) {
        return sales.page->findChild<QWidget*>(QString::fromLatin1(name))->isEnabled();
    };
    QVERIFY(!enabled("printButton") && !enabled("saveButton") && !enabled("deleteButton"));
    QVERIFY(enabled("selectAllButton") && enabled("loadButton") && enabled("cashButton"));
    QVERIFY(!enabled("discountNameEdit") && !enabled("discountAmountEdit"));
    // A model 8 register offers the tape modes and barcodes.
    QVERIFY(enabled("continuousTapeRadio") && enabled("barcodeEdit"));

    QTest::mouseClick(sales.Field<QRadioButton>("surchargeRadio"), Qt::LeftButton);
    QVERIFY(enabled("discountNameEdit") && enabled("discountAmountEdit"));

    QVERIFY(!enabled("compoundTaxCheck"));
    sales.Field<QComboBox>("taxRate1Combo")->setCurrentIndex(1);
    QVERIFY(!enabled("compoundTaxCheck"));
    sales.Field<QComboBox>("taxRate2Combo")->setCurrentIndex(2);
    QVERIFY(enabled("compoundTaxCheck"));
    QTest::mouseClick(sales.Field<QCheckBox>("compoundTaxCheck"), Qt::LeftButton);
    QVERIFY(sales.Field<QCheckBox>("compoundTaxCheck")->isChecked());
    sales.Field<QComboBox>("taxRate1Combo")->setCurrentIndex(0);
    QVERIFY(!enabled("compoundTaxCheck"));
    QVERIFY(!sales.Field<QCheckBox>("compoundTaxCheck")->isChecked());

    QTest::mouseClick(sales.Field<QRadioButton>("noDiscountRadio"), Qt::LeftButton);
    sales.Add(Goods("Товар", "1", "1.00"));
    QVERIFY(enabled("printButton") && enabled("saveButton"));
    QVERIFY(!enabled("deleteButton") && !enabled("modifyButton"));
    sales.Click("selectAllButton");
    QVERIFY(enabled("deleteButton") && enabled("modifyButton") && enabled("clearSelectionButton"));
    sales.Click("clearSelectionButton");
    QVERIFY(!enabled("clearSelectionButton"));
}

void TestTabSales::aDoubleClickTakesTheRowBackIntoTheForm() {
    SalesFixture sales;
    START_SALES(sales);
    QTest::mouseClick(sales.Field<QRadioButton>("discountRadio"), Qt::LeftButton);
    sales.Type("discountNameEdit", "Акция");
    sales.Type("discountAmountEdit", "1");
    sales.Add(Goods("Сыр", "0.750", "120").Weighed().Taxes(1).Article("77"));
    QCOMPARE(sales.Cell(0, 1), QStringLiteral("77"));
    QCOMPARE(sales.Cell(0, 2), QStringLiteral("1"));
    QCOMPARE(sales.Cell(0, 5), QStringLiteral("1"));
    QCOMPARE(sales.Cell(0, 7), QStringLiteral("1"));
    QCOMPARE(sales.Cell(0, 8), QStringLiteral("Акция"));
    QCOMPARE(sales.Cell(0, 9), QStringLiteral("1.00"));

    QTest::mouseClick(sales.Field<QRadioButton>("noDiscountRadio"), Qt::LeftButton);
    sales.Field<QComboBox>("taxRate1Combo")->setCurrentIndex(0);
    QTreeWidgetItem* row = sales.list->topLevelItem(0);
    sales.list->setCurrentItem(row);
    const QRect cell = sales.list->visualItemRect(row);
    QTest::mouseClick(sales.list->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QVERIFY(row->isSelected());
    // The view's double click, as the offscreen platform cannot time two clicks into one.
    emit sales.list->itemDoubleClicked(row, 0);
    QCOMPARE(sales.Text("nameEdit"), QStringLiteral("Сыр"));
    QCOMPARE(sales.Text("articleEdit"), QStringLiteral("77"));
    QCOMPARE(sales.Text("quantityEdit"), QStringLiteral("0.750"));
    QVERIFY(sales.Field<QCheckBox>("divisibleCheck")->isChecked());
    QCOMPARE(sales.Field<QComboBox>("taxRate1Combo")->currentIndex(), 1);
    QVERIFY(sales.Field<QRadioButton>("discountRadio")->isChecked());
    QCOMPARE(sales.Text("discountNameEdit"), QStringLiteral("Акция"));
}

void TestTabSales::aNameWithASemicolonIsRefused() {
    SalesFixture sales;
    START_SALES(sales);
    sales.Add(Goods("Чай;зеленый", "1", "1.00"));
    QCOMPARE(sales.list->RowCount(), 0);
    const QStringList messages = sales.TakeMessages();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].contains(QStringLiteral("\";\"")), qPrintable(messages[0]));
    QCOMPARE(sales.Text("nameEdit"), QStringLiteral("Чай;зеленый"));
}

void TestTabSales::checksRunInOrderWithTheirMessages_data() {
    // Each row starts from a good line and changes fields (name=value, ...); the first check
    // that fails gives the message.
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<QString>("message");
    const QString range = Text(orvik::kStrFieldIntegerRange);
    QTest::newRow("print count empty, before the empty name")
        << QStringList({"printCountEdit=", "nameEdit="}) << Text(orvik::kStrFieldNotInteger);
    QTest::newRow("article 0") << QStringList({"articleEdit=0", "nameEdit="})
                               << range.arg(QStringLiteral("1"), QStringLiteral("20688"));
    QTest::newRow("receipt number 100000, not cut to 10000")
        << QStringList({"receiptNumberEdit=100000"})
        << range.arg(QStringLiteral("0"), QStringLiteral("99999"));
    QTest::newRow("name empty, before the price")
        << QStringList({"nameEdit=", "priceEdit=-1"}) << Text(orvik::kStrItemNameEmpty);
    QTest::newRow("price below 0")
        << QStringList({"priceEdit=-1"}) << Text(orvik::kStrItemPriceWrong);
    QTest::newRow("discount without a name") << QStringList({"discount=1", "discountAmountEdit=1"})
                                             << Text(orvik::kStrDiscountIncomplete);
    QTest::newRow("surcharge of 0") << QStringList({"discount=2", "discountNameEdit=Бонус"})
                                    << Text(orvik::kStrDiscountIncomplete);
    QTest::newRow("the same rate twice")
        << QStringList({"tax1=1", "tax2=1"}) << Text(orvik::kStrSameTaxTwice);
    QTest::newRow("included and added rates")
        << QStringList({"tax1=1", "tax2=3"}) << Text(orvik::kStrTaxKindsDiffer);
}

void TestTabSales::checksRunInOrderWithTheirMessages() {
    QFETCH(QStringList, changes);
    QFETCH(QString, message);
    SalesFixture sales;
    START_SALES(sales);
    sales.Enter(Goods("Товар", "1", "1.00"));
    for (const QString& change : changes) {
        const QString field = change.section(u'=', 0, 0);
        const QString value = change.section(u'=', 1);
        if (field == QStringLiteral("discount")) {
            const char* radio = value == QStringLiteral("1") ? "discountRadio" : "surchargeRadio";
            QTest::mouseClick(sales.Field<QRadioButton>(radio), Qt::LeftButton);
        } else if (field.startsWith(QStringLiteral("tax"))) {
            const char* combo = field == QStringLiteral("tax1") ? "taxRate1Combo" : "taxRate2Combo";
            sales.Field<QComboBox>(combo)->setCurrentIndex(value.toInt());
        } else {
            sales.Type(field.toLatin1().constData(), value);
        }
    }
    sales.Field("nameEdit")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(sales.Field("nameEdit"), Qt::Key_Return);
    QCOMPARE(sales.list->RowCount(), 0);
    QCOMPARE(sales.TakeMessages(), QStringList({message}));
    // Two different rates of one kind are accepted.
    if (message == Text(orvik::kStrTaxKindsDiffer)) {
        sales.Field<QComboBox>("taxRate2Combo")->setCurrentIndex(2);
        sales.Click("addButton");
        QCOMPARE(sales.list->RowCount(), 1);
    }
}

void TestTabSales::aCashLongerThanAPaymentDoesNotBlockPrinting() {
    SalesFixture sales;
    START_SALES(sales);
    sales.Add(Goods("Станок", "1", "6000000"));
    sales.Add(Goods("Пресс", "1", "6000000"));
    // 12000000.00 takes 11 characters, one more than a payment field.
    QCOMPARE(sales.Text("cashEdit"), QStringLiteral("12000000.00"));
    sales.Click("printButton");
    QVERIFY(sales.TakeMessages().isEmpty());
    const auto closed = sales.LastClosed();
    QVERIFY(closed.has_value());
    QCOMPARE(closed->due, std::int64_t{1'200'000'000});
    QCOMPARE(closed->cash, std::int64_t{1'200'000'000});
}

QTEST_MAIN(TestTabSales)
#include "tst_tab_sales.moc"
