#include "gui/app/console_status_bar.h"

#include <QFontMetrics>
#include <QLabel>

#include "device/orvik_core.h"
#include "gui/controls/qt_text.h"

namespace orvik::gui {

namespace {

// The serial pane is made wide enough for a serial number of this many digits.
constexpr char16_t kSerialWidthSample[] = u"0123456789";

}  // namespace

ConsoleStatusBar::ConsoleStatusBar(QWidget* parent)
    : QStatusBar(parent), m_message(new QLabel(this)) {
    m_message->setObjectName(QStringLiteral("messagePane"));
    m_message->setText(LoadText(kStrIdle));
    // A normal widget: a menu item's prompt covers it while the item is highlighted.
    addWidget(m_message, 1);

    m_state = AddPane({Qt16(StatePaneText(false)), Qt16(StatePaneText(true))});
    m_serial = AddPane({Qt16(SerialPaneText(std::nullopt)),
                        Qt16(SerialPaneText(std::u16string(kSerialWidthSample)))});
    m_numLock = AddPane({LoadText(kStrNumLock)});
    m_capsLock = AddPane({LoadText(kStrCapsLock)});
    m_state->setObjectName(QStringLiteral("statePane"));
    m_serial->setObjectName(QStringLiteral("serialPane"));
    m_numLock->setObjectName(QStringLiteral("numLockPane"));
    m_capsLock->setObjectName(QStringLiteral("capsLockPane"));
    ShowConnection(nullptr);
    ShowKeyboardLocks({});
}

QLabel* ConsoleStatusBar::AddPane(const QStringList& possibleTexts) {
    auto* pane = new QLabel(this);
    // Measured once, with the pane's own font, so that every text the pane shows fits whole; a
    // longer serial number still widens it.
    const QFontMetrics metrics(pane->font());
    int width = 0;
    for (const QString& text : possibleTexts) {
        width = std::max(width, metrics.horizontalAdvance(text));
    }
    pane->setMinimumWidth(width + 2 * metrics.averageCharWidth());
    pane->setAlignment(Qt::AlignCenter);
    addPermanentWidget(pane);
    return pane;
}

void ConsoleStatusBar::ShowConnection(const device::COrvikCore* core) {
    m_state->setText(Qt16(StatePaneText(core != nullptr)));
    m_serial->setText(Qt16(SerialPaneText(
        core ? std::optional<std::u16string>(core->PrinterInfo().serialNumber) : std::nullopt)));
}

void ConsoleStatusBar::ShowActivity(const QString& status) {
    m_message->setText(status.isEmpty() ? LoadText(kStrIdle) : status);
}

void ConsoleStatusBar::ShowKeyboardLocks(KeyboardLocks locks) {
    // Like a keyboard's own lights: the indicator's name while the lock is on, blank when off.
    m_numLock->setText(locks.numLock ? LoadText(kStrNumLock) : QString());
    m_capsLock->setText(locks.capsLock ? LoadText(kStrCapsLock) : QString());
}

QString ConsoleStatusBar::MessageText() const {
    return currentMessage().isEmpty() ? m_message->text() : currentMessage();
}

QString ConsoleStatusBar::StateText() const {
    return m_state->text();
}

QString ConsoleStatusBar::SerialText() const {
    return m_serial->text();
}

}  // namespace orvik::gui
