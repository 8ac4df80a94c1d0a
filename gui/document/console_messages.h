#pragma once

#include <QString>

class QWidget;

namespace orvik::gui {

// How the console's own windows (the main frame and the pages) show their message boxes. The
// console shows modal boxes captioned with its title; tests put a recorder in its place so that
// no test ever waits on a box.
class IConsoleMessages {
  public:
    enum class Icon { Warning, Information, Error };

    virtual ~IConsoleMessages() = default;
    // A box with one OK button; returns once it is closed.
    virtual void Show(QWidget* parent, Icon icon, const QString& text) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool AskYesNo(QWidget* parent, const QString& text, bool yesIsDefault) = 0;
};

// The console's boxes: QMessageBox, application-modal, captioned with the console title.
class MessageBoxMessages : public IConsoleMessages {
  public:
    void Show(QWidget* parent, Icon icon, const QString& text) override;
    bool AskYesNo(QWidget* parent, const QString& text, bool yesIsDefault) override;
};

}  // namespace orvik::gui
