#pragma once

#include <QIcon>

#include <memory>
#include <string>
#include <vector>

#include "console/terminal_log.h"
#include "gui/pages/page_file_dialog.h"
#include "gui/pages/updatable_dialog.h"

class QTreeWidgetItem;

namespace Ui {
class TabTerminal;
}

namespace orvik::gui {

// The "Терминал" page: protocol commands typed or loaded into the command box are sent to the
// register one line at a time, and every command and reply is kept in the exchange log, which
// can be saved as a report. The page neither checks the commands nor interprets the replies:
// an error token from the register is just another line of the log. The log itself is a
// console::TerminalLog; the list on the page shows it row for row.
class CTabTerminal : public CUpdatableDialog {
    Q_OBJECT

  public:
    CTabTerminal(COrvikServiceDoc* document, QWidget* view);
    ~CTabTerminal() override;

    // A new connection starts a new exchange log; the command box keeps its text. The register
    // is not asked anything.
    bool UpdateDialog() override;

    // Appends one entry to the log, the oldest entries giving way so that the log holds at
    // most 201, and scrolls it into view.
    void LogLine(const QString& text, bool sent);
    // Empties the log and its list.
    void ClearLog();
    const console::TerminalLog& Log() const { return m_log; }
    // Sends every non-empty line of the command box, cut to 254 characters, and logs each
    // command with the replies that follow it, up to "READY" or until the register is silent
    // for its reply time-out. Stops before the next line once the register is disconnected or
    // the window waits to close.
    void SendCommands();
    // The file buttons: each asks for a file first.
    void LoadCommandFile();
    void SaveCommandFile();
    void SaveReport();
    // Enables the buttons for the command box's first line and the log's entries.
    void UpdateButtons();

    // How the page asks for a file; the standard dialog by default.
    void SetFileDialog(FileDialogFunction dialog);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildWidgets() override;
    // Adds the list's row of a log entry, and answers it.
    QTreeWidgetItem* ShowEntry(const console::LogEntry& entry);
    std::vector<std::u16string> CommandLines() const;
    QString AskForFile(FileDialogRequest request);
    void ShowFileError(const QString& path, int error);
    // False when the user would rather not write a file that loses characters.
    bool AcceptCharacterLoss(const std::vector<std::u16string>& texts);

    std::unique_ptr<Ui::TabTerminal> m_ui;  // null until the page is first shown or used
    console::TerminalLog m_log;             // what the exchange log list shows
    QIcon m_sentIcon;
    QIcon m_receivedIcon;
    FileDialogFunction m_fileDialog;
};

}  // namespace orvik::gui
