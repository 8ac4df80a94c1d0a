// The receipt page printing on a simulated register (copies, failures, the running total against
// what the register printed), saving and loading receipt files, and the cash dialog.
#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTimer>

#include "gui/controls/qt_text.h"
#include "gui/pages/move_cash_dlg.h"
#include "res/string_table.h"
#include "support/text_codec.h"
#include "tests/gui/sales_fixture.h"

using namespace sales_test;

namespace {

// Every text "Напечатать чек" showed while the receipt was printed, from the one it had.
struct CountDown {
    explicit CountDown(QLineEdit* field) : shown{field->text()} {
        QObject::connect(field, &QLineEdit::textChanged, field,
                         [this](const QString& text) { shown << text; });
    }
    QStringList shown;
};

QByteArray Cp1251(std::u16string_view text) {
    return QByteArray::fromStdString(
        orvik::support::Encode(orvik::support::CodePage::Ansi1251, text));
}

}  // namespace

class TestTabSalesPrint : public QObject {
    Q_OBJECT

  private slots:
    void threeCopiesCountDownAndEmptyTheList();
    void aLineFailingInTheSecondCopyStopsThePrinting();
    void aReceiptWhoseCloseWentUnansweredIsPrintedAgainOnlyOnYes();
    void aClickQueuedWhileTheReceiptPrintsIsDropped();
    void aLongPrintShowsItsProgressAndStopsOnRequest();
    void theRunningTotalIsWhatTheRegisterCharges();
    void aTaxOnWinningsIsTakenOffAsTheRegisterDoes();
    void overpaymentIsRefusedBeforeAnythingIsSent();
    void aSavedReceiptLoadsBackTheSame();
    void aHeaderOnlyFileLeavesTheReturnBoxFree();
    void aFileThatCannotBeReadKeepsTheReceipt();
    void cashDialogFollowsTheDrawer();
    void cashDialogMovesTheRoundedAmount();
};

void TestTabSalesPrint::threeCopiesCountDownAndEmptyTheList() {
    SalesFixture sales;
    START_SALES(sales);
    sales.Add(Goods("Хлеб", "2", "3.50").Taxes(1));
    sales.Add(Goods("Вода", "1", "10.00"));
    const std::int64_t pageTotal = sales.page->Model().Preview().amountDue;
    QCOMPARE(pageTotal, std::int64_t{1700});
    sales.Type("printCountEdit", "3");
    QTest::mouseClick(sales.Field<QRadioButton>("clearListRadio"), Qt::LeftButton);

    CountDown countDown(sales.Field("printCountEdit"));
    sales.Click("printButton");
    QCOMPARE(countDown.shown, QStringList({"3", "2", "1"}));
    QCOMPARE(sales.Text("printCountEdit"), QStringLiteral("1"));
    QCOMPARE(sales.ReceiptsToday(), std::int64_t{3});
    QCOMPARE(sales.list->RowCount(), 0);
    const auto closed = sales.LastClosed();
    QVERIFY(closed.has_value());
    QCOMPARE(closed->due, pageTotal);
    QCOMPARE(closed->cash, pageTotal);
    QVERIFY(sales.TakePrompts().isEmpty());
    QVERIFY(sales.TakeMessages().isEmpty());
    // The cash keeps its text; the form is ready for the next receipt.
    QCOMPARE(sales.Text("cashEdit"), QStringLiteral("17.00"));
    // Once the progress box has handed the window back.
    QTRY_VERIFY(sales.Field("nameEdit")->hasFocus());
}

void TestTabSalesPrint::aLineFailingInTheSecondCopyStopsThePrinting() {
    SalesFixture sales;
    START_SALES(sales);
    sales.Add(Goods("Хлеб", "1", "3.50"));
    sales.Add(Goods("Вода", "1", "10.00"));
    sales.Type("printCountEdit", "3");
    QTest::mouseClick(sales.Field<QRadioButton>("clearListRadio"), Qt::LeftButton);
    // The first line of the second copy finds no paper.
    sales.PaperRunsOutAtLine(3);
    sales.Click("printButton");
    QCOMPARE(sales.ReceiptsToday(), std::int64_t{1});
    QCOMPARE(sales.Text("printCountEdit"), QStringLiteral("1"));
    QCOMPARE(sales.list->RowCount(), 2);
    QVERIFY(!sales.TakePrompts().isEmpty());
    QVERIFY(sales.TakeMessages().isEmpty());
}

