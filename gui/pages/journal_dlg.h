#pragma once

#include <QDialog>

#include "console/receipt_journal.h"
#include "gui/pages/page_file_dialog.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace orvik::gui {

class COrvikServiceDoc;

// "Журнал чеков", opened from the "Вид" menu: every receipt copy of the journal as a read-only
// table in the order the journal gives them (unknown outcomes first, then the newest first),
// "Сохранить в CSV" and "Закрыть" (or Escape). Rows and file come from console/journal_table.h.
class CJournalDlg : public QDialog {
    Q_OBJECT

  public:
    // rows: what the journal listed; the dialog shows them as they are.
    CJournalDlg(COrvikServiceDoc* document, console::JournalRows rows, QWidget* parent);
    ~CJournalDlg() override;
    CJournalDlg(const CJournalDlg&) = delete;
    CJournalDlg& operator=(const CJournalDlg&) = delete;

    // How the file name is asked for; the standard dialog when empty.
    void SetFileDialog(FileDialogFunction dialog);

    // "Сохранить в CSV": asks for a file and writes the column names and every row to it. A
    // file that cannot be written is named in an error box, and what stood there stays.
    void SaveCsv();

  private:
    void FillTable();
    // As wide as the columns need, within what a 1024 x 768 screen (or a smaller one) offers.
    void FitSize();

    COrvikServiceDoc* m_pDocument;  // not owned
    console::JournalRows m_rows;
    FileDialogFunction m_fileDialog;
    QTableWidget* m_table = nullptr;
    QLabel* m_leftOutLabel = nullptr;
    QPushButton* m_saveButton = nullptr;
    QPushButton* m_closeButton = nullptr;
};

}  // namespace orvik::gui
