// The main window as an operator meets it: the connection bar, the menu, the tool strip, the
// Enter key, the status bar and the receipt journal, against a simulated register.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSizeGrip>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include <cstdlib>
#include <ctime>

#include "console/journal_table.h"
#include "gui/app/console_status_bar.h"
#include "gui/app/orvik_service_view.h"
#include "gui/controls/qt_text.h"
#include "gui/pages/journal_dlg.h"
#include "res/string_table.h"
#include "tests/gui/console_harness.h"

using namespace orvik::gui;
using namespace orvik::device;

namespace {

using Icon = IConsoleMessages::Icon;

const QString kStateDisconnected = QStringLiteral("Состояние: НЕ ПОДКЛЮЧЕН");
const QString kStateConnected = QStringLiteral("Состояние: ПОДКЛЮЧЕН");
const QString kSerialDisconnected = QStringLiteral("ЗН ЭККР: НЕ ПОДКЛЮЧЕН");

// The three ways to a command agree: menu item, tool strip button and (for Connect) Enter.
void VerifyEnabling(ConsoleHarness& console, bool connected) {
    CMainFrame& frame = console.Frame();
    QCOMPARE(frame.ConnectAction()->isEnabled(), !connected);
    QCOMPARE(frame.DisconnectAction()->isEnabled(), connected);
    QCOMPARE(console.ToolButton(frame.ConnectAction())->isEnabled(), !connected);
    QCOMPARE(console.ToolButton(frame.DisconnectAction())->isEnabled(), connected);
}

void VerifyDisconnectedFace(ConsoleHarness& console) {
    CMainFrame& frame = console.Frame();
    QVERIFY(!console.Document().IsConnected());
    QCOMPARE(frame.StatusPanes()->StateText(), kStateDisconnected);
    QCOMPARE(frame.StatusPanes()->SerialText(), kSerialDisconnected);
    QVERIFY(frame.View()->ContactPanel()->isVisible());
    QVERIFY(!frame.View()->TabControl()->isVisible());
    VerifyEnabling(console, false);
}

void VerifyConnectedFace(ConsoleHarness& console) {
    CMainFrame& frame = console.Frame();
    QVERIFY(console.Document().IsConnected());
    QCOMPARE(frame.StatusPanes()->StateText(), kStateConnected);
    QCOMPARE(frame.StatusPanes()->SerialText(),
             QStringLiteral("ЗН ЭККР: ") + Qt16(console.RegisterSerialNumber()));
    QVERIFY(!frame.View()->ContactPanel()->isVisible());
    QVERIFY(frame.View()->TabControl()->isVisible());
    VerifyEnabling(console, true);
}

}  // namespace

class TestMainFrame : public QObject {
    Q_OBJECT

  private slots:
    void startsDisconnectedWithTheBarsDefaults();
    void probesComOneToTwentyFourAndPreselectsTheFirstFound();
    void theOpenedListIsProbedAgainAndNamesEachDevice();
    void enterInThePasswordFieldConnectsOnlyWhileDisconnected();
    void menuItemAndToolButtonConnectAndDisconnect();
    void connectionBarIsCheckedInOrder_data();
    void connectionBarIsCheckedInOrder();
    void refusedPasswordLeavesTheConsoleDisconnected();
    void silentRegisterFailsOnceTheOperatorCancels();
    void busyConsoleRefusesCommandsAndClosesWhenDone();
    void closingWhileConnectedEndsTheConnection();
    void statusPanesFitEveryTextTheyShow();
    void menuPromptsShowInTheMessagePane();
    void journalListsUnknownOutcomesFirstAndSavesThemAsCsv();
    void aLineThatHangsUpIsShownOnceAndEnterConnectsAgain();
};