void TestTabSalesPrint::aReceiptWhoseCloseWentUnansweredIsPrintedAgainOnlyOnYes() {
    SalesFixture sales;
    START_SALES(sales);
    sales.console.UseShortTimeouts();
    sales.Add(Goods("Хлеб", "1", "3.50"));
    // The register registers the receipt, but its answer is lost on the way.
    sales.console.Register().Faults().DropReplyTo(u"COMP");
    sales.Click("printButton");
    QCOMPARE(sales.ReceiptsToday(), std::int64_t{1});
    QCOMPARE(sales.list->RowCount(), 1);
    sales.TakePrompts();
    QVERIFY(sales.TakeMessages().isEmpty());

    // Pressed again: the page asks, and "Нет" (the default) sends nothing.
    sales.Click("printButton");
    const QStringList asked = sales.TakeMessages();
    QCOMPARE(asked.size(), 1);
    QVERIFY2(
        asked[0].endsWith(QString::fromStdU16String(orvik::LoadString(orvik::kStrReprintQuestion))),
        qPrintable(asked[0]));
    QVERIFY(asked[0].contains(QStringLiteral("№") + QString::number(sales.LastClosed()->number)));
    QCOMPARE(sales.ReceiptsToday(), std::int64_t{1});
    // "Да" prints it once more.
    sales.console.messages.answerYes = true;
    sales.Click("printButton");
    QCOMPARE(sales.ReceiptsToday(), std::int64_t{2});
}

void TestTabSalesPrint::aClickQueuedWhileTheReceiptPrintsIsDropped() {
    SalesFixture sales;
    START_SALES(sales);
    sales.Add(Goods("Хлеб", "1", "3.50"));
    QPushButton* print = sales.Button("printButton");
    const int droppedBefore = sales.console.Document().Gate().Dropped();
    // While the register works the button is pressed again; the press waits in the queue as
    // the window system's would.
    QTimer::singleShot(0, print, [print] {
        const QPointF at = QRectF(print->rect()).center();
        const QPointF global = print->mapToGlobal(at);
        QCoreApplication::postEvent(
            print, new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton,
                                   Qt::LeftButton, Qt::NoModifier));
        QCoreApplication::postEvent(
            print, new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton,
                                   Qt::NoButton, Qt::NoModifier));
    });
    sales.Click("printButton");
    QCoreApplication::processEvents();
    QCOMPARE(sales.ReceiptsToday(), std::int64_t{1});
    QVERIFY(sales.console.Document().Gate().Dropped() > droppedBefore);
}

void TestTabSalesPrint::aLongPrintShowsItsProgressAndStopsOnRequest() {
    SalesFixture sales;
    START_SALES(sales);
    constexpr int kLines = 12;
    for (int i = 0; i < kLines; ++i) {
        sales.Add(Goods(QStringLiteral("Товар %1").arg(i), "1", "1.00"));
    }
    sales.TakePrompts();
    sales.TakeMessages();
    // A slow register: the print lasts long enough to show its progress.
    orvik::sim::ReplyShape slow;
    slow.answerDelay = std::chrono::milliseconds(120);
    QVERIFY(sales.console.Register().Faults().SetShape(slow));
    // The operator stops it as soon as the progress shows: with the button, then with Escape.
    for (const bool escape : {false, true}) {
        const std::size_t before = sales.console.Register().Activity().Commands().size();
        QString shown;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            auto* box = sales.page->findChild<QProgressDialog*>(QStringLiteral("printProgress"));
            if (box && box->isVisible() && shown.isEmpty()) {
                shown = box->labelText();
                if (escape) {
                    QTest::keyClick(box, Qt::Key_Escape);
                } else {
                    QTest::mouseClick(box->findChild<QPushButton*>(), Qt::LeftButton);
                }
            }
        });
        watch.start(20);
        sales.Click("printButton");
        watch.stop();
        QVERIFY2(shown.startsWith(QStringLiteral("Печать чека: копия 1 из 1, строка ")),
                 qPrintable(shown));
        const auto all = sales.console.Register().Activity().Commands();
        QStringList sent;
        for (std::size_t i = before; i < all.size(); ++i) {
            sent << QString::fromStdU16String(all[i]).left(4);
        }
        // Stopped after the line in hand: cancelled, never closed, before the last line.
        QVERIFY2(sent.contains(QStringLiteral("CANC")), qPrintable(sent.join(' ')));
        QVERIFY(!sent.contains(QStringLiteral("COMP")));
        QVERIFY(sent.count(QStringLiteral("FISC")) < kLines);
        QVERIFY(!sales.RegisterHasOpenReceipt());
        QCOMPARE(sales.TakeMessages(),
                 QStringList{orvik::gui::LoadText(orvik::kStrPrintingStopped)});
    }
}

