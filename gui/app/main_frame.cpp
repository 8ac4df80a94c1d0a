#include "gui/app/main_frame.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QSignalBlocker>
#include <QToolBar>
#include <QWindow>

#include <algorithm>

#include "gui/app/console_language.h"
#include "gui/app/console_resources.h"
#include "gui/app/console_status_bar.h"
#include "gui/app/orvik_service_view.h"
#include "gui/controls/about_dlg.h"
#include "gui/controls/qt_text.h"
#include "gui/document/orvik_service_doc.h"
#include "gui/pages/journal_dlg.h"
#include "res/string_table.h"

namespace orvik::gui {

namespace {

// Whether key events of this platform carry the X11-style modifier mask with the locks in it.
bool PlatformReportsLocks() {
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
}

}  // namespace

CMainFrame::CMainFrame(COrvikServiceDoc* document, std::vector<PageEntry> pages,
                       CMainFrameDlgBar::PortProbe probe, QWidget* parent)
    : QMainWindow(parent), m_pDocument(document) {
    InitConsoleResources();
    setWindowTitle(LoadText(kStrConsoleTitle));
    m_pDocument->SetMainWindow(this);

    // In this order: status bar, tool strip, connection bar.
    m_statusBar = new ConsoleStatusBar(this);
    setStatusBar(m_statusBar);
    CreateActions();
    CreateToolStrip();
    CreateConnectionBar(std::move(probe));
    CreateMenu();

    m_view = new COrvikServiceView(m_pDocument, std::move(pages), this);
    setCentralWidget(m_view);

    connect(m_pDocument, &COrvikServiceDoc::ConnectionStateChanged, this,
            &CMainFrame::OnConnectionStateChanged);
    connect(m_pDocument, &COrvikServiceDoc::ActivityChanged, this, &CMainFrame::OnActivityChanged);
    if (PlatformReportsLocks()) {
        QGuiApplication::instance()->installEventFilter(this);
    }
    OnConnectionStateChanged();
    m_pDlgBar->FocusPassword();
}

void CMainFrame::CreateActions() {
    m_connectAction = new QAction(QIcon(QStringLiteral(":/icons/connect.png")),
                                  LoadText(kStrConnectMenuItem), this);
    m_connectAction->setIconText(LoadText(kStrConnectButton));
    m_connectAction->setToolTip(LoadText(kStrConnectPrompt));
    m_connectAction->setStatusTip(LoadText(kStrConnectPrompt));
    // Enter connects from anywhere in the window, the password field included; the shortcut
    // goes with the action's enabling, so while connected Enter reaches the pages.
    m_connectAction->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    m_connectAction->setShortcutContext(Qt::WindowShortcut);
    connect(m_connectAction, &QAction::triggered, this, &CMainFrame::OnConnect);

    m_disconnectAction = new QAction(QIcon(QStringLiteral(":/icons/disconnect.png")),
                                     LoadText(kStrDisconnectMenuItem), this);
    m_disconnectAction->setIconText(LoadText(kStrDisconnectButton));
    m_disconnectAction->setToolTip(LoadText(kStrDisconnectPrompt));
    m_disconnectAction->setStatusTip(LoadText(kStrDisconnectPrompt));
    connect(m_disconnectAction, &QAction::triggered, this, &CMainFrame::OnDisconnect);

    m_exitAction = new QAction(LoadText(kStrExitMenuItem), this);
    m_exitAction->setStatusTip(LoadText(kStrExitTip));
    connect(m_exitAction, &QAction::triggered, this, &QWidget::close);

    m_statusBarAction = new QAction(LoadText(kStrStatusBarMenuItem), this);
    m_statusBarAction->setCheckable(true);
    m_statusBarAction->setChecked(true);
    m_statusBarAction->setStatusTip(LoadText(kStrStatusBarTip));
    connect(m_statusBarAction, &QAction::toggled, m_statusBar, &QWidget::setVisible);

    m_aboutAction = new QAction(LoadText(kStrAboutMenuItem), this);
    m_aboutAction->setStatusTip(LoadText(kStrAboutTip));
    connect(m_aboutAction, &QAction::triggered, this, &CMainFrame::OnAbout);

    m_traceAction = new QAction(QString::fromStdU16String(LoadString(kStrTraceMenuItem)), this);
    m_traceAction->setCheckable(true);
    // A trace started by ORVIK_TRACE shows as running.
    m_traceAction->setChecked(m_pDocument->IsTracing());
    connect(m_traceAction, &QAction::toggled, this, &CMainFrame::OnTraceToggled);

    m_journalAction = new QAction(LoadText(kStrJournalMenuItem), this);
    connect(m_journalAction, &QAction::triggered, this, &CMainFrame::OnJournal);
}

void CMainFrame::OnJournal() {
    const auto cannotOpen = [this](const std::string& reason) {
        m_pDocument->Messages().Show(this, IConsoleMessages::Icon::Error,
                                     LoadText(kStrJournalCannotOpen)
                                         .arg(QString::fromStdString(m_pDocument->JournalPath()),
                                              QString::fromStdString(reason)));
    };
    std::string error;
    console::ReceiptJournal* journal = m_pDocument->Journal(&error);
    if (!journal) {
        cannotOpen(error);
        return;
    }
    console::JournalRows rows = journal->List(std::nullopt);
    if (!rows.error.empty()) {
        cannotOpen(rows.error);
        return;
    }
    CJournalDlg dialog(m_pDocument, std::move(rows), this);
    if (m_journalDialog) {
        m_journalDialog(dialog);
        return;
    }
    dialog.exec();
}

void CMainFrame::OnTraceToggled(bool on) {
    if (!on) {
        m_pDocument->StopTrace();
        m_statusBar->clearMessage();
        return;
    }
    if (m_pDocument->IsTracing()) {
        return;
    }
    const QString title = QString::fromStdU16String(LoadString(kStrTraceFileTitle));
    const QString path = QFileDialog::getSaveFileName(this, title, QStringLiteral("orvik.trace"));
    std::string error;
    if (path.isEmpty() || !m_pDocument->StartTrace(path.toStdString(), &error)) {
        const QSignalBlocker quiet(m_traceAction);
        m_traceAction->setChecked(false);
        if (!path.isEmpty()) {
            m_pDocument->Messages().Show(this, IConsoleMessages::Icon::Error,
                                         QString::fromStdU16String(LoadString(kStrTraceCannotStart))
                                             .arg(QString::fromStdString(error)));
        }
        return;
    }
    m_statusBar->showMessage(QString::fromStdU16String(LoadString(kStrTraceRunning)).arg(path));
}

void CMainFrame::CreateToolStrip() {
    m_toolStrip = new QToolBar(LoadText(kStrToolStripTitle), this);
    m_toolStrip->setObjectName(QStringLiteral("toolStrip"));
    m_toolStrip->setMovable(false);
    m_toolStrip->setFloatable(false);
    m_toolStrip->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_toolStrip->addAction(m_connectAction);
    m_toolStrip->addAction(m_disconnectAction);
    addToolBar(Qt::TopToolBarArea, m_toolStrip);
}

void CMainFrame::CreateConnectionBar(CMainFrameDlgBar::PortProbe probe) {
    m_pDlgBar = new CMainFrameDlgBar(this, std::move(probe));
    auto* strip = new QToolBar(LoadText(kStrConnectionStripTitle), this);
    strip->setObjectName(QStringLiteral("connectionStrip"));
    strip->setMovable(false);
    strip->setFloatable(false);
    strip->addWidget(m_pDlgBar);
    // In the tool strip's row, after it: one row of bars leaves the pages the height they need
    // on a 1024 x 768 screen.
    addToolBar(Qt::TopToolBarArea, strip);
}

void CMainFrame::FitToScreen(const QRect& available) {
    // The margins the window system reported, where larger than the allowance.
    QMargins frame = kFrameAllowance;
    if (const QWindow* window = windowHandle()) {
        const QMargins known = window->frameMargins();
        frame = QMargins(std::max(frame.left(), known.left()), std::max(frame.top(), known.top()),
                         std::max(frame.right(), known.right()),
                         std::max(frame.bottom(), known.bottom()));
    }
    const QSize room = available.size().shrunkBy(frame);
    resize(sizeHint().boundedTo(room).expandedTo(minimumSizeHint()));
    if (!isVisible()) {
        // The window manager places a window that is not yet shown.
        return;
    }
    const QRect outside = frameGeometry();
    const int x = std::max(available.left(),
                           std::min(outside.left(), available.right() + 1 - outside.width()));
    const int y = std::max(available.top(),
                           std::min(outside.top(), available.bottom() + 1 - outside.height()));
    if (x != outside.left() || y != outside.top()) {
        move(x, y);
    }
}

void CMainFrame::setVisible(bool visible) {
    if (visible && !m_fitted) {
        m_fitted = true;
        if (const QScreen* where = screen()) {
            FitToScreen(where->availableGeometry());
        }
    }
    QMainWindow::setVisible(visible);
}

void CMainFrame::CreateMenu() {
    QMenu* connection = menuBar()->addMenu(LoadText(kStrConnectionMenu));
    connection->addAction(m_connectAction);
    connection->addAction(m_disconnectAction);
    connection->addSeparator();
    connection->addAction(m_exitAction);

    QMenu* view = menuBar()->addMenu(LoadText(kStrViewMenu));
    QAction* toolStripAction = m_toolStrip->toggleViewAction();
    toolStripAction->setText(LoadText(kStrToolStripMenuItem));
    toolStripAction->setStatusTip(LoadText(kStrToolStripTip));
    view->addAction(toolStripAction);
    view->addAction(m_statusBarAction);
    view->addSeparator();
    view->addAction(m_traceAction);
    view->addAction(m_journalAction);
    view->addSeparator();
    CreateLanguageMenu(view);

    QMenu* help = menuBar()->addMenu(LoadText(kStrHelpMenu));
    help->addAction(m_aboutAction);
}

void CMainFrame::CreateLanguageMenu(QMenu* view) {
    m_languageMenu = view->addMenu(LoadText(kStrLanguageMenu));
    m_languageMenu->menuAction()->setStatusTip(LoadText(kStrLanguageTip));
    auto* group = new QActionGroup(m_languageMenu);
    // Each language by its own name, as a reader of that language looks for it.
    const std::pair<Language, QString> languages[] = {
        {Language::Russian, QStringLiteral("Русский")},
        {Language::Ukrainian, QStringLiteral("Українська")},
        {Language::English, QStringLiteral("English")},
    };
    for (const auto& [language, name] : languages) {
        QAction* action = m_languageMenu->addAction(name);
        action->setCheckable(true);
        action->setChecked(language == CurrentLanguage());
        action->setData(QString::fromLatin1(LanguageCode(language)));
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, language = language] {
            SaveLanguage(language);
            // The pages are built once, in the language of the start.
            m_pDocument->Messages().Show(this, IConsoleMessages::Icon::Information,
                                         LoadText(kStrLanguageAfterRestart));
        });
    }
}

