// The protocol terminal page against a simulated register: what it sends, what it logs, its
// buttons, and the command and report files it reads and writes.
#include <signal.h>
#include <sys/resource.h>

#include <QAction>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <chrono>
#include <system_error>

#include "gui/app/orvik_service_view.h"
#include "gui/controls/auto_size_list_ctrl.h"
#include "gui/controls/qt_text.h"
#include "gui/pages/tab_terminal.h"
#include "support/regular_file.h"
#include "support/text_codec.h"
#include "support/text_line_reader.h"
#include "tests/gui/page_fixture.h"
#include "tests/support/core_timings.h"

using namespace orvik::gui;

namespace {

using namespace std::chrono_literals;

// What the log shows, one line per entry as the report writes it: ">" before a sent command.
QStringList LogLines(const CAutoSizeListCtrl* log) {
    QStringList lines;
    for (int row = 0; row < log->RowCount(); ++row) {
        const QTreeWidgetItem* item = log->topLevelItem(row);
        const QVariant direction = item->data(0, Qt::UserRole);
        lines << (direction.toInt() == 1 ? QStringLiteral(">") : QString()) + item->text(0);
    }
    return lines;
}

// What the page's exchange log holds, in the same form: the list must show exactly this.
QStringList EntryLines(const orvik::console::TerminalLog& log) {
    QStringList lines;
    for (const orvik::console::LogEntry& entry : log.Entries()) {
        lines << QString::fromStdU16String(orvik::console::ReportLine(entry));
    }
    return lines;
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray Cp1251(std::u16string_view text) {
    return QByteArray::fromStdString(
        orvik::support::Encode(orvik::support::CodePage::Ansi1251, text));
}

// Answers every file dialog with a path set beforehand and keeps the requests.
struct FakeFileDialog {
    QString answer;
    std::vector<FileDialogRequest> requests;

    FileDialogFunction Function() {
        return [this](QWidget*, const FileDialogRequest& request) {
            requests.push_back(request);
            return answer;
        };
    }
};

// Answers "Yes" to every question.
class CAgreeingMessages : public RecordingMessages {
  public:
    bool AskYesNo(QWidget* parent, const QString& text, bool yes) override {
        RecordingMessages::AskYesNo(parent, text, yes);
        return true;
    }
};

// While it lives, this process may write no file beyond `bytes`: a longer write fails with
// EFBIG, as on a full disk.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        m_oldHandler = ::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        m_applied = ::setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        ::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool Applied() const { return m_applied; }

  private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
    bool m_applied = false;
};

// The console connected to a simulated register, showing the terminal page.
class CTerminalFixture : public PageFixture<CTabTerminal> {
  public:
    CTerminalFixture() : PageFixture(ConsoleRegister(), 4) {}

    bool Start(QString* error) {
        if (!PageFixture::Start(error)) {
            return false;
        }
        page->SetFileDialog(files.Function());
        // The tests type into the box before the page is first shown.
        page->EnsureWidgets();
        box = Find<QPlainTextEdit>("commandBox");
        log = Find<CAutoSizeListCtrl>("exchangeLog");
        if (!box || !log) {
            *error = QStringLiteral("the command box or the log is missing");
            return false;
        }
        return true;
    }

    QPushButton* Button(const char* name) const { return Find<QPushButton>(name); }

    // Each named command is answered with the replies given, for as long as the test runs.
    void Script(std::u16string_view name, orvik::sim::Replies replies) {
        console.Register().Scripts().Add(name, std::move(replies));
    }

    FakeFileDialog files;
    QPlainTextEdit* box = nullptr;
    CAutoSizeListCtrl* log = nullptr;
};

}  // namespace

class TestTabTerminal : public QObject {
    Q_OBJECT

