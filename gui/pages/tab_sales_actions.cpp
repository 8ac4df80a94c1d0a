// What the receipt page's buttons do: the list's lines, printing, the receipt files and the
// cash dialog.
#include <QFile>
#include <QProgressDialog>
#include <QPushButton>

#include <algorithm>
#include <filesystem>

#include "console/journal_table.h"
#include "console/receipt_checks.h"
#include "console/receipt_file.h"
#include "gui/controls/qt_text.h"
#include "gui/document/orvik_service_doc.h"
#include "gui/pages/move_cash_dlg.h"
#include "gui/pages/tab_sales.h"
#include "res/string_table.h"
#include "ui_tab_sales.h"

namespace orvik::gui {
namespace {

constexpr char16_t kReceiptFileSuffix[] = u"check";
// A print that takes longer than this shows its progress box.
constexpr int kProgressAfterMs = 700;

}  // namespace

void CTabSales::AfterLineChange(const console::SalesOutcome& outcome) {
    ShowForm();
    FocusName();
    UpdateButtons();
    ShowRunningTotal();
    if (outcome.refused) {
        Warn(*outcome.refused);
    }
}

void CTabSales::AddLine() {
    EnsureWidgets();
    ReadForm();
    const console::SalesOutcome outcome =
        WithRegister([this](console::IReceiptRegister* reg) { return m_page.AddLine(reg); });
    if (outcome.rowsChanged) {
        auto* item = new QTreeWidgetItem;
        ShowRow(item, m_page.Rows().back());
        m_ui->linesList->addTopLevelItem(item);
        AfterLineChange(outcome);
    } else if (outcome.refused) {
        Warn(*outcome.refused);
    }
}

void CTabSales::ModifyLine() {
    EnsureWidgets();
    const std::vector<std::size_t> selected = SelectedRows();
    if (selected.empty()) {
        return;
    }
    ReadForm();
    const console::SalesOutcome outcome =
        WithRegister([this, &selected](console::IReceiptRegister* reg) {
            return m_page.ModifyLine(selected, reg);
        });
    if (!outcome.rowsChanged) {
        if (outcome.refused) {
            Warn(*outcome.refused);
        }
        return;
    }
    const std::size_t changed = selected.front();
    ShowRow(m_ui->linesList->topLevelItem(static_cast<int>(changed)), m_page.Rows()[changed]);
    m_ui->linesList->AutoSizeColumns();
    m_ui->linesList->clearSelection();
    AfterLineChange(outcome);
}

void CTabSales::DeleteLines() {
    EnsureWidgets();
    const std::vector<std::size_t> selected = SelectedRows();
    ReadForm();
    const console::SalesOutcome outcome =
        WithRegister([this, &selected](console::IReceiptRegister* reg) {
            return m_page.DeleteLines(selected, reg);
        });
    {
        const CAutoSizeListCtrl::BatchUpdate batch(*m_ui->linesList);
        for (auto row = selected.rbegin(); row != selected.rend(); ++row) {
            m_ui->linesList->DeleteRow(static_cast<int>(*row));
        }
    }
    ShowForm();
    UpdateButtons();
    ShowRunningTotal();
    if (outcome.refused) {
        Warn(*outcome.refused);
    }
}

void CTabSales::SelectAll() {
    EnsureWidgets();
    m_ui->linesList->selectAll();
    UpdateButtons();
}

void CTabSales::ClearSelection() {
    EnsureWidgets();
    m_ui->linesList->clearSelection();
    UpdateButtons();
}

void CTabSales::LoadLineIntoForm() {
    EnsureWidgets();
    const std::vector<std::size_t> selected = SelectedRows();
    if (selected.empty()) {
        return;
    }
    ReadForm();
    m_page.LoadLineIntoForm(selected.front());
    ShowForm();
    UpdateButtons();
    ShowRunningTotal();
}

void CTabSales::RecalculateCash() {
    EnsureWidgets();
    ReadForm();
    const auto problem = WithRegister(
        [this](console::IReceiptRegister* reg) { return m_page.RecalculateCash(reg); });
    ShowForm();
    ShowRunningTotal();
    if (problem) {
        Warn(*problem);
    }
}

console::PrintOutcome CTabSales::PrintWithProgress(device::COrvikCore& core,
                                                   const console::JournalContext& journal) {
    CAutoSizeListCtrl* list = m_ui->linesList;
    // Wait cursor, Connect and Disconnect held off; the window repaints while the register
    // prints, and whatever else is pressed meanwhile is dropped.
    const DeviceActivity activity(*m_pDocument);
    console::CoreReceiptRegister reg(core);
    // A print of more than a moment shows how far it has got, and "Прервать" (or Escape) stops
    // it after the line in hand: the only input taken while the register works.
    const int copies = std::max(1, m_ui->printCountEdit->text().toInt());
    const int lines = static_cast<int>(m_page.Rows().size());
    QProgressDialog progressBox(QString(), LoadText(kStrStopPrinting), 0, copies * lines, this);
    progressBox.setObjectName(QStringLiteral("printProgress"));
    progressBox.setWindowModality(Qt::WindowModal);
    progressBox.setMinimumDuration(kProgressAfterMs);
    progressBox.setAutoClose(false);
    progressBox.setAutoReset(false);
    // Escape rejects the box, which of itself only hides it: it stops the print as the button does.
    QObject::connect(&progressBox, &QDialog::rejected, &progressBox, &QProgressDialog::cancel);
    int copy = 0;  // copies done before the one printing
    console::PrintProgress progress;
    progress.copiesRemaining = [this, &copy, copies](int remaining) {
        copy = copies - remaining;
        m_ui->printCountEdit->setText(QString::number(remaining));
        m_ui->printCountEdit->repaint();
    };
    progress.rowSelected = [list, &copy, copies, lines, &progressBox](std::size_t row) {
        QTreeWidgetItem* item = list->topLevelItem(static_cast<int>(row));
        item->setSelected(true);
        list->scrollToItem(item);
        list->viewport()->repaint();
        const int line = static_cast<int>(row) + 1;
        progressBox.setLabelText(
            LoadText(kStrPrintProgress).arg(copy + 1).arg(copies).arg(line).arg(lines));
        progressBox.setValue(copy * lines + line - 1);
    };
    progress.stopRequested = [&progressBox] { return progressBox.wasCanceled(); };
    progress.rowUnselected = [list](std::size_t row) {
        list->topLevelItem(static_cast<int>(row))->setSelected(false);
    };
    console::PrintOutcome outcome = m_page.Print(reg, progress, journal);
    if (progressBox.isVisible()) {
        // The box goes; the window takes the keyboard back for the next receipt.
        progressBox.hide();
        window()->activateWindow();
    }
    return outcome;
}

void CTabSales::PrintReceipt() {
    EnsureWidgets();
    device::COrvikCore* core = Core();
    if (!core || m_pDocument->IsBusy()) {
        return;
    }
    ReadForm();
    if (auto problem = m_page.CheckBeforePrinting()) {
        Warn(*problem);
        return;
    }
    // No receipt is printed that the journal cannot record first.
    std::string journalError;
    console::ReceiptJournal* journal = m_pDocument->Journal(&journalError);
    if (!journal) {
        m_pDocument->Messages().Show(
            this, IConsoleMessages::Icon::Error,
            Qt16(console::JournalUnusableText(m_pDocument->JournalPath(), journalError)));
        return;
    }
    CAutoSizeListCtrl* list = m_ui->linesList;
    list->clearSelection();
    const bool listed = !m_page.Rows().empty();
    console::JournalContext context{journal, m_pDocument->OperatorName(), false};
    console::PrintOutcome outcome = PrintWithProgress(*core, context);
    if (outcome.heldBy) {
        // The same receipt went out before and its close went unanswered: printed again only
        // when the operator says so, "Нет" by default.
        const std::u16string reason = console::HeldReceiptText(*outcome.heldBy);
        if (!m_pDocument->Messages().AskYesNo(
                this, Qt16(reason + u"\n\n" + LoadString(kStrReprintQuestion)), false)) {
            return;
        }
        context.again = true;
        outcome = PrintWithProgress(*core, context);
    }
    if (outcome.stopped) {
        m_pDocument->Messages().Show(this, IConsoleMessages::Icon::Information,
                                     LoadText(kStrPrintingStopped));
    }
    if (!outcome.journalError.empty()) {
        m_pDocument->Messages().Show(
            this, IConsoleMessages::Icon::Error,
            Qt16(console::JournalUnusableText(m_pDocument->JournalPath(), outcome.journalError)));
    }
    if (listed && m_page.Rows().empty()) {
        ShowRows();
    }
    list->clearSelection();
    ShowForm();
    FocusName();
    UpdateButtons();
    ShowRunningTotal();
    // Refused before anything was sent: the row or the payment the register would not take.
    if (outcome.refusedRow) {
        QTreeWidgetItem* item = list->topLevelItem(static_cast<int>(outcome.refusedRow->row));
        item->setSelected(true);
        list->scrollToItem(item);
        Warn(console::FormatMessage(kStrRowRefused,
                                    {QString::number(outcome.refusedRow->row + 1).toStdU16String(),
                                     outcome.refusedRow->failure.message}));
        UpdateButtons();
    } else if (outcome.refusedPayments) {
        Warn(*outcome.refusedPayments);
    }
}

QString CTabSales::AskForFile(FileDialogRequest request) {
    request.nameFilters = {LoadText(kStrReceiptFilesFilter), LoadText(kStrAllFilesFilter)};
    request.defaultSuffix = Qt16(kReceiptFileSuffix);
    return m_fileDialog(this, request);
}

void CTabSales::ShowFileError(const QString& path, const std::u16string& reason) {
    m_pDocument->Messages().Show(
        this, IConsoleMessages::Icon::Error,
        Qt16(console::FormatMessage(kStrFileErrorFormat, {path.toStdU16String(), reason})));
}

void CTabSales::SaveReceipt() {
    EnsureWidgets();
    ReadForm();
    if (m_page.Rows().empty()) {
        return;
    }
    const QString path = AskForFile({.mode = FileDialogRequest::Mode::Save,
                                     .title = LoadText(kStrSaveReceiptTitle),
                                     .nameFilters = {},
                                     .defaultSuffix = {}});
    if (path.isEmpty()) {
        return;
    }
    const console::SaveResult result =
        console::SaveReceiptFile(FileSystemPath(path), m_page.FileContent());
    switch (result.status) {
        case console::SaveStatus::Saved:
            break;
        case console::SaveStatus::Refused:
            Warn(result.error);
            break;
        case console::SaveStatus::CannotCreate:
        case console::SaveStatus::WriteError:
            // The file was not written (an existing one is as it was): the user must know.
            ShowFileError(path, result.error);
            break;
    }
}

void CTabSales::LoadReceipt() {
    EnsureWidgets();
    const QString path = AskForFile({.mode = FileDialogRequest::Mode::Open,
                                     .title = LoadText(kStrLoadReceiptTitle),
                                     .nameFilters = {},
                                     .defaultSuffix = {}});
    if (path.isEmpty()) {
        return;
    }
    ReadForm();
    const console::ReceiptFileLoad load = console::LoadReceiptFile(FileSystemPath(path));
    switch (load.status) {
        case console::LoadStatus::CannotOpen:
            // Nothing was read: the receipt on the page stays as it is.
            ShowFileError(path, load.error);
            return;
        case console::LoadStatus::NotAReceipt:
        case console::LoadStatus::Malformed:  // only when read strictly, as the page does not
            Warn(console::FormatMessage(kStrFileErrorFormat, {path.toStdU16String(), load.error}));
            return;
        case console::LoadStatus::ReadError:
        case console::LoadStatus::Loaded:
            break;
    }
    m_page.ClearForLoading();
    const auto problem = WithRegister(
        [this, &load](console::IReceiptRegister* reg) { return m_page.TakeLoadedFile(load, reg); });
    ShowRows();
    m_ui->linesList->clearSelection();
    ShowForm();
    FocusName();
    UpdateButtons();
    ShowRunningTotal();
    if (load.status == console::LoadStatus::ReadError) {
        // The rows read before the error stay in the list.
        ShowFileError(path, load.error);
    } else if (!load.warnings.empty()) {
        std::u16string list;
        for (const std::u16string& warning : load.warnings) {
            list += u"\n" + warning;
        }
        Warn(console::FormatMessage(kStrReceiptFileWarnings, {path.toStdU16String(), list}));
    }
    if (problem) {
        Warn(*problem);
    } else if (m_page.Limits().registerKnown) {
        // Loaded all the same; the user learns now which row printing would refuse.
        if (const auto refused = console::CheckRows(m_page.Rows(), m_page.Limits())) {
            QTreeWidgetItem* item = m_ui->linesList->topLevelItem(static_cast<int>(refused->row));
            item->setSelected(true);
            m_ui->linesList->scrollToItem(item);
            Warn(console::FormatMessage(
                kStrRowRefused,
                {QString::number(refused->row + 1).toStdU16String(), refused->failure.message}));
            UpdateButtons();
        }
    }
}

void CTabSales::OpenCashDialog() {
    if (m_cashDialog) {
        m_cashDialog(m_pDocument, this);
        return;
    }
    CMoveCashDlg dialog(m_pDocument, this);
    dialog.exec();
}

}  // namespace orvik::gui