void TestMainFrame::startsDisconnectedWithTheBarsDefaults() {
    ConsoleHarness console;
    QString error;
    QVERIFY2(console.Start(&error), qPrintable(error));
    CMainFrame& frame = console.Frame();

    QCOMPARE(frame.windowTitle(), LoadText(orvik::kStrConsoleTitle));
    // The window can be resized and maximised, with a grip in the status bar's corner.
    QVERIFY(frame.windowFlags() & Qt::WindowMaximizeButtonHint);
    QVERIFY(frame.minimumSize().width() < frame.maximumSize().width());
    QVERIFY(frame.minimumSize().height() < frame.maximumSize().height());
    const QSizeGrip* grip = frame.statusBar()->findChild<QSizeGrip*>();
    QVERIFY(grip && grip->isVisible());
    VerifyDisconnectedFace(console);
    QCOMPARE(frame.StatusPanes()->MessageText(), QStringLiteral("Доброго вам дня"));

    QCOMPARE(console.PortList()->currentText(), QString::fromLatin1(ConsoleHarness::kPort));
    QVERIFY(!console.PortList()->isEditable());
    QCOMPARE(console.OperatorName()->text(), QStringLiteral("Касир"));
    QCOMPARE(console.OperatorName()->maxLength(), 9);
    QVERIFY(console.Password()->text().isEmpty());
    QCOMPARE(console.Password()->maxLength(), 10);
    QCOMPARE(console.Password()->echoMode(), QLineEdit::Password);
    // The password is all that is left to type: the caret waits there.
    QCOMPARE(QApplication::focusWidget(), console.Password());

    // Typing past the limits keeps the first characters.
    console.OperatorName()->clear();
    QTest::keyClicks(console.OperatorName(), QStringLiteral("Administrator"));
    QCOMPARE(console.OperatorName()->text(), QStringLiteral("Administr"));
    QTest::keyClicks(console.Password(), QStringLiteral("123456789012"));
    QCOMPARE(console.Password()->text(), QStringLiteral("1234567890"));
}

void TestMainFrame::probesComOneToTwentyFourAndPreselectsTheFirstFound() {
    // The registers of the registers file come after the ports found.
    QTemporaryDir folder;
    const QString registers = folder.filePath(QStringLiteral("registers.conf"));
    QFile file(registers);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("[Каса на Садовой]\naddress = rfc2217://127.0.0.1:1\n"
                              "operator = Старший\n[back office]\naddress = COM3\n")
                   .toUtf8());
    file.close();
    qputenv("ORVIK_REGISTERS", registers.toUtf8());
    ConsoleHarness console;
    QStringList asked;
    QString error;
    QVERIFY2(console.Start(&error,
                           [&asked](const std::string& name) {
                               asked << QString::fromStdString(name);
                               return name == "COM3" || name == "COM12" || name == "COM24";
                           }),
             qPrintable(error));

    QStringList all;
    for (int n = 1; n <= 24; ++n) {
        all << QStringLiteral("COM%1").arg(n);
    }
    QCOMPARE(asked, all);
    QStringList listed;
    for (int i = 0; i < console.PortList()->count(); ++i) {
        listed << console.PortList()->itemText(i);
    }
    QCOMPARE(listed, QStringList({"COM3", "COM12", "COM24", "Каса на Садовой", "back office"}));
    QCOMPARE(console.PortList()->currentText(), QStringLiteral("COM3"));
    QCOMPARE(console.Frame().ConnectionBar()->m_strPort, QStringLiteral("COM3"));
    // The probe ran with the wait cursor and put it back.
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    // A named register brings its operator along when chosen; one without leaves the name.
    console.PortList()->setCurrentIndex(3);
    emit console.PortList()->activated(3);
    QCOMPARE(console.OperatorName()->text(), QStringLiteral("Старший"));
    console.PortList()->setCurrentIndex(4);
    emit console.PortList()->activated(4);
    QCOMPARE(console.OperatorName()->text(), QStringLiteral("Старший"));
    qunsetenv("ORVIK_REGISTERS");
}

void TestMainFrame::theOpenedListIsProbedAgainAndNamesEachDevice() {
    ConsoleHarness console;
    bool adapterPluggedIn = false;
    QString error;
    QVERIFY2(console.Start(&error,
                           [&adapterPluggedIn](const std::string& name) {
                               return name == "COM3" || (adapterPluggedIn && name == "COM5");
                           }),
             qPrintable(error));
    QComboBox* list = console.PortList();
    QCOMPARE(list->count(), 1);
    // The device stands beside the name in the open list; the closed box shows the name.
    QCOMPARE(list->model()->columnCount(), 2);
    QVERIFY(!list->model()->index(0, 1).data().toString().isEmpty());
    QCOMPARE(list->currentText(), QStringLiteral("COM3"));

    // An adapter plugged in after start-up appears when the list is opened; the choice stays.
    adapterPluggedIn = true;
    list->showPopup();
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->itemText(1), QStringLiteral("COM5"));
    QCOMPARE(list->currentText(), QStringLiteral("COM3"));
    // The open list shows both columns, each as wide as its texts.
    auto* open = qobject_cast<QTreeView*>(list->view());
    QVERIFY(open && open->isVisible());
    QVERIFY(open->columnWidth(1) > 0);
    QVERIFY(open->width() >= open->columnWidth(0) + open->columnWidth(1));
    list->hidePopup();
}

