#include "gui/pages/journal_dlg.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <utility>

#include "console/journal_table.h"
#include "gui/controls/qt_text.h"
#include "gui/document/orvik_service_doc.h"
#include "res/string_table.h"
#include "support/atomic_file.h"
#include "support/text_line_reader.h"

namespace orvik::gui {

namespace {

// The columns of amounts and numbers, right-aligned: number, total, cash.
constexpr int kNumberColumns[] = {2, 3, 4};
// Rows the dialog has room for at first, before the table scrolls.
constexpr int kShownRows = 16;
// The largest size it opens with: a 1024 x 768 screen less the window's frame and title and a
// desktop's panels.
constexpr QSize kLargestSize(960, 640);
constexpr QSize kScreenRoom(64, 128);

}  // namespace

CJournalDlg::CJournalDlg(COrvikServiceDoc* document, console::JournalRows rows, QWidget* parent)
    : QDialog(parent),
      m_pDocument(document),
      m_rows(std::move(rows)),
      m_fileDialog(AskWithFileDialog) {
    setObjectName(QStringLiteral("journalDialog"));
    setWindowTitle(LoadText(kStrJournalTitle));
    setSizeGripEnabled(true);

    m_table = new QTableWidget(this);
    m_table->setObjectName(QStringLiteral("journalTable"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setWordWrap(false);
    // Tab leaves the table for the buttons.
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setHighlightSections(false);

    m_leftOutLabel = new QLabel(this);
    m_leftOutLabel->setObjectName(QStringLiteral("rowsLeftOutLabel"));
    m_leftOutLabel->setWordWrap(true);
    m_leftOutLabel->setText(LoadText(kStrJournalRowsLeftOut).arg(m_rows.refused));
    m_leftOutLabel->setVisible(m_rows.refused > 0);

    m_saveButton = new QPushButton(LoadText(kStrJournalSaveCsv), this);
    m_saveButton->setObjectName(QStringLiteral("saveCsvButton"));
    m_saveButton->setAutoDefault(false);
    m_closeButton = new QPushButton(LoadText(kStrJournalClose), this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_closeButton->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_saveButton);
    buttons->addStretch(1);
    buttons->addWidget(m_closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_leftOutLabel);
    layout->addLayout(buttons);

    connect(m_saveButton, &QPushButton::clicked, this, &CJournalDlg::SaveCsv);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::reject);

    FillTable();
    FitSize();
    m_table->setFocus();
}

CJournalDlg::~CJournalDlg() = default;

void CJournalDlg::SetFileDialog(FileDialogFunction dialog) {
    m_fileDialog = dialog ? std::move(dialog) : FileDialogFunction(AskWithFileDialog);
}

void CJournalDlg::FillTable() {
    const console::JournalCells names = console::JournalColumnNames(true);
    m_table->setColumnCount(static_cast<int>(names.size()));
    m_table->setRowCount(static_cast<int>(m_rows.copies.size()));
    QStringList headers;
    for (const std::u16string& name : names) {
        headers << Qt16(name);
    }
    m_table->setHorizontalHeaderLabels(headers);
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const console::JournalCells cells =
            console::JournalRowCells(m_rows.copies[static_cast<std::size_t>(row)], true);
        for (int column = 0; column < m_table->columnCount(); ++column) {
            auto* item = new QTableWidgetItem(Qt16(cells[static_cast<std::size_t>(column)]));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (std::find(std::begin(kNumberColumns), std::end(kNumberColumns), column) !=
                std::end(kNumberColumns)) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            m_table->setItem(row, column, item);
        }
    }
}

void CJournalDlg::FitSize() {
    // Measured in the style and font the dialog will be shown with.
    ensurePolished();
    m_table->resizeColumnsToContents();
    int columns = 0;
    for (int column = 0; column < m_table->columnCount(); ++column) {
        columns += m_table->columnWidth(column);
    }
    const int frame = 2 * m_table->frameWidth();
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_table);
    const QMargins margins = layout()->contentsMargins();
    const int tableHeight = m_table->horizontalHeader()->sizeHint().height() + frame + scrollBar +
                            kShownRows * m_table->verticalHeader()->defaultSectionSize();
    const QSize wanted(columns + frame + scrollBar + margins.left() + margins.right(),
                       layout()->sizeHint().height() - m_table->sizeHint().height() + tableHeight);
    QSize largest = kLargestSize;
    if (const QScreen* screen = QWidget::screen()) {
        largest = largest.boundedTo(screen->availableGeometry().size() - kScreenRoom);
    }
    resize(wanted.boundedTo(largest).expandedTo(minimumSizeHint()));
}

void CJournalDlg::SaveCsv() {
    const QString path = m_fileDialog(
        this, {.mode = FileDialogRequest::Mode::Save,
               .title = LoadText(kStrJournalSaveCsv),
               .nameFilters = {LoadText(kStrCsvFilesFilter), LoadText(kStrAllFilesFilter)},
               .defaultSuffix = QStringLiteral("csv")});
    if (path.isEmpty()) {
        return;
    }
    const support::FileWriteResult result =
        support::WriteFileReplacing(FileSystemPath(path), console::JournalCsv(m_rows.copies, true));
    if (result.status != support::FileWriteStatus::Written) {
        m_pDocument->Messages().Show(
            this, IConsoleMessages::Icon::Error,
            LoadText(kStrFileErrorFormat).arg(path, Qt16(support::SystemErrorText(result.error))));
    }
}

}  // namespace orvik::gui