void TestTabSalesPrint::theRunningTotalIsWhatTheRegisterCharges() {
    SalesFixture sales;
    START_SALES(sales);
    sales.SetDrawer(100000);
    // A sale under the included 20 %, weighed goods under the added 5 %, then a return.
    sales.Add(Goods("Хлеб", "3", "1.15").Taxes(1));
    sales.Add(Goods("Сыр", "0.755", "120.00").Weighed().Taxes(3));
    sales.TickReturn();
    sales.Add(Goods("Кефир", "1", "2.40"));
    QCOMPARE(sales.list->topLevelItem(1)->text(3), QStringLiteral("0.755"));
    const QString totals = sales.Totals();
    // 3.45 + 90.60 + 4.53 added tax - 2.40.
    QVERIFY2(totals.contains(QStringLiteral("К оплате: 96.18")), qPrintable(totals));
    QVERIFY2(totals.contains(QStringLiteral("В Акциз 5% 05.00%: 4.53")), qPrintable(totals));
    QCOMPARE(sales.Text("cashEdit"), QStringLiteral("96.18"));
    sales.Type("cashEdit", "100");
    sales.Leave();
    QVERIFY2(sales.Totals().contains(QStringLiteral("Сдача: 3.82")), qPrintable(sales.Totals()));

    sales.Click("printButton");
    QVERIFY(sales.TakePrompts().isEmpty());
    const auto closed = sales.LastClosed();
    QVERIFY(closed.has_value());
    QCOMPARE(closed->due, sales.page->Model().Preview().amountDue);
    QCOMPARE(closed->due, std::int64_t{9618});
    // 1.15 is 115 minor units, not 114.
    QCOMPARE(closed->salesSum, std::int64_t{345 + 9060});
    QCOMPARE(closed->cashBack, std::int64_t{382});
    QVERIFY(!sales.RegisterHasOpenReceipt());
}

void TestTabSalesPrint::aTaxOnWinningsIsTakenOffAsTheRegisterDoes() {
    SalesFixture sales;
    START_SALES(sales);
    sales.Add(Goods("Ставка", "1", "10.00").Taxes(4));
    // The close takes the tax on winnings off: the page's cash is what the register asks.
    QCOMPARE(sales.Text("cashEdit"), QStringLiteral("7.00"));
    QVERIFY2(sales.Totals().contains(QStringLiteral("Г Налог на выигрыш 30.00%: 3.00")),
             qPrintable(sales.Totals()));
    QVERIFY2(sales.Totals().contains(QStringLiteral("он возьмет 7.00, а не 13.00")),
             qPrintable(sales.Totals()));
    sales.Click("printButton");
    QVERIFY(sales.TakePrompts().isEmpty());
    const auto closed = sales.LastClosed();
    QVERIFY(closed.has_value());
    QCOMPARE(closed->salesWinningsTax, std::int64_t{300});
    QCOMPARE(closed->due, sales.page->Model().Preview().amountDue);
    QCOMPARE(closed->cashBack, std::int64_t{0});
}

void TestTabSalesPrint::overpaymentIsRefusedBeforeAnythingIsSent() {
    SalesFixture sales;
    START_SALES(sales);
    sales.Add(Goods("Товар", "1", "10.00"));
    // A number one digit too large stays as typed and is refused, not cut to one that passes.
    const QString range =
        QString::fromStdU16String(orvik::LoadString(orvik::kStrFieldIntegerRange));
    const struct {
        const char* field;
        const char* typed;
        QString message;
        const char* kept;
    } tooLarge[] = {{"receiptNumberEdit", "100000", range.arg("0", "99999"), "0"},
                    {"printCountEdit", "1000", range.arg("1", "100"), "1"}};
    for (const auto& row : tooLarge) {
        sales.Type(row.field, QString::fromLatin1(row.typed));
        QCOMPARE(sales.Text(row.field), QString::fromLatin1(row.typed));
        const auto sent = sales.console.Register().Activity().Commands().size();
        sales.Click("printButton");
        QCOMPARE(sales.TakeMessages(), QStringList{row.message});
        QCOMPARE(QApplication::focusWidget(), sales.Field(row.field));
        QCOMPARE(sales.console.Register().Activity().Commands().size(), sent);
        sales.Type(row.field, QString::fromLatin1(row.kept));
    }
    sales.TickReturn();
    sales.Add(Goods("Возврат", "1", "4.00"));
    sales.Type("payment1Edit", "8");
    sales.Leave();
    QCOMPARE(sales.Text("cashEdit"), QStringLiteral("-2.00"));
    const auto before = sales.console.Register().Activity().Commands().size();
    sales.Click("printButton");
    const QStringList messages = sales.TakeMessages();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].contains(QStringLiteral("8.00")), qPrintable(messages[0]));
    QCOMPARE(sales.console.Register().Activity().Commands().size(), before);
    QCOMPARE(sales.ReceiptsToday(), std::int64_t{0});
}