void TestMainFrame::enterInThePasswordFieldConnectsOnlyWhileDisconnected() {
    ConsoleHarness console;
    QString error;
    QVERIFY2(console.Start(&error), qPrintable(error));

    QVERIFY(console.ConnectWithEnter());
    VerifyConnectedFace(console);
    QCOMPARE(console.LoginCount(), 1);
    QVERIFY(console.prompt.entries.empty());
    QVERIFY(console.messages.entries.empty());
    // The keypad's Enter is the same key; both do nothing while connected.
    QTest::keyClick(console.Password(), Qt::Key_Return);
    QTest::keyClick(console.Password(), Qt::Key_Enter);
    QTest::keyClick(console.OperatorName(), Qt::Key_Return);
    QCOMPARE(console.LoginCount(), 1);
    VerifyConnectedFace(console);

    console.Frame().DisconnectAction()->trigger();
    VerifyDisconnectedFace(console);
    // Enter from another field of the bar connects as well: the keypad's Enter this time.
    console.Password()->setText(QString::fromStdU16String(console.RegisterPassword()));
    QTest::keyClick(console.OperatorName(), Qt::Key_Enter);
    VerifyConnectedFace(console);
    QCOMPARE(console.LoginCount(), 2);
}

void TestMainFrame::menuItemAndToolButtonConnectAndDisconnect() {
    ConsoleHarness console;
    QString error;
    QVERIFY2(console.Start(&error), qPrintable(error));
    CMainFrame& frame = console.Frame();
    console.Password()->setText(QString::fromStdU16String(console.RegisterPassword()));

    // The menu holds both commands, with Enter shown beside Connect.
    QMenu* connection = frame.menuBar()->actions().at(0)->menu();
    QVERIFY(connection->actions().contains(frame.ConnectAction()));
    QVERIFY(connection->actions().contains(frame.DisconnectAction()));
    QVERIFY(frame.ConnectAction()->text().endsWith(QStringLiteral("\tEnter")));

    QTest::mouseClick(console.ToolButton(frame.ConnectAction()), Qt::LeftButton);
    VerifyConnectedFace(console);
    QTest::mouseClick(console.ToolButton(frame.DisconnectAction()), Qt::LeftButton);
    VerifyDisconnectedFace(console);
    // Disconnecting while disconnected does nothing: the button is disabled.
    QTest::mouseClick(console.ToolButton(frame.DisconnectAction()), Qt::LeftButton);
    VerifyDisconnectedFace(console);

    frame.ConnectAction()->trigger();
    VerifyConnectedFace(console);
    frame.ConnectAction()->trigger();  // disabled: nothing happens
    QCOMPARE(console.LoginCount(), 2);
    frame.DisconnectAction()->trigger();
    VerifyDisconnectedFace(console);
    // A disconnect tells the register nothing but closes the line: it accepts a new log-in.
    frame.ConnectAction()->trigger();
    VerifyConnectedFace(console);
}

void TestMainFrame::connectionBarIsCheckedInOrder_data() {
    QTest::addColumn<bool>("portFound");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("warning");  // empty: the bar lets the connection go ahead
    QTest::addColumn<bool>("connected");
    // Enter is pressed in the password field, or in the name field where that is the one to
    // be filled in: the caret then goes to the field the warning names.
    QTest::addColumn<bool>("enterInName");
    QTest::addColumn<QString>("focus");

    const QString noPort = LoadText(orvik::kStrNoPort);
    const QString noName = LoadText(orvik::kStrNoOperatorName);
    const QString noPassword = LoadText(orvik::kStrNoPassword);
    QTest::newRow("no port found") << false << "Касир"
                                   << "12345" << noPort << false << false << "portList";
    QTest::newRow("no port, no name, no password") << false << ""
                                                   << "" << noPort << false << false << "portList";
    QTest::newRow("no name, no password") << true << ""
                                          << "" << noName << false << false << "operatorNameEdit";
    QTest::newRow("no password") << true << "Касир"
                                 << "" << noPassword << false << true << "passwordEdit";
    QTest::newRow("five characters pass") << true << "Касир"
                                          << "12345"
                                          << "" << true << false << "passwordEdit";
}

