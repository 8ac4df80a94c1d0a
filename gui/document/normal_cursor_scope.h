#pragma once

#include <QGuiApplication>

namespace orvik::gui {

// While a message box waits for the operator, the arrow shows even when a device operation
// has set the wait cursor; the wait cursor comes back when the box closes.
class NormalCursorScope {
  public:
    NormalCursorScope() : m_active(QGuiApplication::overrideCursor() != nullptr) {
        if (m_active) {
            QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
        }
    }
    ~NormalCursorScope() {
        if (m_active) {
            QGuiApplication::restoreOverrideCursor();
        }
    }
    NormalCursorScope(const NormalCursorScope&) = delete;
    NormalCursorScope& operator=(const NormalCursorScope&) = delete;

  private:
    bool m_active;
};

}  // namespace orvik::gui
