#pragma once

#include <QMainWindow>
#include <QMargins>

#include <functional>
#include <utility>
#include <vector>

#include "gui/app/main_frame_dlg_bar.h"
#include "gui/pages/console_pages.h"

class QAction;
class QMenu;
class QToolBar;

namespace orvik::gui {

class CJournalDlg;
class ConsoleStatusBar;
class COrvikServiceDoc;
class COrvikServiceView;

// The console's one window: the menu, the tool strip with Connect and Disconnect and beside it
// the connection bar, the main view and the status bar. The window opens at the size the view
// asks for, or smaller on a screen without room for it (a page then scrolls in the view), and
// may be resized and maximised.
class CMainFrame : public QMainWindow {
    Q_OBJECT

  public:
    // pages: the view's tab pages; probe: how the connection bar finds the ports (the real
    // ports when empty).
    CMainFrame(COrvikServiceDoc* document, std::vector<PageEntry> pages,
               CMainFrameDlgBar::PortProbe probe = CMainFrameDlgBar::PortProbe(),
               QWidget* parent = nullptr);

    // The Connect command: the connection bar's values go to the document.
    void OnConnect();
    void OnDisconnect();
    // Connect is enabled exactly while no register is connected, Disconnect exactly while
    // one is; the menu items, the tool strip buttons and the Enter key follow.
    void UpdateCommandUI();

    // "Журнал чеков": the receipt journal in a modal dialog, or an error box with the reason
    // it cannot be opened.
    void OnJournal();
    // How the journal's dialog is shown: run modally when empty; tests and the screenshots work
    // it in a function of their own instead.
    using JournalDialogFunction = std::function<void(CJournalDlg& dialog)>;
    void SetJournalDialog(JournalDialogFunction show) { m_journalDialog = std::move(show); }

    // The room the window system's title bar and borders are taken to need while it has not
    // said how much they take (before the window is first shown): a title bar of 30 pixels and
    // borders of 4.
    static constexpr QMargins kFrameAllowance{4, 34, 4, 4};
    // Gives the window the size the view asks for, but no larger than the available area (of a
    // screen, less its panels) with room for the title bar and borders, and no smaller than the
    // bars need. A window already on screen is also moved into the area if it lies partly
    // outside. Done with the screen's available area when the window is first shown.
    void FitToScreen(const QRect& available);

    QAction* ConnectAction() const { return m_connectAction; }
    QAction* DisconnectAction() const { return m_disconnectAction; }
    QAction* TraceAction() const { return m_traceAction; }
    QAction* JournalAction() const { return m_journalAction; }
    // "Вид" → "Язык": one checkable item per language, its code ("ru", "uk", "en") as data;
    // a choice is saved for the next start.
    QMenu* LanguageMenu() const { return m_languageMenu; }
    QToolBar* ToolStrip() const { return m_toolStrip; }
    CMainFrameDlgBar* ConnectionBar() const { return m_pDlgBar; }
    ConsoleStatusBar* StatusPanes() const { return m_statusBar; }
    COrvikServiceView* View() const { return m_view; }

    // The first time the window is shown, it is fitted to its screen first.
    void setVisible(bool visible) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The bars are fixed; no menu offers to hide the connection bar.
    QMenu* createPopupMenu() override { return nullptr; }

  private:
    void CreateActions();
    void CreateMenu();
    void CreateLanguageMenu(QMenu* view);
    void CreateToolStrip();
    void CreateConnectionBar(CMainFrameDlgBar::PortProbe probe);
    void OnConnectionStateChanged();
    void OnActivityChanged(bool busy, const QString& status);
    void OnAbout();
    // "Протокол обмена в файл...": starts the protocol trace in a file the user names, or stops
    // the one running.
    void OnTraceToggled(bool on);

    COrvikServiceDoc* m_pDocument;
    ConsoleStatusBar* m_statusBar = nullptr;
    QToolBar* m_toolStrip = nullptr;
    CMainFrameDlgBar* m_pDlgBar = nullptr;
    COrvikServiceView* m_view = nullptr;
    QAction* m_connectAction = nullptr;
    QAction* m_disconnectAction = nullptr;
    QAction* m_exitAction = nullptr;
    QAction* m_statusBarAction = nullptr;
    QAction* m_aboutAction = nullptr;
    QAction* m_traceAction = nullptr;
    QAction* m_journalAction = nullptr;
    QMenu* m_languageMenu = nullptr;
    JournalDialogFunction m_journalDialog;
    // The window was asked to close while the register was busy; it closes once it is done.
    bool m_closePending = false;
    // The window has been fitted to its screen.
    bool m_fitted = false;
};

}  // namespace orvik::gui