void TestMainFrame::connectionBarIsCheckedInOrder() {
    QFETCH(bool, portFound);
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, warning);
    QFETCH(bool, connected);
    QFETCH(bool, enterInName);
    QFETCH(QString, focus);

    ConsoleHarness console;  // the register accepts "12345"
    QString error;
    CMainFrameDlgBar::PortProbe probe;
    if (!portFound) {
        probe = [](const std::string&) { return false; };
    }
    QVERIFY2(console.Start(&error, probe), qPrintable(error));
    console.OperatorName()->setText(name);
    console.Password()->setText(password);

    QWidget* typedIn = enterInName ? static_cast<QWidget*>(console.OperatorName())
                                   : static_cast<QWidget*>(console.Password());
    typedIn->setFocus();
    QTest::keyClick(typedIn, Qt::Key_Return);
    // The warning names a field, and the caret waits in it.
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);

    if (warning.isEmpty()) {
        QVERIFY(console.messages.entries.empty());
    } else {
        QCOMPARE(console.messages.entries.size(), std::size_t{1});
        QCOMPARE(console.messages.entries[0].icon, Icon::Warning);
        QCOMPARE(console.messages.entries[0].text, warning);
        // Nothing was attempted and the operator's entries stay.
        QCOMPARE(console.Register().Activity().Snapshot().wakeBytes, std::size_t{0});
        QVERIFY(console.prompt.entries.empty());
        QCOMPARE(console.OperatorName()->text(), name);
        QCOMPARE(console.Password()->text(), password);
    }
    if (connected) {
        VerifyConnectedFace(console);
    } else {
        VerifyDisconnectedFace(console);
    }
}

void TestMainFrame::refusedPasswordLeavesTheConsoleDisconnected() {
    ConsoleHarness console;
    QString error;
    QVERIFY2(console.Start(&error), qPrintable(error));
    // One character passes the bar; the register refuses it.
    console.Password()->setText(QStringLiteral("7"));
    QTest::keyClick(console.Password(), Qt::Key_Return);

    QVERIFY(console.messages.entries.empty());
    QCOMPARE(console.prompt.entries.size(), std::size_t{1});
    QCOMPARE(console.prompt.entries[0].kind, RecordingPrompt::Kind::Warning);
    QCOMPARE(console.prompt.entries[0].text, orvik::LoadString(orvik::kStrPasswordRefused));
    VerifyDisconnectedFace(console);
    QCOMPARE(console.Frame().StatusPanes()->MessageText(), QStringLiteral("Доброго вам дня"));

    // Connect is offered again and works with the right password.
    QVERIFY(console.ConnectWithEnter());
    VerifyConnectedFace(console);
}

void TestMainFrame::silentRegisterFailsOnceTheOperatorCancels() {
    ConsoleHarness console;
    console.UseShortTimeouts();
    console.Register().Faults().Silence(u"UPAS");
    QString error;
    QVERIFY2(console.Start(&error), qPrintable(error));

    // The recorder cancels the Retry/Cancel question the silence leads to.
    QVERIFY(!console.ConnectWithEnter());
    QCOMPARE(console.prompt.Count(RecordingPrompt::Kind::Question), 1);
    QCOMPARE(console.prompt.entries.back().text, orvik::LoadString(orvik::kStrNoAnswer));
    VerifyDisconnectedFace(console);
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);

    // The register answers again: the next attempt, with the usual time-outs, connects on the
    // same port.
    console.Register().Faults().ClearAnswerFaults();
    console.Document().SetCoreFactory({});
    QVERIFY(console.ConnectWithEnter());
    VerifyConnectedFace(console);
}

