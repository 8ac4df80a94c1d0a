#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

#include "console/receipt_journal.h"
#include "device/link/protocol_trace.h"
#include "device/orvik_core.h"
#include "gui/document/connection_rules.h"
#include "gui/document/console_messages.h"
#include "gui/document/input_gate.h"

namespace orvik::gui {

// The one document of the console. It owns the device core while a connection is
// established and nothing otherwise: m_pCore is the program's single connection state, read
// afresh by the menu, the status bar, the view and every page action.
//
// While the register works, the core calls back about every 20 ms; the document then lets the
// window repaint (user input stays queued) and keeps the wait cursor up. Connect and
// Disconnect are refused while a device operation is running, so neither can start again from
// inside such a wait.
class COrvikServiceDoc : public QObject {
    Q_OBJECT

  public:
    using CoreFactory = std::function<std::unique_ptr<device::COrvikCore>()>;
    using EventPump = std::function<void()>;

    explicit COrvikServiceDoc(QObject* parent = nullptr);
    ~COrvikServiceDoc() override;
    COrvikServiceDoc(const COrvikServiceDoc&) = delete;
    COrvikServiceDoc& operator=(const COrvikServiceDoc&) = delete;

    // Non-null exactly while a register is connected.
    std::unique_ptr<device::COrvikCore> m_pCore;

    bool IsConnected() const { return m_pCore != nullptr; }

    // The Connect command: checks the connection bar's values (the first problem is shown as a
    // warning and nothing is attempted), then connects a new core. A failed connection leaves
    // no core; the core has shown its own message. The views are told in every case.
    void OnConnect(const ConnectionValues& values);
    // The Disconnect command: disconnects and destroys the core, then tells the views.
    void OnDisconnect();
    // The main window closes: the core, if any, disconnects and goes.
    void OnCloseDocument();
    // The register's line ended (the cable pulled, the adapter gone, the register switched
    // off): once no operation runs, the console is disconnected, the operator is told why in
    // one box (unless the failed operation's box already said it), and Enter connects again.
    // Checked a few times a second while connected.
    void CheckLink();
    // Asks every view to re-derive what it shows from the connection and to refresh its pages
    // (after each connect attempt, each disconnect and each Z report).
    void UpdateAllViews();

    // A device operation is running (the core is waiting for the register).
    bool IsBusy() const { return m_activityDepth > 0 || m_pumpDepth > 0; }
    // Shut while a device operation runs: clicks and keys that arrive meanwhile, or were
    // queued, are dropped once it ends, so that one press is one operation.
    InputGate& Gate() { return m_inputGate; }
    // The window was asked to close while the register was busy and closes once it is done:
    // work of several steps (a batch of terminal commands) stops before its next step.
    void SetCloseRequested() { m_closeRequested = true; }
    bool IsCloseRequested() const { return m_closeRequested; }

    // --- What the document works with; tests replace these ----------------------------------
    // Makes each new core; by default a plain COrvikCore.
    void SetCoreFactory(CoreFactory factory);
    // Where the core's messages go; by default message boxes titled "Орвик-683".
    void SetPrompt(device::IPrompt* prompt);
    device::IPrompt& Prompt() const { return *m_prompt; }
    // Where the console's own boxes go; by default message boxes titled with the console title.
    void SetMessages(IConsoleMessages* messages);
    IConsoleMessages& Messages() const { return *m_messages; }
    // What runs while the core waits; by default the pending events other than user input.
    void SetEventPump(EventPump pump);
    // The window the document's own boxes belong to.
    void SetMainWindow(QWidget* window) { m_mainWindow = window; }
    QWidget* MainWindow() const { return m_mainWindow; }

    // --- The protocol trace (ORVIK_TRACE at start, or the "Вид" menu) -------------------------
    // Every core from now on traces its line into the file. False with the reason in *error.
    bool StartTrace(const std::string& path, std::string* error);
    void StopTrace();
    bool IsTracing() const { return m_trace.IsOpen(); }

    // --- The receipt journal ------------------------------------------------------------------
    // Shared by every core of this run and, through its file, with orvik-cli: every receipt
    // copy is written there before its close is sent, and the next connect to the same
    // register settles a close whose outcome is unknown. Opened at the first call (a connect or
    // a print, never at start-up) and, while it cannot be, again at each call; nullptr with the
    // reason in *error (no receipt may be printed).
    console::ReceiptJournal* Journal(std::string* error = nullptr);
    const std::string& JournalPath() const { return m_journalPath; }
    // Tests keep the journal elsewhere; a new path is opened at the next call of Journal.
    void SetJournalPath(std::string path);
    // The operator named at the last connect.
    const std::u16string& OperatorName() const { return m_operatorName; }

  signals:
    // The connection was made, refused or ended; emitted before the views are updated.
    void ConnectionStateChanged();
    // Every view re-derives its face and, while connected, refreshes its pages.
    void ViewsUpdateRequested();
    // A device operation started (busy, with the text to show) or the last one ended.
    void ActivityChanged(bool busy, const QString& status);

  private:
    friend class DeviceActivity;
    void BeginActivity(const QString& status);
    void EndActivity();
    // Called by the core while it waits.
    void PumpEvents();
    std::unique_ptr<device::COrvikCore> CreateCore();
    void ConnectNewCore(const ConnectionValues& values);

    CoreFactory m_coreFactory;
    QTimer m_linkWatch;
    std::unique_ptr<device::IPrompt> m_ownPrompt;
    device::IPrompt* m_prompt;
    MessageBoxMessages m_ownMessages;
    IConsoleMessages* m_messages;
    // Outlive every core: the destructor destroys the core first.
    std::string m_journalPath;
    std::unique_ptr<console::ReceiptJournal> m_journal;
    std::u16string m_operatorName;
    orvik::device::ProtocolTrace m_trace;
    EventPump m_eventPump;
    InputGate m_inputGate;
    QPointer<QWidget> m_mainWindow;
    int m_activityDepth = 0;
    int m_pumpDepth = 0;
    bool m_closeRequested = false;
};

// Marks a device operation for its lifetime: the wait cursor shows, the status text (if any)
// replaces the idle text, and Connect and Disconnect wait until it ends. Pages put one around
// every call into the core.
class DeviceActivity {
  public:
    explicit DeviceActivity(COrvikServiceDoc& document, const QString& status = QString());
    ~DeviceActivity();
    DeviceActivity(const DeviceActivity&) = delete;
    DeviceActivity& operator=(const DeviceActivity&) = delete;

  private:
    COrvikServiceDoc& m_document;
};

}  // namespace orvik::gui