void CMainFrame::OnConnect() {
    // A disabled command can still be triggered from code (a queued trigger): the rule holds
    // there too.
    if (!m_connectAction->isEnabled()) {
        return;
    }
    m_pDlgBar->ReadControls();
    m_pDocument->OnConnect(m_pDlgBar->Values());
}

void CMainFrame::OnDisconnect() {
    if (!m_disconnectAction->isEnabled()) {
        return;
    }
    m_pDocument->OnDisconnect();
}

void CMainFrame::UpdateCommandUI() {
    const auto enabling = EnablingFor(m_pDocument->IsConnected());
    m_connectAction->setEnabled(enabling.connect);
    m_disconnectAction->setEnabled(enabling.disconnect);
}

void CMainFrame::OnConnectionStateChanged() {
    UpdateCommandUI();
    m_statusBar->ShowConnection(m_pDocument->m_pCore.get());
}

void CMainFrame::OnActivityChanged(bool busy, const QString& status) {
    m_statusBar->ShowActivity(status);
    if (!busy && m_closePending) {
        // Not from inside the operation that just ended: once the event loop has it back.
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    }
}

void CMainFrame::OnAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // The core is in the middle of talking to the register, somewhere down this very stack:
    // the window closes as soon as it is done.
    if (m_pDocument->IsBusy()) {
        m_closePending = true;
        m_pDocument->SetCloseRequested();
        event->ignore();
        return;
    }
    m_closePending = false;
    m_pDocument->OnCloseDocument();
    event->accept();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        m_statusBar->ShowKeyboardLocks(LocksFromModifierMask(key->nativeModifiers()));
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace orvik::gui
