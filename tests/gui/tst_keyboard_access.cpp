// The window for keyboard and screen-reader users: the page shortcuts from anywhere, the tab
// order of the pages, and the names assistive tools read for every control.
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QToolBar>

#include "gui/pages/tab_other_settings.h"
#include "gui/pages/tab_reports.h"
#include "tests/gui/page_fixture.h"

namespace {

using orvik::gui::CTabReports;

QString AccessibleName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

QString WithoutMnemonic(QString text) {
    return text.remove(QLatin1Char('&'));
}

bool IsLabelledBy(QWidget* field, const QLabel* label) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(field);
    if (!face) {
        return false;
    }
    for (const auto& [other, relation] : face->relations(QAccessible::Label)) {
        if (other->object() == label) {
            return true;
        }
    }
    return false;
}

// The label that names a field, if one does.
const QLabel* BuddyOf(const QWidget* window, const QWidget* field) {
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->buddy() == field) {
            return label;
        }
    }
    return nullptr;
}

// Parts of composite controls (a date edit's inner line, a list box's drop-down list, a list's
// header, the tab bar's scroll arrows, the tool bar's extension button): they are read as part
// of their control.
bool IsPartOfAControl(const QWidget* widget) {
    if (qobject_cast<const QHeaderView*>(widget) ||
        qobject_cast<const QTabBar*>(widget->parentWidget()) ||
        qobject_cast<const QToolBar*>(widget->parentWidget())) {
        return true;
    }
    for (const QWidget* above = widget->parentWidget(); above; above = above->parentWidget()) {
        if (qobject_cast<const QAbstractSpinBox*>(above) || qobject_cast<const QComboBox*>(above)) {
            return true;
        }
    }
    // The drop-down list of a list box lives in a window of its own.
    return widget->window()->inherits("QComboBoxPrivateContainer");
}

QString FocusName() {
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

void PressCtrl(Qt::Key key, Qt::KeyboardModifiers more = {}) {
    QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier | more);
}

// The object names the focus visits from `first` on, pressing Tab until it has moved `count`
// times. A time or date field takes Tab to go from one of its parts to the next first.
QStringList TabOrderFrom(QWidget* first, int count) {
    first->setFocus(Qt::TabFocusReason);
    QStringList names{FocusName()};
    for (int presses = 0; names.size() <= count && presses < 4 * count; ++presses) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (FocusName() != names.back()) {
            names << FocusName();
        }
    }
    return names;
}

}  // namespace

class TestKeyboardAccess : public QObject {
    Q_OBJECT

  private slots:
    void pageShortcutsWorkFromAnywhereInTheWindow();
    void everyControlIsNamedByWhatTheUserReads();
    void pagesFollowASensibleTabOrder();
    void aReportCanBePrintedWithTheKeyboardAlone();
};