void TestMainFrame::busyConsoleRefusesCommandsAndClosesWhenDone() {
    ConsoleHarness console;
    // A register that takes its time, so that the console waits and keeps repainting.
    orvik::sim::ReplyShape slow;
    slow.answerDelay = std::chrono::milliseconds(60);
    QVERIFY(console.Register().Faults().SetShape(slow));
    QString error;
    QVERIFY2(console.Start(&error), qPrintable(error));
    CMainFrame& frame = console.Frame();

    bool looked = false;
    bool waitCursor = false;
    QString message;
    bool connectedMeanwhile = true;
    console.Document().SetEventPump([&] {
        if (!looked) {
            looked = true;
            const QCursor* cursor = QGuiApplication::overrideCursor();
            waitCursor = cursor && cursor->shape() == Qt::WaitCursor;
            message = frame.StatusPanes()->MessageText();
            connectedMeanwhile = console.Document().IsConnected();
            // Whatever reaches the console meanwhile must not start or end a connection, nor
            // take the window away from under the waiting core.
            console.Document().OnConnect(frame.ConnectionBar()->Values());
            console.Document().OnDisconnect();
            frame.close();
        }
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    QVERIFY(console.ConnectWithEnter());

    QVERIFY(looked);
    QVERIFY(waitCursor);
    QCOMPARE(message, LoadText(orvik::kStrConnectPrompt));
    // Until the register has answered everything, the console is not connected.
    QVERIFY(!connectedMeanwhile);
    // No second connection was tried (it would have found the port taken and said so).
    QCOMPARE(console.LoginCount(), 1);
    QVERIFY(console.prompt.entries.empty());
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    // The window was asked to close while busy: it closes now that the work is done, and
    // closing ends the connection.
    QTRY_VERIFY_WITH_TIMEOUT(!frame.isVisible(), 10000);
    QVERIFY(!console.Document().IsConnected());
}

void TestMainFrame::closingWhileConnectedEndsTheConnection() {
    ConsoleHarness console;
    QString error;
    QVERIFY2(console.Start(&error), qPrintable(error));
    QVERIFY(console.ConnectWithEnter());

    QVERIFY(console.Frame().close());
    QVERIFY(!console.Document().IsConnected());
    // The port is free again: the console let go of it (it is opened for exclusive use).
    COrvikCore probe;
    QCOMPARE(probe.OpenPort(ConsoleHarness::kPort).code, orvik::device::S_OK);
}

void TestMainFrame::statusPanesFitEveryTextTheyShow() {
    ConsoleHarness console;
    QString error;
    QVERIFY2(console.Start(&error), qPrintable(error));
    ConsoleStatusBar* panes = console.Frame().StatusPanes();
    const QFontMetrics metrics(panes->StatePane()->font());
    const int stateWidth = panes->StatePane()->width();
    const int serialWidth = panes->SerialPane()->width();
    QVERIFY(stateWidth >= metrics.horizontalAdvance(kStateDisconnected));
    QVERIFY(serialWidth >= metrics.horizontalAdvance(kSerialDisconnected));
    QVERIFY(serialWidth >= metrics.horizontalAdvance(QStringLiteral("ЗН ЭККР: 0123456789")));

    // Connecting changes the texts, not the widths.
    QVERIFY(console.ConnectWithEnter());
    QCOMPARE(panes->StatePane()->width(), stateWidth);
    QCOMPARE(panes->SerialPane()->width(), serialWidth);
}

void TestMainFrame::menuPromptsShowInTheMessagePane() {
    ConsoleHarness console;
    QString error;
    QVERIFY2(console.Start(&error), qPrintable(error));
    CMainFrame& frame = console.Frame();

    // The operator opens the connection menu and moves over the command that is offered.
    QMenu* connection = frame.menuBar()->actions().at(0)->menu();
    const auto hover = [&](QAction* action) {
        connection->popup(frame.mapToGlobal(QPoint(0, 0)));
        QVERIFY(QTest::qWaitForWindowExposed(connection));
        QTest::mouseMove(connection, connection->actionGeometry(action).center());
    };
    hover(frame.ConnectAction());
    QTRY_COMPARE(frame.StatusPanes()->MessageText(), QStringLiteral("Подключение ЭККР"));
    connection->close();
    QTRY_COMPARE(frame.StatusPanes()->MessageText(), QStringLiteral("Доброго вам дня"));

    QVERIFY(console.ConnectWithEnter());
    hover(frame.DisconnectAction());
    QTRY_COMPARE(frame.StatusPanes()->MessageText(), QStringLiteral("Отключение ЭККР"));
    connection->close();
    QTRY_COMPARE(frame.StatusPanes()->MessageText(), QStringLiteral("Доброго вам дня"));
}

void TestMainFrame::journalListsUnknownOutcomesFirstAndSavesThemAsCsv() {
    using orvik::console::JournalCopy;
    using orvik::console::JournalOutcome;
    ConsoleHarness console;
    QString error;
    QVERIFY2(console.Start(&error), qPrintable(error));
    CMainFrame& frame = console.Frame();
    COrvikServiceDoc& document = console.Document();
    // The harness keeps the journal in a state folder of its own, never in the user's.
    const char* stateVariable = std::getenv("ORVIK_STATE_DIR");
    QVERIFY(stateVariable && *stateVariable);
    const std::string state = stateVariable;
    QVERIFY(document.JournalPath().starts_with(state + "/"));
    std::string why;
    orvik::console::ReceiptJournal* journal = document.Journal(&why);
    QVERIFY2(journal, why.c_str());

    // The newer copy was registered; the older one's outcome is still unknown.
    const std::int64_t now = std::time(nullptr);
    JournalCopy registered;
    registered.time = now;
    registered.serialNumber = u"ОР1";
    registered.digest = std::string(64, 'a');
    registered.copy = 2;
    registered.copies = 2;
    registered.total = 1250;
    registered.cash = 2000;
    registered.outcome = JournalOutcome::Registered;
    registered.number = 17;
    registered.answered = true;
    registered.settled = orvik::console::Settlement::Answer;
    JournalCopy unknown = registered;
    unknown.time = now - 3600;
    unknown.digest = std::string(64, 'b');
    unknown.copy = 1;
    unknown.copies = 1;
    unknown.numberBefore = 16;
    unknown.total = 1999;
    unknown.outcome = JournalOutcome::Unknown;
    unknown.number.reset();
    unknown.answered = false;
    unknown.settled = orvik::console::Settlement::Pending;
    QVERIFY(journal->Add(registered) != 0);
    QVERIFY(journal->Add(unknown) != 0);

    QMenu* view = frame.menuBar()->actions().at(1)->menu();
    QVERIFY(view->actions().contains(frame.JournalAction()));
    QCOMPARE(frame.JournalAction()->text(), QStringLiteral("&Журнал чеков"));

    // What the dialog shows, and what its buttons do, read while it is open.
    const QDir folder(QString::fromStdString(state));
    const QString csv = folder.filePath(QStringLiteral("journal.csv"));
    const QString unwritable = folder.filePath(QStringLiteral("missing/journal.csv"));
    int shown = 0;
    QString title;
    QStringList headers;
    QList<QStringList> rows;
    bool readOnly = true;
    QSize size;
    bool columnsFit = false;
    QList<FileDialogRequest> asked;
    bool closedByEscape = false;
    frame.SetJournalDialog([&](CJournalDlg& dialog) {
        ++shown;
        title = dialog.windowTitle();
        auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("journalTable"));
        auto* save = dialog.findChild<QPushButton*>(QStringLiteral("saveCsvButton"));
        if (!table || !save) {
            return;
        }
        for (int column = 0; column < table->columnCount(); ++column) {
            headers << table->horizontalHeaderItem(column)->text();
        }
        for (int row = 0; row < table->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < table->columnCount(); ++column) {
                cells << table->item(row, column)->text();
                readOnly = readOnly && !(table->item(row, column)->flags() & Qt::ItemIsEditable);
            }
            rows << cells;
        }
        readOnly = readOnly && table->editTriggers() == QAbstractItemView::NoEditTriggers &&
                   table->selectionBehavior() == QAbstractItemView::SelectRows;
        size = dialog.size();
        // A folder that is not there first, then a file that can be written.
        QStringList answers{unwritable, csv};
        dialog.SetFileDialog([&](QWidget*, const FileDialogRequest& request) {
            asked << request;
            return answers.takeFirst();
        });
        save->click();
        save->click();
        dialog.show();
        QCoreApplication::processEvents();
        columnsFit = table->horizontalScrollBar()->maximum() == 0;
        QTest::keyClick(table, Qt::Key_Escape);
        closedByEscape = !dialog.isVisible() && dialog.result() == QDialog::Rejected;
    });
    frame.JournalAction()->trigger();

    QCOMPARE(shown, 1);
    QCOMPARE(title, QStringLiteral("Журнал чеков"));
    QCOMPARE(headers,
             QStringList({"Время", "ЭККР", "Номер", "Сумма", "Наличные", "Итог", "Копия"}));
    const QString unknownTime = Qt16(orvik::console::JournalTime(unknown.time));
    const QString registeredTime = Qt16(orvik::console::JournalTime(registered.time));
    QCOMPARE(rows,
             QList<QStringList>(
                 {{unknownTime, "ОР1", "", "19.99", "20.00", "неизвестно", "1/1"},
                  {registeredTime, "ОР1", "17", "12.50", "20.00", "зарегистрирован 17", "2/2"}}));
    QVERIFY(readOnly);
    // It opens no larger than a 1024 x 768 screen, every column in full.
    QVERIFY(size.width() <= 1024 && size.height() <= 768);
    QVERIFY(columnsFit);
    QVERIFY(closedByEscape);

    // The first file could not be written: an error box names it, and nothing is left there.
    QCOMPARE(asked.size(), 2);
    QCOMPARE(asked[0].mode, FileDialogRequest::Mode::Save);
    QCOMPARE(asked[0].nameFilters.value(0), QStringLiteral("Файлы CSV (*.csv)"));
    QCOMPARE(asked[0].defaultSuffix, QStringLiteral("csv"));
    QCOMPARE(console.messages.entries.size(), std::size_t{1});
    QCOMPARE(console.messages.entries[0].icon, Icon::Error);
    QVERIFY(console.messages.entries[0].text.startsWith(unwritable));
    QVERIFY(!QFile::exists(unwritable));
    QFile saved(csv);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(saved.readAll()).split(QStringLiteral("\r\n")),
             QStringList({"Время,ЭККР,Номер,Сумма,Наличные,Итог,Копия",
                          unknownTime + ",ОР1,,19.99,20.00,неизвестно,1/1",
                          registeredTime + ",ОР1,17,12.50,20.00,зарегистрирован 17,2/2", ""}));

    // A journal that cannot be opened (its folder is a file): the reason, and no dialog.
    const std::string blocked = csv.toStdString() + "/journal.sqlite3";
    document.SetJournalPath(blocked);
    frame.JournalAction()->trigger();
    QCOMPARE(shown, 1);
    QCOMPARE(console.messages.entries.size(), std::size_t{2});
    QCOMPARE(console.messages.entries[1].icon, Icon::Error);
    const QString reason = console.messages.entries[1].text;
    QVERIFY2(
        reason.startsWith(
            QStringLiteral("Журнал чеков %1 недоступен: ").arg(QString::fromStdString(blocked))),
        qPrintable(reason));
    QVERIFY(!reason.contains(QStringLiteral("Чек не напечатан")));

    // Rows the journal would not trust are counted under the table, never hidden silently.
    const auto leftOut = [&](std::size_t refused) {
        const CJournalDlg dialog(&document, {{registered}, refused}, &frame);
        const auto* label = dialog.findChild<QLabel*>(QStringLiteral("rowsLeftOutLabel"));
        return label && label->isVisibleTo(&dialog) ? label->text() : QString();
    };
    QCOMPARE(leftOut(0), QString());
    QCOMPARE(leftOut(2),
             QStringLiteral("Не показано строк журнала с недопустимыми значениями: 2."));
}

