// The reports page against a simulated register: what each button prints, the Z report's
// refresh of every page, the periodic reports' ranges and checks, the default range, the zero Z
// report's button, and a report that takes its time.
#include <QCursor>
#include <QDateEdit>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <chrono>

#include "gui/controls/qt_text.h"
#include "gui/pages/tab_reports.h"
#include "gui/pages/tab_terminal.h"
#include "res/string_table.h"
#include "tests/gui/page_fixture.h"

namespace {

using orvik::gui::CTabReports;
using Fixture = PageFixture<CTabReports>;

constexpr int kReportsPage = 2;
const QString kNumberProblem =
    QStringLiteral("warning: Please enter an integer between 1 and 4000.");

// A register whose fiscal memory holds 20 Z reports.
void TwentyZReports(Fixture& reports) {
    reports.console.Register().WithState(
        [](orvik::sim::RegisterState& state) { state.counters.lastZReportNumber = 20; });
}

QString FieldText(Fixture& reports, const char* field) {
    return reports.Find<QLineEdit>(field)->text();
}

QDate PickerDate(Fixture& reports, const char* picker) {
    return reports.Find<QDateEdit>(picker)->date();
}

void TypeNumbers(Fixture& reports, const QString& from, const QString& to) {
    for (const auto& [field, text] : {std::pair{"numbersFromEdit", from}, {"numbersToEdit", to}}) {
        auto* edit = reports.Find<QLineEdit>(field);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
}

}  // namespace

class TestTabReports : public QObject {
    Q_OBJECT

