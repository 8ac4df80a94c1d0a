#pragma once

#include <QIcon>

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "console/receipt_register.h"
#include "console/sales_page.h"
#include "gui/pages/page_file_dialog.h"
#include "gui/pages/updatable_dialog.h"

class QLineEdit;
class QTreeWidgetItem;

namespace Ui {
class TabSales;
}

namespace orvik::gui {

// The "Печать чеков" page: a receipt composed line by line in the list, checked, totalled,
// printed in copies, saved and loaded, and the cash dialog. Its state and rules are those of
// console::SalesPage; the widgets mirror them. The widgets are built when the page is first
// shown (or first used), so that the window starts as fast without them.
class CTabSales : public CUpdatableDialog {
    Q_OBJECT

  public:
    CTabSales(COrvikServiceDoc* document, QWidget* view);
    ~CTabSales() override;

    // Limits, tax lists and (model 8) the tape mode from the connected register; false
    // without one (the defaults are then shown).
    bool UpdateDialog() override;

    void AddLine();
    void ModifyLine();
    void DeleteLines();
    void SelectAll();
    void ClearSelection();
    void LoadLineIntoForm();
    void RecalculateCash();
    void UpdateButtons();
    void PrintReceipt();
    // The page's receipt printed through the journal, its progress shown on the page.
    console::PrintOutcome PrintWithProgress(device::COrvikCore& core,
                                            const console::JournalContext& journal);
    void SaveReceipt();
    void LoadReceipt();
    void OpenCashDialog();

    const console::SalesPage& Model() const { return m_page; }

    // How the page asks for a file; the standard dialog by default.
    void SetFileDialog(FileDialogFunction dialog);
    // How the cash dialog is shown; modally by default. Tests show it without waiting.
    using CashDialogFunction = std::function<void(COrvikServiceDoc* document, QWidget* parent)>;
    void SetCashDialog(CashDialogFunction dialog);

    // The size the form needs, also before it is built, so that the window is made large enough
    // for it from the start.
    QSize sizeHint() const override;

  protected:
    void BuildWidgets() override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    device::COrvikCore* Core() const;
    // Runs f with the connected register as the receipt model sees it, or with nullptr.
    template <class F>
    auto WithRegister(F&& f) {
        if (device::COrvikCore* core = Core()) {
            console::CoreReceiptRegister reg(*core);
            return f(static_cast<console::IReceiptRegister*>(&reg));
        }
        return f(static_cast<console::IReceiptRegister*>(nullptr));
    }
    void AfterLineChange(const console::SalesOutcome& outcome);
    void ConnectWidgets();
    // The list's columns, alignments, icons, grid and selection.
    void SetUpList();
    // The form's values from the widgets, and back.
    void ReadForm();
    void ShowForm();
    void ShowLimits();
    void FillTaxCombos();
    void ShowRows();
    void ShowRow(QTreeWidgetItem* item, const console::ReceiptRow& row);
    void ShowRunningTotal();
    std::vector<std::size_t> SelectedRows() const;
    void FocusName();
    void Warn(const std::u16string& text);
    // Shows why a check refused and puts the focus on the field it names.
    void Warn(const console::CheckFailure& failure);
    QWidget* FieldWidget(console::ReceiptField field) const;
    void LeaveNumberField(QLineEdit* field);
    QString AskForFile(FileDialogRequest request);
    void ShowFileError(const QString& path, const std::u16string& reason);

    console::SalesPage m_page;
    std::unique_ptr<Ui::TabSales> m_ui;
    QIcon m_saleIcon;
    QIcon m_returnIcon;
    FileDialogFunction m_fileDialog;
    CashDialogFunction m_cashDialog;
    // Set while the page itself moves the focus or fills the fields: nothing is normalised.
    bool m_bShowing = false;
};

}  // namespace orvik::gui