  private slots:
    void buttonsFollowTheFirstLineAndTheLog();
    void sendsEveryNonEmptyLineAndLogsTheReplies();
    void shiftEnterStartsANewCommandLine();
    void dataRepliesEndAtReadyAndTheNextLineGoesAtOnce();
    void silenceAndLeftoverReplies();
    void logKeepsTwoHundredAndOneEntries();
    void longLinesAreCutAndNothingGoesWithoutARegister();
    void entriesShowWhileTheBatchRuns();
    void reconnectClearsTheLogAndKeepsTheCommands();
    void closingTheWindowEndsTheBatchAfterTheCurrentLine();
    void loadsCommandFiles();
    void filesThatCannotBeReadChangeNothing();
    void savesReportAndCommandFilesByteForByte();
    void aFailedSaveKeepsThePreviousFile();
    void asksBeforeCharactersAreLost();
};

void TestTabTerminal::buttonsFollowTheFirstLineAndTheLog() {
    CTerminalFixture terminal;
    START_PAGE(terminal);
    const auto enabled = [&terminal] {
        QString state;
        for (const char* name :
             {"sendButton", "clearCommandsButton", "loadFileButton", "saveCommandsButton",
              "selectAllButton", "deselectAllButton", "clearLogButton", "saveReportButton"}) {
            state += terminal.Button(name)->isEnabled() ? u'1' : u'0';
        }
        return state;
    };
    QCOMPARE(terminal.Button("sendButton")->text(), QStringLiteral("&Послать в ЭККР"));
    QVERIFY(terminal.Button("sendButton")->isDefault());
    QCOMPARE(terminal.log->headerItem()->text(0),
             QStringLiteral("Команды и ответы ЭККР уровня протокола"));

    // Empty box, empty log: only loading a file.
    QCOMPARE(enabled(), QStringLiteral("00100000"));

    // Enter starts a new line in the box rather than sending: the first line stays empty.
    terminal.box->setFocus();
    QTest::keyClick(terminal.box, Qt::Key_Return);
    QTest::keyClicks(terminal.box, QStringLiteral("CONF"));
    QCOMPARE(terminal.box->toPlainText(), QStringLiteral("\nCONF"));
    QVERIFY(terminal.NewCommands().empty());
    QCOMPARE(enabled(), QStringLiteral("00100000"));

    QTest::keyClick(terminal.box, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClicks(terminal.box, QStringLiteral("DATE"));
    QCOMPARE(enabled(), QStringLiteral("11110000"));

    terminal.page->LogLine(QStringLiteral("DATE"), true);
    terminal.page->LogLine(QStringLiteral("READY"), false);
    QCOMPARE(enabled(), QStringLiteral("11111011"));

    QTest::mouseClick(terminal.Button("selectAllButton"), Qt::LeftButton);
    QCOMPARE(terminal.log->selectedItems().size(), 2);
    QCOMPARE(enabled(), QStringLiteral("11111111"));
    QTest::mouseClick(terminal.Button("deselectAllButton"), Qt::LeftButton);
    QVERIFY(terminal.log->selectedItems().isEmpty());
    QCOMPARE(enabled(), QStringLiteral("11111011"));

    // Several entries can be picked by hand.
    const QTreeWidgetItem* first = terminal.log->topLevelItem(0);
    const QTreeWidgetItem* second = terminal.log->topLevelItem(1);
    QTest::mouseClick(terminal.log->viewport(), Qt::LeftButton, {},
                      terminal.log->visualItemRect(first).center());
    QTest::mouseClick(terminal.log->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      terminal.log->visualItemRect(second).center());
    QCOMPARE(terminal.log->selectedItems().size(), 2);
    QCOMPARE(enabled(), QStringLiteral("11111111"));

    QTest::mouseClick(terminal.Button("clearLogButton"), Qt::LeftButton);
    QCOMPARE(terminal.log->RowCount(), 0);
    QCOMPARE(enabled(), QStringLiteral("11110000"));

    QTest::mouseClick(terminal.Button("clearCommandsButton"), Qt::LeftButton);
    QVERIFY(terminal.box->toPlainText().isEmpty());
    QCOMPARE(enabled(), QStringLiteral("00100000"));
    QVERIFY(terminal.NewCommands().empty());
}

void TestTabTerminal::sendsEveryNonEmptyLineAndLogsTheReplies() {
    CTerminalFixture terminal;
    START_PAGE(terminal);
    terminal.Script(u"AAAA", {u"READY"});
    terminal.Script(u"bbbb", {u"SOFTPAPER", u"READY"});
    // Typed text goes out as it is: case, blanks and comment marks are the register's business.
    terminal.box->setPlainText(QStringLiteral("AAAA 1\n\nbbbb #2 "));
    QTest::mouseClick(terminal.Button("sendButton"), Qt::LeftButton);

    QCOMPARE(terminal.NewCommands(), (std::vector<std::u16string>{u"AAAA 1", u"bbbb #2 "}));
    QCOMPARE(LogLines(terminal.log),
             QStringList({">AAAA 1", "READY", ">bbbb #2 ", "SOFTPAPER", "READY"}));
    // No message: error tokens are only log lines here.
    QVERIFY(terminal.console.prompt.entries.empty());
    QVERIFY(terminal.console.messages.entries.empty());
    // Each entry carries the icon of its direction.
    const auto iconKey = [&terminal](int row) {
        return terminal.log->topLevelItem(row)->icon(0).pixmap(16, 16).toImage();
    };
    QVERIFY(!iconKey(0).isNull());
    QCOMPARE(iconKey(0), iconKey(2));
    QCOMPARE(iconKey(1), iconKey(3));
    QVERIFY(iconKey(0) != iconKey(1));
    // The box keeps its commands and the buttons follow the new log.
    QCOMPARE(terminal.box->toPlainText(), QStringLiteral("AAAA 1\n\nbbbb #2 "));
    QVERIFY(terminal.Button("saveReportButton")->isEnabled());
}

void TestTabTerminal::shiftEnterStartsANewCommandLine() {
    CTerminalFixture terminal;
    START_PAGE(terminal);
    terminal.Script(u"CONF", {u"READY"});
    terminal.Script(u"DATE", {u"READY"});
    // Commands are typed in capitals: Shift is easily still held when Enter goes down.
    terminal.box->setFocus();
    QTest::keyClicks(terminal.box, QStringLiteral("CONF"), Qt::ShiftModifier);
    QTest::keyClick(terminal.box, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(terminal.box, QStringLiteral("DATE"), Qt::ShiftModifier);
    QTest::keyClick(terminal.box, Qt::Key_Enter, Qt::ShiftModifier | Qt::KeypadModifier);
    QTest::keyClicks(terminal.box, QStringLiteral("CONF"));
    QCOMPARE(terminal.box->document()->blockCount(), 3);
    QCOMPARE(terminal.box->toPlainText(), QStringLiteral("CONF\nDATE\nCONF"));

    QTest::mouseClick(terminal.Button("sendButton"), Qt::LeftButton);
    QCOMPARE(terminal.NewCommands(), (std::vector<std::u16string>{u"CONF", u"DATE", u"CONF"}));
    QCOMPARE(LogLines(terminal.log),
             QStringList({">CONF", "READY", ">DATE", "READY", ">CONF", "READY"}));
}

void TestTabTerminal::dataRepliesEndAtReadyAndTheNextLineGoesAtOnce() {
    CTerminalFixture terminal;
    START_PAGE(terminal);
    terminal.Script(u"QVAL", {u"VAL1 12", u"VAL2 34", u"READY"});
    terminal.Script(u"NEXT", {u"READY"});
    terminal.box->setPlainText(QStringLiteral("QVAL\nNEXT"));

    // The register's replies are waited for without a time-out: only "READY" can end a line's
    // exchange and let the next line go, so SendCommands returns only if each one does (a wait
    // for silence instead would never end, and the test's time bound would fail it).
    ChangeTimings(*terminal.console.Document().m_pCore,
                  [&](orvik::device::CoreTimings& t) { t.replyTimeout = -1; });
    terminal.page->SendCommands();
    QCOMPARE(terminal.NewCommands(), (std::vector<std::u16string>{u"QVAL", u"NEXT"}));
    QCOMPARE(LogLines(terminal.log),
             QStringList({">QVAL", "VAL1 12", "VAL2 34", "READY", ">NEXT", "READY"}));
}

void TestTabTerminal::silenceAndLeftoverReplies() {
    CTerminalFixture terminal;
    terminal.console.UseShortTimeouts();
    START_PAGE(terminal);
    // An error token without "READY": the line ends when the register falls silent.
    terminal.Script(u"BADC", {u"SOFTBLOCK"});
    // A reply after "READY" is still queued when the next line goes out, and comes first.
    terminal.Script(u"TWOR", {u"READY", u"LATE"});
    terminal.Script(u"NEXT", {u"READY"});
    terminal.box->setPlainText(QStringLiteral("BADC\nNEXT\nTWOR\nNEXT"));
    terminal.page->SendCommands();
    QCOMPARE(LogLines(terminal.log), QStringList({">BADC", "SOFTBLOCK", ">NEXT", "READY", ">TWOR",
                                                  "READY", ">NEXT", "LATE", "READY"}));
    QVERIFY(terminal.console.prompt.entries.empty());
}

void TestTabTerminal::logKeepsTwoHundredAndOneEntries() {
    CTerminalFixture terminal;
    START_PAGE(terminal);
    terminal.Script(u"ECHO", {u"READY"});
    QStringList lines;
    for (int i = 1; i <= 250; ++i) {
        lines << QStringLiteral("ECHO %1").arg(i, 3, 10, QLatin1Char('0'));
    }
    terminal.box->setPlainText(lines.join(u'\n'));
    terminal.page->SendCommands();

    QCOMPARE(terminal.NewCommands().size(), std::size_t{250});
    const QStringList logged = LogLines(terminal.log);
    QCOMPARE(logged.size(), 201);
    QCOMPARE(EntryLines(terminal.page->Log()), logged);
    // 500 entries lose their 299 oldest: the log starts with the reply to line 150.
    QCOMPARE(logged.front(), QStringLiteral("READY"));
    QCOMPARE(logged.at(1), QStringLiteral(">ECHO 151"));
    QCOMPARE(logged.at(199), QStringLiteral(">ECHO 250"));
    QCOMPARE(logged.back(), QStringLiteral("READY"));
    // The newest entry is in view.
    const QRect last = terminal.log->visualItemRect(terminal.log->topLevelItem(200));
    QVERIFY(terminal.log->viewport()->rect().contains(last));
}

void TestTabTerminal::longLinesAreCutAndNothingGoesWithoutARegister() {
    CTerminalFixture terminal;
    START_PAGE(terminal);
    terminal.Script(u"LONG", {u"READY"});
    const QString line = QStringLiteral("LONG") + QString(296, u'Ж');
    terminal.box->setPlainText(line);
    terminal.page->SendCommands();
    const std::u16string sent = line.left(254).toStdU16String();
    QCOMPARE(terminal.NewCommands(), std::vector<std::u16string>{sent});
    QCOMPARE(LogLines(terminal.log), QStringList({">" + line.left(254), "READY"}));

    // Once the register is gone the page sends nothing and logs nothing.
    terminal.console.Frame().DisconnectAction()->trigger();
    QVERIFY(!terminal.console.Document().IsConnected());
    terminal.NewCommands();
    terminal.page->SendCommands();
    QCOMPARE(terminal.log->RowCount(), 2);
    QVERIFY(terminal.NewCommands().empty());
}

void TestTabTerminal::entriesShowWhileTheBatchRuns() {
    CTerminalFixture terminal;
    START_PAGE(terminal);
    terminal.Script(u"SLOW", {u"READY"});
    // The register takes its time, so the window gets to repaint while it waits.
    orvik::sim::ReplyShape shape;
    shape.answerDelay = 150ms;
    QVERIFY(terminal.console.Register().Faults().SetShape(shape));

    std::vector<int> rowsSeen;
    bool waitCursorShown = true;
    terminal.console.Document().SetEventPump([&] {
        rowsSeen.push_back(terminal.log->RowCount());
        const QCursor* cursor = QGuiApplication::overrideCursor();
        waitCursorShown = waitCursorShown && cursor && cursor->shape() == Qt::WaitCursor;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    terminal.box->setPlainText(QStringLiteral("SLOW 1\nSLOW 2\nSLOW 3"));
    terminal.page->SendCommands();
    terminal.console.Document().SetEventPump({});

    QCOMPARE(terminal.log->RowCount(), 6);
    // While each line waited for its reply, the entries before it were already in the log.
    for (const int rows : {1, 3, 5}) {
        QVERIFY2(std::find(rowsSeen.begin(), rowsSeen.end(), rows) != rowsSeen.end(),
                 qPrintable(QString::number(rows)));
    }
    QVERIFY(waitCursorShown);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestTabTerminal::reconnectClearsTheLogAndKeepsTheCommands() {
    CTerminalFixture terminal;
    START_PAGE(terminal);
    terminal.Script(u"CHEK", {u"READY"});
    terminal.box->setPlainText(QStringLiteral("CHEK"));
    terminal.page->SendCommands();
    QCOMPARE(terminal.log->RowCount(), 2);
    // The view suspends painting while it refreshes the pages; the log paints again after.
    QVERIFY(terminal.log->updatesEnabled());

    // A disconnect leaves the log as it is; the next connection starts a new one.
    terminal.console.Frame().DisconnectAction()->trigger();
    QCOMPARE(terminal.log->RowCount(), 2);
    QVERIFY(terminal.ConnectAndShow());
    QCOMPARE(terminal.log->RowCount(), 0);
    QVERIFY(terminal.page->Log().Empty());
    QVERIFY(terminal.log->updatesEnabled());
    QCOMPARE(terminal.box->toPlainText(), QStringLiteral("CHEK"));
    QVERIFY(!terminal.Button("saveReportButton")->isEnabled());
    QVERIFY(terminal.Button("sendButton")->isEnabled());
}

void TestTabTerminal::closingTheWindowEndsTheBatchAfterTheCurrentLine() {
    CTerminalFixture terminal;
    terminal.console.UseShortTimeouts();
    START_PAGE(terminal);
    // Commands the register never confirms: every line waits out the reply time-out.
    terminal.box->setPlainText(QStringLiteral("MUTE 1\nMUTE 2\nMUTE 3\nMUTE 4"));
    bool closeAsked = false;
    terminal.console.Document().SetEventPump([&] {
        if (!closeAsked) {
            closeAsked = true;
            terminal.console.Frame().close();
        }
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    terminal.page->SendCommands();
    terminal.console.Document().SetEventPump({});

    QVERIFY(closeAsked);
    // The line under way is finished and logged; no further line goes out.
    QCOMPARE(terminal.NewCommands(), std::vector<std::u16string>{u"MUTE 1"});
    QCOMPARE(LogLines(terminal.log).front(), QStringLiteral(">MUTE 1"));
    QTRY_VERIFY_WITH_TIMEOUT(!terminal.console.Frame().isVisible(), 10000);
    QVERIFY(!terminal.console.Document().IsConnected());
}

void TestTabTerminal::loadsCommandFiles() {
    CTerminalFixture terminal;
    START_PAGE(terminal);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());

    const QString example = folder.filePath(QStringLiteral("example.cmd"));
    WriteFile(example,
              "# the register's identity\r\n   ; not sent either\r\n\r\n  CONF\r\nDATE\r\n");
    terminal.files.answer = example;
    terminal.box->setPlainText(QStringLiteral("old text"));
    QTest::mouseClick(terminal.Button("loadFileButton"), Qt::LeftButton);

    QCOMPARE(terminal.box->toPlainText(), QStringLiteral("CONF\nDATE"));
    QVERIFY(terminal.box->textCursor().atEnd());
    QVERIFY(terminal.Button("sendButton")->isEnabled());
    QCOMPARE(terminal.files.requests.size(), std::size_t{1});
    const FileDialogRequest& request = terminal.files.requests.front();
    QCOMPARE(request.mode, FileDialogRequest::Mode::Open);
    QCOMPARE(request.title, QStringLiteral("Открыть командный файл ЭККР"));
    QCOMPARE(request.nameFilters, QStringList({"Командные файлы ЭККР (*.cmd)", "Все файлы (*)"}));
    QCOMPARE(request.defaultSuffix, QStringLiteral("cmd"));

    // The last line needs no line end; the text is Windows-1251.
    const QString unended = folder.filePath(QStringLiteral("unended.cmd"));
    WriteFile(unended, Cp1251(u"FISC Хлеб \r\nCOMP"));
    terminal.files.answer = unended;
    terminal.page->LoadCommandFile();
    QCOMPARE(terminal.box->toPlainText(), QStringLiteral("FISC Хлеб \nCOMP"));

    // A file of comments only leaves the box empty and nothing to send.
    const QString comments = folder.filePath(QStringLiteral("comments.cmd"));
    WriteFile(comments, "# nothing\r\n");
    terminal.files.answer = comments;
    terminal.page->LoadCommandFile();
    QVERIFY(terminal.box->toPlainText().isEmpty());
    QVERIFY(!terminal.Button("sendButton")->isEnabled());
    QVERIFY(terminal.console.messages.entries.empty());
}

void TestTabTerminal::filesThatCannotBeReadChangeNothing() {
    CTerminalFixture terminal;
    START_PAGE(terminal);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    terminal.box->setPlainText(QStringLiteral("CONF"));

    // Cancelled, or a file that does not open: silently nothing.
    terminal.files.answer.clear();
    terminal.page->LoadCommandFile();
    terminal.files.answer = folder.filePath(QStringLiteral("missing.cmd"));
    terminal.page->LoadCommandFile();
    QCOMPARE(terminal.box->toPlainText(), QStringLiteral("CONF"));
    QVERIFY(terminal.console.messages.entries.empty());

    // A folder is no file: the reason, and the box keeps its commands.
    terminal.files.answer = folder.path();
    terminal.page->LoadCommandFile();
    QCOMPARE(terminal.box->toPlainText(), QStringLiteral("CONF"));
    QCOMPARE(terminal.console.messages.entries.size(), std::size_t{1});
    QCOMPARE(terminal.console.messages.entries.front().icon, IConsoleMessages::Icon::Error);
    const QString reason =
        Qt16(orvik::support::SystemErrorText(orvik::support::kErrorNotRegularFile));
    QVERIFY2(terminal.console.messages.entries.front().text.contains(reason),
             qPrintable(terminal.console.messages.entries.front().text));

    // Binary data is no command file.
    const QString binary = folder.filePath(QStringLiteral("binary.cmd"));
    WriteFile(binary, QByteArray("CONF\r\n\x7F"
                                 "ELF\x02\x01\x01\0\0",
                                 15));
    terminal.files.answer = binary;
    terminal.page->LoadCommandFile();
    QCOMPARE(terminal.box->toPlainText(), QStringLiteral("CONF"));
    QCOMPARE(terminal.console.messages.entries.size(), std::size_t{2});
    QCOMPARE(terminal.console.messages.entries.back().icon, IConsoleMessages::Icon::Warning);
    QVERIFY(terminal.console.messages.entries.back().text.contains(QStringLiteral("строка 2")));
}

void TestTabTerminal::savesReportAndCommandFilesByteForByte() {
    CTerminalFixture terminal;
    START_PAGE(terminal);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    terminal.Script(u"PREP", {u"READY"});
    // " FIS" is no command the register knows: it says so and nothing more.
    ChangeTimings(*terminal.console.Document().m_pCore,
                  [&](orvik::device::CoreTimings& t) { t.replyTimeout = 200; });
    terminal.box->setPlainText(QStringLiteral("PREP\n\n FISC Хлеб "));
    terminal.page->SendCommands();

    const QString report = folder.filePath(QStringLiteral("exchange.rpt"));
    terminal.files.answer = report;
    QTest::mouseClick(terminal.Button("saveReportButton"), Qt::LeftButton);
    QCOMPARE(FileBytes(report), Cp1251(u">PREP\r\nREADY\r\n> FISC Хлеб \r\nSOFTCOMMAN\r\n"));
    const FileDialogRequest& reportRequest = terminal.files.requests.back();
    QCOMPARE(reportRequest.mode, FileDialogRequest::Mode::Save);
    QCOMPARE(reportRequest.title, QStringLiteral("Сохранить протокол в файл"));
    QCOMPARE(reportRequest.nameFilters,
             QStringList({"Файлы отчетов ЭККР (*.rpt)", "Все файлы (*)"}));
    QCOMPARE(reportRequest.defaultSuffix, QStringLiteral("rpt"));

    // Every line of the box, the empty one too; loading the file back drops it.
    const QString commands = folder.filePath(QStringLiteral("commands.cmd"));
    terminal.files.answer = commands;
    QTest::mouseClick(terminal.Button("saveCommandsButton"), Qt::LeftButton);
    QCOMPARE(FileBytes(commands), Cp1251(u"PREP\r\n\r\n FISC Хлеб \r\n"));
    const FileDialogRequest& commandRequest = terminal.files.requests.back();
    QCOMPARE(commandRequest.mode, FileDialogRequest::Mode::Save);
    QCOMPARE(commandRequest.title, QStringLiteral("Сохранить команды в файл"));
    QCOMPARE(commandRequest.nameFilters,
             QStringList({"Командные файлы ЭККР (*.cmd)", "Все файлы (*)"}));
    QCOMPARE(commandRequest.defaultSuffix, QStringLiteral("cmd"));
    terminal.page->LoadCommandFile();
    QCOMPARE(terminal.box->toPlainText(), QStringLiteral("PREP\nFISC Хлеб "));

    // Saving again replaces the file; a cancelled dialog writes nothing.
    terminal.page->SaveCommandFile();
    QCOMPARE(FileBytes(commands), Cp1251(u"PREP\r\nFISC Хлеб \r\n"));
    terminal.files.answer.clear();
    terminal.page->SaveReport();
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    QVERIFY(terminal.console.messages.entries.empty());
}

void TestTabTerminal::aFailedSaveKeepsThePreviousFile() {
    CTerminalFixture terminal;
    START_PAGE(terminal);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString report = folder.filePath(QStringLiteral("exchange.rpt"));
    const QByteArray previous(">CONF\r\nREADY\r\n");
    WriteFile(report, previous);
    for (int i = 0; i < 20; ++i) {
        terminal.page->LogLine(QStringLiteral("a reply long enough to pass the limit"), false);
    }

    terminal.files.answer = report;
    {
        const FileSizeLimit limit(64);
        QVERIFY(limit.Applied());
        terminal.page->SaveReport();
    }
    QCOMPARE(FileBytes(report), previous);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    QCOMPARE(terminal.console.messages.entries.size(), std::size_t{1});
    const auto& shown = terminal.console.messages.entries.front();
    QCOMPARE(shown.icon, IConsoleMessages::Icon::Error);
    const QString reason = QString::fromStdString(std::generic_category().message(EFBIG));
    QVERIFY2(shown.text.contains(reason) && shown.text.contains(report), qPrintable(shown.text));

    // A file that cannot be created: silently nothing.
    terminal.files.answer = folder.filePath(QStringLiteral("no-such-folder/exchange.rpt"));
    terminal.page->SaveReport();
    QCOMPARE(terminal.console.messages.entries.size(), std::size_t{1});
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 1);
}

void TestTabTerminal::asksBeforeCharactersAreLost() {
    CTerminalFixture terminal;
    START_PAGE(terminal);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString commands = folder.filePath(QStringLiteral("frame.cmd"));
    terminal.files.answer = commands;
    terminal.box->setPlainText(QStringLiteral("HEAD ╔═╗"));

    // "No" keeps the file from being written.
    terminal.page->SaveCommandFile();
    QCOMPARE(terminal.console.messages.entries.size(), std::size_t{1});
    QVERIFY(!QFile::exists(commands));

    CAgreeingMessages agreeing;
    terminal.console.Document().SetMessages(&agreeing);
    terminal.page->SaveCommandFile();
    terminal.console.Document().SetMessages(&terminal.console.messages);
    QCOMPARE(agreeing.entries.size(), std::size_t{1});
    QCOMPARE(FileBytes(commands), QByteArray("HEAD ???\r\n"));

    // Text the code page holds asks nothing.
    terminal.box->setPlainText(QStringLiteral("HEAD Ёё №"));
    terminal.page->SaveCommandFile();
    QCOMPARE(terminal.console.messages.entries.size(), std::size_t{1});
    QCOMPARE(FileBytes(commands), Cp1251(u"HEAD Ёё №\r\n"));
}

QTEST_MAIN(TestTabTerminal)
#include "tst_tab_terminal.moc"
