#pragma once

#include <QDialog>

#include <memory>

#include "console/footer_lines.h"

namespace Ui {
class BottomLineDlg;
}

namespace orvik::gui {

class IConsoleMessages;

// "Строка подвала чека": edits one footer line. The text holds 43 characters, 21 in double
// width; the limit follows the check box while the text is typed. OK refuses a text that is too
// long, empty, or holds a character the register cannot print, with a message, and keeps the
// dialog open; a refused text is never cut silently.
class CBottomLineDlg : public QDialog {
    Q_OBJECT

  public:
    CBottomLineDlg(IConsoleMessages& messages, const console::FooterLine& line,
                   QWidget* parent = nullptr);
    ~CBottomLineDlg() override;

    // The line as the fields hold it; after OK, as it was accepted.
    console::FooterLine Line() const;

    void accept() override;

  private:
    // Typing stops at the limit; a text already longer (double width checked after typing) is
    // left whole for OK to refuse.
    void ApplyLengthLimit();

    std::unique_ptr<Ui::BottomLineDlg> m_ui;
    IConsoleMessages& m_messages;
};

}  // namespace orvik::gui
