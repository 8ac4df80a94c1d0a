#include "gui/document/input_gate.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace orvik::gui {

namespace {

bool IsUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::ContextMenu:
            return true;
        default:
            return false;
    }
}

}  // namespace

void InputGate::LetThrough(QWidget* widget) {
    if (std::find(m_letThrough.begin(), m_letThrough.end(), widget) == m_letThrough.end()) {
        m_letThrough.push_back(widget);
    }
}

void InputGate::StopLettingThrough(QWidget* widget) {
    m_letThrough.erase(std::remove(m_letThrough.begin(), m_letThrough.end(), widget),
                       m_letThrough.end());
}

bool InputGate::Allowed(QObject* receiver) const {
    // A window passes its input on to its widgets, where the gate looks at it.
    if (qobject_cast<QWindow*>(receiver)) {
        return true;
    }
    // A box opened while the register works (a question of the core, say) is answered as
    // usual: its own widgets and shortcuts take input.
    QWidget* modal = QApplication::activeModalWidget();
    auto* widget = qobject_cast<QWidget*>(receiver);
    if (!widget) {
        // A menu's or a page's shortcut fires on its action.
        return modal != nullptr;
    }
    if (modal && widget->window() == modal) {
        return true;
    }
    return std::any_of(m_letThrough.begin(), m_letThrough.end(), [widget](QWidget* open) {
        return open == widget || open->isAncestorOf(widget);
    });
}

bool InputGate::eventFilter(QObject* receiver, QEvent* event) {
    if (!IsUserInput(event->type()) || Allowed(receiver)) {
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress) {
        ++m_dropped;
    }
    return true;
}

}  // namespace orvik::gui
