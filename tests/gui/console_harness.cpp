#include "tests/gui/console_harness.h"
#include "tests/support/core_timings.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace orvik::gui;

using namespace orvik::device;

namespace {

orvik::sim::SimulatorOptions SimulatorFor(const ConsoleRegister& kind) {
    orvik::sim::SimulatorOptions options;
    options.portName = ConsoleHarness::kPort;
    options.profile = kind.profile;
    options.password = kind.password;
    return options;
}

}  // namespace

ConsoleHarness::ConsoleHarness(ConsoleRegister kind, std::vector<PageEntry> pages)
    : m_password(kind.password), m_simulator(SimulatorFor(kind)), m_pages(std::move(pages)) {
    m_document.SetPrompt(&prompt);
    m_document.SetMessages(&messages);
}

ConsoleHarness::~ConsoleHarness() {
    m_frame.reset();
    m_document.OnCloseDocument();
    m_simulator.Stop();
}

bool ConsoleHarness::Start(QString* error, CMainFrameDlgBar::PortProbe probe) {
    std::string why;
    if (!m_simulator.Start(&why)) {
        *error = QString::fromStdString(why);
        return false;
    }
    m_frame = std::make_unique<CMainFrame>(&m_document, m_pages, std::move(probe));
    m_frame->show();
    m_frame->activateWindow();
    if (!QTest::qWaitForWindowActive(m_frame.get())) {
        *error = QStringLiteral("the main window did not become active");
        return false;
    }
    return true;
}

void ConsoleHarness::UseShortTimeouts() {
    m_document.SetCoreFactory([] {
        auto core = std::make_unique<COrvikCore>();
        ChangeTimings(*core, [&](orvik::device::CoreTimings& t) {
            t.replyTimeout = 300;
            t.configReplyTimeout = 300;
            t.loginReplyTimeout = 150;
            t.wakeReplyTimeout = 50;
            t.wakePause = 10;
        });
        return core;
    });
}

bool ConsoleHarness::ConnectWithEnter() {
    Password()->setFocus();
    Password()->clear();
    QTest::keyClicks(Password(), QString::fromStdU16String(m_password));
    QTest::keyClick(Password(), Qt::Key_Return);
    return m_document.IsConnected();
}

std::u16string ConsoleHarness::RegisterSerialNumber() {
    return m_simulator.WithState(
        [](const orvik::sim::RegisterState& state) { return state.identity.serialNumber; });
}

int ConsoleHarness::LoginCount() const {
    int count = 0;
    for (const auto& command : m_simulator.Activity().Commands()) {
        count += command.starts_with(u"UPAS") ? 1 : 0;
    }
    return count;
}

QComboBox* ConsoleHarness::PortList() const {
    return m_frame->ConnectionBar()->findChild<QComboBox*>(QStringLiteral("portList"));
}

QLineEdit* ConsoleHarness::OperatorName() const {
    return m_frame->ConnectionBar()->findChild<QLineEdit*>(QStringLiteral("operatorNameEdit"));
}

QLineEdit* ConsoleHarness::Password() const {
    return m_frame->ConnectionBar()->findChild<QLineEdit*>(QStringLiteral("passwordEdit"));
}

QToolButton* ConsoleHarness::ToolButton(QAction* action) const {
    return qobject_cast<QToolButton*>(m_frame->ToolStrip()->widgetForAction(action));
}
