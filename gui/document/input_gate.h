#pragma once

#include <QObject>

#include <vector>

class QWidget;

namespace orvik::gui {

// While the register works, a press, a double click or a key is not an order for later: a
// second click on "Печатать чек" queued behind the first would print the receipt again. The
// gate, installed on the application for the length of a device operation, drops every click,
// key and wheel turn meant for the console's windows, queued or new. What a box the core opens
// meanwhile is told still reaches it, and so does a widget let through on purpose (the button
// that stops a long print).
class InputGate : public QObject {
    Q_OBJECT

  public:
    explicit InputGate(QObject* parent = nullptr) : QObject(parent) {}

    // The widget (and what it holds) takes input while the gate is shut.
    void LetThrough(QWidget* widget);
    void StopLettingThrough(QWidget* widget);

    // How many presses and keys were dropped since the gate was made (for tests).
    int Dropped() const { return m_dropped; }

  protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

  private:
    bool Allowed(QObject* receiver) const;

    std::vector<QWidget*> m_letThrough;
    int m_dropped = 0;
};

}  // namespace orvik::gui