void TestMainFrame::aLineThatHangsUpIsShownOnceAndEnterConnectsAgain() {
    ConsoleHarness console;
    QString error;
    QVERIFY2(console.Start(&error), qPrintable(error));
    CMainFrame& frame = console.Frame();
    QVERIFY(console.ConnectWithEnter());
    console.messages.entries.clear();

    // The cable is pulled while nobody presses anything.
    console.Register().HangUp();
    QTRY_VERIFY_WITH_TIMEOUT(!console.Document().IsConnected(), 10000);
    QCOMPARE(frame.StatusPanes()->StateText(), kStateDisconnected);
    QVERIFY(frame.ConnectAction()->isEnabled());
    // Why, once, in the operator's language.
    QCOMPARE(console.messages.entries.size(), std::size_t{1});
    const QString told = console.messages.entries[0].text;
    QVERIFY2(told.contains(orvik::gui::LoadText(orvik::kStrLineHungUp)), qPrintable(told));
    QVERIFY2(!told.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))), qPrintable(told));
    QVERIFY(console.prompt.entries.empty());

    // The cable is back: Enter connects again.
    QVERIFY(console.Register().Reconnect());
    QVERIFY(console.ConnectWithEnter());
    QCOMPARE(frame.StatusPanes()->StateText(), kStateConnected);
}

QTEST_MAIN(TestMainFrame)
#include "tst_main_frame.moc"