void TestTabSalesPrint::aSavedReceiptLoadsBackTheSame() {
    SalesFixture sales;
    START_SALES(sales);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    sales.Add(Goods("Чай", "2", "3.50").Taxes(1).Article("12"));
    sales.TickReturn();
    sales.Add(Goods("Сыр", "0.500", "80.00").Weighed().Taxes(3));
    sales.Type("payment1Edit", "1.5");
    sales.Leave();
    const QString cash = sales.Text("cashEdit");
    QStringList saved;
    for (int row = 0; row < sales.list->RowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < sales.list->columnCount(); ++column) {
            cells << sales.Cell(row, column);
        }
        saved << cells.join(u';') + u'|' +
                     sales.list->topLevelItem(row)->data(0, Qt::UserRole).toString();
    }

    sales.files.answer = folder.filePath(QStringLiteral("receipt.check"));
    sales.Click("saveButton");
    QCOMPARE(sales.files.requests.size(), std::size_t{1});
    QCOMPARE(sales.files.requests[0].title, QStringLiteral("Сохранить чек в файле"));
    QCOMPARE(sales.files.requests[0].nameFilters,
             QStringList({"Файлы ЭККР с чеками (*.check)", "Все файлы (*)"}));
    QCOMPARE(sales.files.requests[0].defaultSuffix, QStringLiteral("check"));
    QFile file(sales.files.answer);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readLine(), Cp1251(u"1;1.50;0.00;0.00\r\n"));
    QCOMPARE(file.readLine(), Cp1251(u"0;Чай;12;0;2;3.50;1;0;0;;;0\r\n"));
    file.close();

    sales.Click("selectAllButton");
    sales.Click("deleteButton");
    sales.Type("payment1Edit", "");
    sales.Leave();
    sales.Click("loadButton");
    QCOMPARE(sales.files.requests.back().title, QStringLiteral("Загрузить чек из файла"));
    QStringList loaded;
    for (int row = 0; row < sales.list->RowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < sales.list->columnCount(); ++column) {
            cells << sales.Cell(row, column);
        }
        loaded << cells.join(u';') + u'|' +
                      sales.list->topLevelItem(row)->data(0, Qt::UserRole).toString();
    }
    QCOMPARE(loaded, saved);
    QCOMPARE(sales.Text("payment1Edit"), QStringLiteral("1.50"));
    QCOMPARE(sales.Text("cashEdit"), cash);
    // The last row is a return: the box is ticked and locked again.
    QVERIFY(sales.Field<QCheckBox>("returnCheck")->isChecked());
    QVERIFY(!sales.Field<QCheckBox>("returnCheck")->isEnabled());
    QVERIFY(sales.TakeMessages().isEmpty());
}

void TestTabSalesPrint::aHeaderOnlyFileLeavesTheReturnBoxFree() {
    SalesFixture sales;
    START_SALES(sales);
    QTemporaryDir folder;
    sales.files.answer = folder.filePath(QStringLiteral("header.check"));
    QFile file(sales.files.answer);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("# a comment\r\n\r\n1;2.00;;\r\n");
    file.close();
    sales.Add(Goods("Товар", "1", "1.00"));
    sales.TickReturn();
    sales.Click("loadButton");
    QCOMPARE(sales.list->RowCount(), 0);
    // The list is empty: the header's return flag ticks no box, and the one ticked is freed.
    QVERIFY(!sales.Field<QCheckBox>("returnCheck")->isChecked());
    QVERIFY(sales.Field<QCheckBox>("returnCheck")->isEnabled());
    QCOMPARE(sales.Text("payment1Edit"), QStringLiteral("2.00"));
    QCOMPARE(sales.Text("payment2Edit"), QStringLiteral("0.00"));
    QCOMPARE(sales.Text("cashEdit"), QStringLiteral("-2.00"));
}

