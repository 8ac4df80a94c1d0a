#pragma once

#include <QStatusBar>

#include "gui/document/connection_rules.h"

class QLabel;

namespace orvik::device {
class COrvikCore;
}

namespace orvik::gui {

// The main window's status bar: the message pane (the idle text, a menu item's prompt while it
// is highlighted, the running device operation), the connection state, the register's serial
// number and the Num Lock and Caps Lock indicators.
class ConsoleStatusBar : public QStatusBar {
    Q_OBJECT

  public:
    explicit ConsoleStatusBar(QWidget* parent = nullptr);

    // The state and serial panes for the connected core, or for no connection.
    void ShowConnection(const device::COrvikCore* core);
    // The text of the running device operation, or the idle text when none runs.
    void ShowActivity(const QString& status);
    void ShowKeyboardLocks(KeyboardLocks locks);

    QString MessageText() const;
    QString StateText() const;
    QString SerialText() const;
    QLabel* StatePane() const { return m_state; }
    QLabel* SerialPane() const { return m_serial; }
    QLabel* NumLockPane() const { return m_numLock; }
    QLabel* CapsLockPane() const { return m_capsLock; }

  private:
    QLabel* AddPane(const QStringList& possibleTexts);

    QLabel* m_message;
    QLabel* m_state;
    QLabel* m_serial;
    QLabel* m_numLock;
    QLabel* m_capsLock;
};

}  // namespace orvik::gui