void TestKeyboardAccess::pageShortcutsWorkFromAnywhereInTheWindow() {
    PageFixture<CTabReports> window(Model8Register(), 2);
    QString error;
    QVERIFY2(window.Start(&error), qPrintable(error));
    QTabWidget* tabs = window.console.Frame().View()->TabControl();
    // Before connecting there are no pages to switch to.
    window.console.Password()->setFocus();
    PressCtrl(Qt::Key_Tab);
    QCOMPARE(tabs->currentIndex(), 0);

    QVERIFY(window.console.ConnectWithEnter());
    // After typing the password and pressing Enter, the focus is still in the connection bar.
    QCOMPARE(QApplication::focusWidget(), window.console.Password());
    // Every page shown by a key takes the caret to its first control, never to a frame or
    // scroller around its fields; each page is shown here for the first time.
    // Each row: the key, the page it shows and the control that takes the caret.
    const struct {
        Qt::Key key;
        int page;
        const char* focus;
    } steps[] = {{Qt::Key_Tab, 1, "loadLogoButton"},
                 {Qt::Key_PageDown, 2, "xReportButton"},
                 {Qt::Key_Tab, 3, "nameEdit"},
                 {Qt::Key_Tab, 4, "commandBox"},
                 {Qt::Key_PageDown, 0, "clockEdit"}};
    for (const auto& step : steps) {
        PressCtrl(step.key);
        QCOMPARE(tabs->currentIndex(), step.page);
        QCOMPARE(FocusName(), QString::fromLatin1(step.focus));
    }
    PressCtrl(Qt::Key_PageDown);
    PressCtrl(Qt::Key_PageDown);
    PressCtrl(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(tabs->currentIndex(), 1);
    PressCtrl(Qt::Key_PageUp);
    QCOMPARE(tabs->currentIndex(), 0);
    PressCtrl(Qt::Key_PageUp);
    QCOMPARE(tabs->currentIndex(), 4);
    PressCtrl(Qt::Key_Tab);
    QCOMPARE(tabs->currentIndex(), 0);

    // From inside fields that take keys of their own.
    window.console.OperatorName()->setFocus();
    PressCtrl(Qt::Key_PageDown);
    QCOMPARE(tabs->currentIndex(), 1);
    tabs->setCurrentIndex(2);
    window.Find<QWidget>("datesFromEdit")->setFocus();
    PressCtrl(Qt::Key_Tab);
    QCOMPARE(tabs->currentIndex(), 3);
    tabs->setCurrentIndex(4);
    window.console.Frame().View()->Pages().at(4)->findChild<QPlainTextEdit*>()->setFocus();
    PressCtrl(Qt::Key_Tab);
    QCOMPARE(tabs->currentIndex(), 0);
}

void TestKeyboardAccess::everyControlIsNamedByWhatTheUserReads() {
    PageFixture<CTabReports> window(Model8Register(), 2);
    START_PAGE(window);
    QWidget* frame = &window.console.Frame();
    int fields = 0;
    int buttons = 0;
    for (QWidget* widget : frame->findChildren<QWidget*>()) {
        if (IsPartOfAControl(widget)) {
            continue;
        }
        const QString name = AccessibleName(widget);
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            ++buttons;
            QCOMPARE(name, WithoutMnemonic(button->text()));
            continue;
        }
        const bool isField = qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget) ||
                             qobject_cast<QAbstractSpinBox*>(widget) ||
                             qobject_cast<QPlainTextEdit*>(widget) ||
                             qobject_cast<QAbstractItemView*>(widget);
        if (!isField) {
            continue;
        }
        ++fields;
        QVERIFY2(!name.isEmpty(), qPrintable(widget->objectName()));
        const QLabel* label = BuddyOf(frame, widget);
        if (!label) {
            continue;
        }
        if (qobject_cast<QComboBox*>(widget)) {
            // On Linux a list box is named by its choice; its label is told as its relation.
            QVERIFY2(IsLabelledBy(widget, label), qPrintable(widget->objectName()));
        } else {
            QCOMPARE(name, WithoutMnemonic(label->text()));
        }
    }
    // The connection bar's three fields, the terminal's two, the settings page's four, the
    // reports page's four at least; and the pages' buttons.
    QVERIFY(fields >= 13);
    QVERIFY(buttons >= 40);
}

void TestKeyboardAccess::pagesFollowASensibleTabOrder() {
    PageFixture<orvik::gui::CTabOtherSettings> settings(Model8Register(), 0);
    START_PAGE(settings);
    // Group by group, row by row; in a group of radio buttons the chosen one takes the focus
    // and the arrow keys choose.
    QCOMPARE(TabOrderFrom(settings.Find<QWidget>("clockEdit"), 21),
             QStringList({"clockEdit",
                          "clockReadButton",
                          "clockNowButton",
                          "clockSetButton",
                          "articleModeRadio0",
                          "articleModeSetButton",
                          "cutterCheck",
                          "beeperCheck",
                          "partialCutCheck",
                          "cutterSetButton",
                          "taxCalculationRadio0",
                          "taxCalculationSetButton",
                          "headerEdit",
                          "footerEdit",
                          "headerSetButton",
                          "taxPrintRadio0",
                          "taxPrintSetButton",
                          "departmentEdit",
                          "departmentSetButton",
                          "messageSetRadio0",
                          "messageSetSetButton",
                          "portList"}));
}

void TestKeyboardAccess::aReportCanBePrintedWithTheKeyboardAlone() {
    PageFixture<CTabReports> reports(Model8Register(), 2);
    reports.console.Register().WithState(
        [](orvik::sim::RegisterState& state) { state.counters.lastZReportNumber = 20; });
    QString error;
    QVERIFY2(reports.Start(&error), qPrintable(error));
    QVERIFY(reports.console.ConnectWithEnter());
    PressCtrl(Qt::Key_PageDown);
    PressCtrl(Qt::Key_PageDown);
    reports.NewCommands();
    QCOMPARE(FocusName(), QStringLiteral("xReportButton"));
    QCOMPARE(TabOrderFrom(reports.Find<QWidget>("xReportButton"), 11),
             QStringList({"xReportButton", "zReportButton", "articleReportButton",
                          "discountReportButton", "zeroReceiptButton", "hardwareStateButton",
                          "shortFormRadio", "datesFromEdit", "datesToEdit", "datesPrintButton",
                          "numbersFromEdit", "numbersToEdit"}));
    // The full form with the arrow key, the numbers typed, the print button with the space bar.
    reports.Find<QWidget>("shortFormRadio")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(FocusName(), QStringLiteral("fullFormRadio"));
    reports.Find<QWidget>("numbersFromEdit")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("5"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("9"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(FocusName(), QStringLiteral("numbersPrintButton"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(Texts(reports.NewCommands()), QStringList{"FIRN00050009"});
}

QTEST_MAIN(TestKeyboardAccess)
#include "tst_keyboard_access.moc"