  private slots:
    void eachReportButtonPrintsItsReport();
    void zReportRefreshesEveryPage();
    void numberReportPutsTheRangeInOrder();
    void numbersOutOfRangeAreRefusedBeforeSending();
    void dateReportSendsBothDays();
    void refreshOffersThePreviousMonth();
    void zeroZReportOnlyOnModel8();
    void reportKeepsTheWindowPaintingAndIgnoresASecondPress();
};

void TestTabReports::eachReportButtonPrintsItsReport() {
    Fixture reports(Model8Register(), kReportsPage);
    START_PAGE(reports);
    const std::pair<const char*, QString> rows[] = {
        {"xReportButton", "ZREP1"},       {"articleReportButton", "ARTZ"},
        {"discountReportButton", "DIZV"}, {"zeroReceiptButton", "NULL"},
        {"hardwareStateButton", "HDZV"},
    };
    for (const auto& [button, command] : rows) {
        reports.Click(button);
        QCOMPARE(Texts(reports.NewCommands()), QStringList{command});
    }
    // The page says nothing of its own; the register took every report.
    QVERIFY(reports.NewBoxes().isEmpty());
    QVERIFY(reports.console.prompt.entries.empty());
}

void TestTabReports::zReportRefreshesEveryPage() {
    Fixture reports(Model8Register(), kReportsPage);
    TwentyZReports(reports);
    START_PAGE(reports);
    QCOMPARE(FieldText(reports, "numbersToEdit"), QStringLiteral("20"));
    // The terminal page, never shown, still takes its refresh: its log starts anew.
    auto* terminal =
        qobject_cast<orvik::gui::CTabTerminal*>(reports.console.Frame().View()->Pages().at(4));
    QVERIFY(terminal);
    terminal->LogLine(QStringLiteral("CONF"), true);
    QCOMPARE(terminal->Log().Size(), std::size_t{1});
    TypeNumbers(reports, "3", "4");

    // The fiscal day is closed only on "Да": "Нет", the default, sends nothing.
    const QString question =
        QStringLiteral("information: ") + orvik::gui::LoadText(orvik::kStrZReportQuestion);
    reports.Click("zReportButton");
    QCOMPARE(reports.NewBoxes(), QStringList{question});
    QVERIFY(reports.NewCommands().empty());
    reports.console.messages.answerYes = true;
    reports.Click("zReportButton");
    QCOMPARE(reports.NewBoxes(), QStringList{question});
    const QStringList commands = Texts(reports.NewCommands());
    QCOMPARE(commands.mid(0, 2), QStringList({"NREP", "GLCN"}));
    // Then every page from the first: the settings page reads the clock first.
    QVERIFY(commands.size() > 2);
    QCOMPARE(commands[2], QStringLiteral("GETD"));
    QCOMPARE(FieldText(reports, "numbersFromEdit"), QStringLiteral("1"));
    QCOMPARE(FieldText(reports, "numbersToEdit"), QStringLiteral("21"));
    QCOMPARE(terminal->Log().Size(), std::size_t{0});
    QVERIFY(reports.console.prompt.entries.empty());
}

void TestTabReports::numberReportPutsTheRangeInOrder() {
    Fixture reports(Model8Register(), kReportsPage);
    TwentyZReports(reports);
    START_PAGE(reports);
    TypeNumbers(reports, "15", "12");
    reports.Click("numbersPrintButton");
    QCOMPARE(Texts(reports.NewCommands()), QStringList{"IREN00120015"});
    QCOMPARE(FieldText(reports, "numbersFromEdit"), QStringLiteral("12"));
    QCOMPARE(FieldText(reports, "numbersToEdit"), QStringLiteral("15"));

    QTest::mouseClick(reports.Find<QRadioButton>("fullFormRadio"), Qt::LeftButton);
    TypeNumbers(reports, "007", "7");
    reports.Click("numbersPrintButton");
    QCOMPARE(Texts(reports.NewCommands()), QStringList{"FIRN00070007"});
    QVERIFY(reports.NewBoxes().isEmpty());
    QVERIFY(reports.console.prompt.entries.empty());
}

void TestTabReports::numbersOutOfRangeAreRefusedBeforeSending() {
    Fixture reports(Model8Register(), kReportsPage);
    START_PAGE(reports);
    // Letters never reach the fields.
    TypeNumbers(reports, "1x2", "-3");
    QCOMPARE(FieldText(reports, "numbersFromEdit"), QStringLiteral("12"));
    QCOMPARE(FieldText(reports, "numbersToEdit"), QStringLiteral("3"));

    const std::tuple<QString, QString, const char*> rows[] = {
        {"0", "5", "numbersFromEdit"},        {"5", "4001", "numbersToEdit"},
        {"", "5", "numbersFromEdit"},         {"1", "", "numbersToEdit"},
        {"99999999", "1", "numbersFromEdit"},
    };
    for (const auto& [from, to, wrongField] : rows) {
        TypeNumbers(reports, from, to);
        reports.Click("numbersPrintButton");
        QVERIFY(reports.NewCommands().empty());
        QCOMPARE(reports.NewBoxes(), QStringList{kNumberProblem});
        // The caret is back in the field to retype.
        QCOMPARE(QApplication::focusWidget(), reports.Find<QWidget>(wrongField));
    }
    // The date report does not read the number fields.
    TypeNumbers(reports, "0", "");
    reports.Click("datesPrintButton");
    QCOMPARE(reports.NewCommands().size(), std::size_t{1});
    QVERIFY(reports.NewBoxes().isEmpty());
}

void TestTabReports::dateReportSendsBothDays() {
    Fixture reports(Model8Register(), kReportsPage);
    START_PAGE(reports);
    reports.Find<QDateEdit>("datesFromEdit")->setDate(QDate(2025, 3, 10));
    reports.Find<QDateEdit>("datesToEdit")->setDate(QDate(2025, 3, 5));
    reports.Click("datesPrintButton");
    // Entered the wrong way round, the same report as the right way.
    QCOMPARE(Texts(reports.NewCommands()), QStringList{"IREP2025030520250310"});

    reports.Find<QRadioButton>("fullFormRadio")->setChecked(true);
    reports.Find<QDateEdit>("datesToEdit")->setDate(QDate(2025, 3, 10));
    reports.Click("datesPrintButton");
    QCOMPARE(Texts(reports.NewCommands()), QStringList{"FIRP2025031020250310"});
}

void TestTabReports::refreshOffersThePreviousMonth() {
    const std::tuple<orvik::support::LocalDateTime, QDate, QDate> rows[] = {
        {{2025, 3, 15, 12, 0, 0}, QDate(2025, 2, 1), QDate(2025, 2, 28)},
        {{2025, 1, 10, 12, 0, 0}, QDate(2024, 12, 1), QDate(2024, 12, 31)},
        {{2024, 3, 15, 12, 0, 0}, QDate(2024, 2, 1), QDate(2024, 2, 29)},
    };
    for (const auto& [today, from, to] : rows) {
        Fixture reports(Model8Register(), kReportsPage);
        reports.today = today;
        START_PAGE(reports);
        QCOMPARE(PickerDate(reports, "datesFromEdit"), from);
        QCOMPARE(PickerDate(reports, "datesToEdit"), to);
        // In the long form, in the console's language.
        QVERIFY2(
            reports.Find<QDateEdit>("datesFromEdit")->text().contains(QStringLiteral("февраля")) ||
                from.month() != 2,
            qPrintable(reports.Find<QDateEdit>("datesFromEdit")->text()));
    }
}

void TestTabReports::zeroZReportOnlyOnModel8() {
    for (const char* profile : {"f0m0", "f0m1", "f1m4", "f1m7"}) {
        Fixture reports(ConsoleRegister{.profile = profile}, kReportsPage);
        START_PAGE(reports);
        auto* zero = reports.Find<QPushButton>("zeroZReportButton");
        QVERIFY2(!zero->isVisible() && !zero->isEnabled(), profile);
        // Its room is kept: the buttons do not move with the register.
        QVERIFY2(zero->sizePolicy().retainSizeWhenHidden(), profile);
    }

    Fixture reports(Model8Register(), kReportsPage);
    START_PAGE(reports);
    auto* zero = reports.Find<QPushButton>("zeroZReportButton");
    // Shown, but pressable only once the register reports a Z report made.
    QVERIFY(zero->isVisible());
    QVERIFY(!zero->isEnabled());
    reports.console.messages.answerYes = true;
    reports.Click("zReportButton");
    QVERIFY(zero->isEnabled());
    reports.NewCommands();
    reports.Click("zeroZReportButton");
    const QStringList commands = Texts(reports.NewCommands());
    QCOMPARE(commands.mid(0, 2), QStringList({"nrep", "GLCN"}));
    const auto last = reports.console.Register().WithState(
        [](orvik::sim::RegisterState& state) { return state.counters.lastZReportNumber; });
    QCOMPARE(FieldText(reports, "numbersToEdit"), QString::number(last));
    QVERIFY(reports.console.prompt.entries.empty());
}

void TestTabReports::reportKeepsTheWindowPaintingAndIgnoresASecondPress() {
    Fixture reports(Model8Register(), kReportsPage);
    START_PAGE(reports);
    // The register takes its time over each answer.
    orvik::sim::ReplyShape slow;
    slow.answerDelay = std::chrono::milliseconds(300);
    QVERIFY(reports.console.Register().Faults().SetShape(slow));

    auto* button = reports.Find<QPushButton>("xReportButton");
    bool looked = false;
    bool waitCursor = false;
    int paints = 0;
    struct PaintCounter : QObject {
        int* count;
        explicit PaintCounter(int* c) : count(c) {}
        bool eventFilter(QObject*, QEvent* event) override {
            *count += event->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
    } counter(&paints);
    // Runs from the console's own wait, as the first thing the event loop gets to.
    QTimer::singleShot(0, this, [&] {
        looked = true;
        const QCursor* cursor = QGuiApplication::overrideCursor();
        waitCursor = cursor && cursor->shape() == Qt::WaitCursor;
        button->installEventFilter(&counter);
        button->update();
        QTest::mouseClick(button, Qt::LeftButton);
    });
    QTest::mouseClick(button, Qt::LeftButton);
    button->removeEventFilter(&counter);

    QVERIFY(looked);
    QVERIFY(waitCursor);
    QVERIFY(paints > 0);
    QCOMPARE(Texts(reports.NewCommands()), QStringList{"ZREP1"});
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

QTEST_MAIN(TestTabReports)
#include "tst_tab_reports.moc"