void TestTabSalesPrint::aFileThatCannotBeReadKeepsTheReceipt() {
    SalesFixture sales;
    START_SALES(sales);
    QTemporaryDir folder;
    sales.Add(Goods("Товар", "1", "1.00"));
    sales.files.answer = folder.filePath(QStringLiteral("missing.check"));
    sales.Click("loadButton");
    QCOMPARE(sales.list->RowCount(), 1);
    const QStringList messages = sales.TakeMessages();
    QCOMPARE(messages.size(), 1);
    QVERIFY(messages[0].startsWith(sales.files.answer));
    // Cancelled: nothing at all.
    sales.files.answer.clear();
    sales.Click("loadButton");
    QCOMPARE(sales.list->RowCount(), 1);
    QVERIFY(sales.TakeMessages().isEmpty());
}

void TestTabSalesPrint::cashDialogFollowsTheDrawer() {
    SalesFixture sales;
    START_SALES(sales);
    sales.SetDrawer(12345);
    orvik::gui::CMoveCashDlg* shown = nullptr;
    sales.page->SetCashDialog([&shown](orvik::gui::COrvikServiceDoc* document, QWidget* parent) {
        shown = new orvik::gui::CMoveCashDlg(document, parent);
    });
    sales.Click("cashButton");
    QVERIFY(shown != nullptr);
    const std::unique_ptr<orvik::gui::CMoveCashDlg> dialog(shown);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Внесение наличности/инкассация"));
    auto* drawer = dialog->findChild<QLineEdit*>(QStringLiteral("drawerCashEdit"));
    auto* amount = dialog->findChild<QLineEdit*>(QStringLiteral("amountEdit"));
    auto* print = dialog->findChild<QPushButton*>(QStringLiteral("printButton"));
    auto* cashOut = dialog->findChild<QRadioButton*>(QStringLiteral("cashOutRadio"));
    auto* cashIn = dialog->findChild<QRadioButton*>(QStringLiteral("cashInRadio"));
    QCOMPARE(drawer->text(), QStringLiteral("123.45 ГРН"));
    QVERIFY(cashIn->isChecked());
    QVERIFY(!print->isEnabled());

    const struct {
        const char* amount;
        bool out;
        bool enabled;
    } cases[] = {{"500", false, true},   {"123.46", false, true}, {"123.46", true, false},
                 {"123.45", true, true}, {"0", false, false},     {"abc", false, false},
                 {"1,15", true, true},   {"", true, false}};
    for (const auto& row : cases) {
        amount->setText(QString::fromUtf8(row.amount));
        QTest::mouseClick(row.out ? static_cast<QWidget*>(cashOut) : cashIn, Qt::LeftButton);
        QVERIFY2(print->isEnabled() == row.enabled, row.amount);
    }
    // Switching the direction alone enables and disables at once.
    amount->setText(QStringLiteral("200"));
    QTest::mouseClick(cashOut, Qt::LeftButton);
    QVERIFY(!print->isEnabled());
    QTest::mouseClick(cashIn, Qt::LeftButton);
    QVERIFY(print->isEnabled());

    // On screen it opens with the caret where the operator types, not in the drawer, which is
    // only read.
    orvik::gui::CMoveCashDlg onScreen(&sales.console.Document(), sales.page);
    onScreen.show();
    onScreen.activateWindow();
    QTRY_VERIFY(onScreen.isActiveWindow());
    QCOMPARE(QApplication::focusWidget(),
             onScreen.findChild<QLineEdit*>(QStringLiteral("amountEdit")));
}

void TestTabSalesPrint::cashDialogMovesTheRoundedAmount() {
    SalesFixture sales;
    START_SALES(sales);
    sales.SetDrawer(10000);
    const struct {
        const char* amount;
        bool out;
        std::int64_t units;
    } cases[] = {{"1,15", false, 115}, {"0.005", false, 1}, {"50", true, 5000}};
    std::int64_t drawer = 10000;
    for (const auto& row : cases) {
        orvik::gui::CMoveCashDlg dialog(&sales.console.Document(), sales.page);
        dialog.findChild<QLineEdit*>(QStringLiteral("amountEdit"))->setText(row.amount);
        if (row.out) {
            QTest::mouseClick(dialog.findChild<QRadioButton*>(QStringLiteral("cashOutRadio")),
                              Qt::LeftButton);
        }
        QCOMPARE(dialog.AmountUnits(), row.units);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("printButton")),
                          Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        drawer += row.out ? -row.units : row.units;
        QCOMPARE(sales.Drawer(), drawer);
    }
    QVERIFY(sales.TakePrompts().isEmpty());
}

QTEST_MAIN(TestTabSalesPrint)
#include "tst_tab_sales_print.moc"
