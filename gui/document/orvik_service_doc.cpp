#include "gui/document/orvik_service_doc.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "gui/controls/qt_text.h"
#include "gui/document/message_box_prompt.h"

namespace orvik::gui {

COrvikServiceDoc::COrvikServiceDoc(QObject* parent)
    : QObject(parent),
      m_ownPrompt(std::make_unique<MessageBoxPrompt>()),
      m_prompt(m_ownPrompt.get()),
      m_messages(&m_ownMessages),
      m_journalPath(console::DefaultJournalPath()) {
    // The receiver notes a line that ended at once; a look five times a second shows it to
    // the operator well within a second, and costs nothing while the line is up.
    constexpr int kLinkWatchMs = 200;
    m_linkWatch.setInterval(kLinkWatchMs);
    connect(&m_linkWatch, &QTimer::timeout, this, &COrvikServiceDoc::CheckLink);
    // A trace asked for before the window opens covers the first connect too. A file that
    // cannot be written leaves the console untraced; the menu item shows it. A trace that stops
    // on the way is said once on standard error, and the exchange goes on untraced.
    m_trace.SetFailureHandler(
        [](const std::string& text) { std::fprintf(stderr, "orvik-console: %s\n", text.c_str()); });
    if (const char* path = std::getenv("ORVIK_TRACE"); path && *path) {
        m_trace.Open(path, nullptr);
    }
}

console::ReceiptJournal* COrvikServiceDoc::Journal(std::string* error) {
    if (!m_journal) {
        std::string reason;
        m_journal = console::ReceiptJournal::Open(m_journalPath, &reason);
        if (error) {
            *error = reason;
        }
        if (m_journal && m_pCore) {
            m_pCore->SetCloseJournal(m_journal.get());
        }
    }
    return m_journal.get();
}

void COrvikServiceDoc::SetJournalPath(std::string path) {
    if (m_pCore) {
        m_pCore->SetCloseJournal(nullptr);
    }
    m_journal.reset();
    m_journalPath = std::move(path);
}

bool COrvikServiceDoc::StartTrace(const std::string& path, std::string* error) {
    return m_trace.Open(path, error);
}

void COrvikServiceDoc::StopTrace() {
    m_trace.Close();
}

COrvikServiceDoc::~COrvikServiceDoc() {
    // Destroying the core closes its connection.
    m_pCore.reset();
}

void COrvikServiceDoc::SetCoreFactory(CoreFactory factory) {
    m_coreFactory = std::move(factory);
}

void COrvikServiceDoc::SetPrompt(device::IPrompt* prompt) {
    m_prompt = prompt ? prompt : m_ownPrompt.get();
    if (m_pCore) {
        m_pCore->SetPrompt(m_prompt);
    }
}

void COrvikServiceDoc::SetMessages(IConsoleMessages* messages) {
    m_messages = messages ? messages : &m_ownMessages;
}

void COrvikServiceDoc::SetEventPump(EventPump pump) {
    m_eventPump = std::move(pump);
}

std::unique_ptr<device::COrvikCore> COrvikServiceDoc::CreateCore() {
    auto core = m_coreFactory ? m_coreFactory() : std::make_unique<device::COrvikCore>();
    if (core) {
        core->SetPrompt(m_prompt);
        core->SetIdleHook([this] { PumpEvents(); });
        core->SetTrace(&m_trace);
        core->SetCloseJournal(Journal());
    }
    return core;
}

void COrvikServiceDoc::OnConnect(const ConnectionValues& values) {
    // Refused while connected (the command is disabled then) and while the register is busy:
    // a connect must never start inside another device operation's wait.
    if (IsBusy() || m_pCore) {
        return;
    }
    if (const auto problem = FirstConnectionProblem(values)) {
        // Nothing is attempted; the operator's entries stay in the bar.
        m_messages->Show(m_mainWindow, IConsoleMessages::Icon::Warning, Qt16(*problem));
        emit ConnectionStateChanged();
        UpdateAllViews();
        return;
    }
    // The connection and the pages' first refresh from the register are one operation.
    const DeviceActivity activity(*this, LoadText(kStrConnectPrompt));
    ConnectNewCore(values);
    if (m_pCore) {
        m_linkWatch.start();
    }
    emit ConnectionStateChanged();
    UpdateAllViews();
}

void COrvikServiceDoc::ConnectNewCore(const ConnectionValues& values) {
    std::unique_ptr<device::COrvikCore> core;
    try {
        core = CreateCore();
        m_operatorName = values.operatorName;
        if (core && core->Connect(values.port, values.operatorName, values.password) >= 0) {
            // Only a connected core becomes the document's: until then the console is not
            // connected, whatever repaints meanwhile.
            m_pCore = std::move(core);
        }
    } catch (const std::exception&) {
        // The core is discarded below; it has shown what it had to say.
    }
    // A core that did not connect is destroyed here, which closes its port.
}

void COrvikServiceDoc::OnDisconnect() {
    if (IsBusy()) {
        return;
    }
    m_linkWatch.stop();
    if (m_pCore) {
        const DeviceActivity activity(*this, LoadText(kStrDisconnectPrompt));
        // The document stops being connected before the register is told, so nothing started
        // from a repaint meanwhile can reach a core that is going away.
        std::unique_ptr<device::COrvikCore> core = std::move(m_pCore);
        core->Disconnect();
        core.reset();
    }
    emit ConnectionStateChanged();
    UpdateAllViews();
}

void COrvikServiceDoc::OnCloseDocument() {
    m_linkWatch.stop();
    m_pCore.reset();
}

void COrvikServiceDoc::CheckLink() {
    if (!m_pCore) {
        m_linkWatch.stop();
        return;
    }
    // A page may still hold the core while its operation runs; the next look comes soon.
    if (IsBusy() || !m_pCore->LinkEnded()) {
        return;
    }
    m_linkWatch.stop();
    const std::u16string reason = m_pCore->LinkEndReason();
    const bool told = m_pCore->LastMessage().find(reason) != std::u16string::npos;
    std::unique_ptr<device::COrvikCore> core = std::move(m_pCore);
    // Nothing more is said to a register that cannot hear: the port is closed as it stands.
    core->StopReceiverAndClosePort();
    core.reset();
    emit ConnectionStateChanged();
    UpdateAllViews();
    if (!told) {
        m_messages->Show(m_mainWindow, IConsoleMessages::Icon::Error, Qt16(reason));
    }
}

void COrvikServiceDoc::UpdateAllViews() {
    emit ViewsUpdateRequested();
}

void COrvikServiceDoc::BeginActivity(const QString& status) {
    if (m_activityDepth++ == 0) {
        QCoreApplication::instance()->installEventFilter(&m_inputGate);
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        emit ActivityChanged(true, status);
    }
}

void COrvikServiceDoc::EndActivity() {
    if (m_activityDepth == 1) {
        // What the user pressed while the register worked waits in the queue: it is taken and
        // dropped now, while the console still counts as busy.
        QCoreApplication::processEvents();
        QCoreApplication::instance()->removeEventFilter(&m_inputGate);
    }
    if (--m_activityDepth == 0) {
        QGuiApplication::restoreOverrideCursor();
        emit ActivityChanged(false, QString());
    }
}

void COrvikServiceDoc::PumpEvents() {
    // A pump inside a pump (a repaint that waits on the register) would let events run in an
    // order no one expects: the inner wait just waits.
    if (m_pumpDepth > 0) {
        return;
    }
    struct DepthGuard {
        int& depth;
        explicit DepthGuard(int& d) : depth(d) { ++depth; }
        ~DepthGuard() { --depth; }
    } guard(m_pumpDepth);
    if (m_eventPump) {
        m_eventPump();
        return;
    }
    // Input is taken while the register works, so that the one control meant for then (a
    // long print's "Прервать") answers; the input gate drops everything else.
    const bool gateShut = m_activityDepth > 0;
    if (!gateShut) {
        QCoreApplication::instance()->installEventFilter(&m_inputGate);
    }
    QCoreApplication::processEvents();
    if (!gateShut) {
        QCoreApplication::instance()->removeEventFilter(&m_inputGate);
    }
}

DeviceActivity::DeviceActivity(COrvikServiceDoc& document, const QString& status)
    : m_document(document) {
    m_document.BeginActivity(status);
}

DeviceActivity::~DeviceActivity() {
    m_document.EndActivity();
}

}  // namespace orvik::gui
