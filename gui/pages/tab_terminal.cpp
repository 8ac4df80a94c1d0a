#include "gui/pages/tab_terminal.h"

#include <QFile>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <filesystem>

#include "console/command_file.h"
#include "console/terminal_buttons.h"
#include "console/terminal_log.h"
#include "device/terminal_exchange.h"
#include "gui/controls/qt_text.h"
#include "gui/document/orvik_service_doc.h"
#include "gui/pages/terminal_icons.h"
#include "support/regular_file.h"
#include "support/text_line_reader.h"
#include "ui_tab_terminal.h"

namespace orvik::gui {

namespace {

using orvik::console::Direction;

// The extensions the file dialogs add.
constexpr char16_t kCommandFileSuffix[] = u"cmd";
constexpr char16_t kReportFileSuffix[] = u"rpt";

// The row's direction marker: 1 for a sent command, 0 for a reply.
constexpr int kDirectionRole = Qt::UserRole;

}  // namespace

CTabTerminal::CTabTerminal(COrvikServiceDoc* document, QWidget* view)
    : CUpdatableDialog(document, view), m_fileDialog(AskWithFileDialog) {}

void CTabTerminal::BuildWidgets() {
    m_ui = std::make_unique<Ui::TabTerminal>();
    m_ui->setupUi(this);
    m_sentIcon = SentCommandIcon();
    m_receivedIcon = ReceivedReplyIcon();

    CAutoSizeListCtrl* log = m_ui->exchangeLog;
    log->SetColumns({LoadText(kStrTerminalLogColumn)});
    // The list has no label of its own: its one column title names it.
    log->setAccessibleName(LoadText(kStrTerminalLogColumn));
    log->setIconSize(QSize(16, 16));
    log->setSelectionMode(QAbstractItemView::ExtendedSelection);
    log->setSelectionBehavior(QAbstractItemView::SelectRows);
    // The selection stays as visible when the focus is elsewhere (on a button of the page).
    QPalette palette = log->palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    }
    log->setPalette(palette);

    m_ui->commandBox->installEventFilter(this);
    connect(m_ui->commandBox, &QPlainTextEdit::textChanged, this, &CTabTerminal::UpdateButtons);
    QAbstractItemModel* rows = log->model();
    connect(rows, &QAbstractItemModel::rowsInserted, this, &CTabTerminal::UpdateButtons);
    connect(rows, &QAbstractItemModel::rowsRemoved, this, &CTabTerminal::UpdateButtons);
    connect(rows, &QAbstractItemModel::modelReset, this, &CTabTerminal::UpdateButtons);
    connect(rows, &QAbstractItemModel::dataChanged, this, &CTabTerminal::UpdateButtons);
    connect(log, &QTreeWidget::itemSelectionChanged, this, &CTabTerminal::UpdateButtons);

    connect(m_ui->sendButton, &QPushButton::clicked, this, &CTabTerminal::SendCommands);
    connect(m_ui->clearCommandsButton, &QPushButton::clicked, this, [this] {
        m_ui->commandBox->clear();
        UpdateButtons();
    });
    connect(m_ui->loadFileButton, &QPushButton::clicked, this, &CTabTerminal::LoadCommandFile);
    connect(m_ui->saveCommandsButton, &QPushButton::clicked, this, &CTabTerminal::SaveCommandFile);
    connect(m_ui->selectAllButton, &QPushButton::clicked, this, [this] {
        m_ui->exchangeLog->selectAll();
        UpdateButtons();
    });
    connect(m_ui->deselectAllButton, &QPushButton::clicked, this, [this] {
        m_ui->exchangeLog->clearSelection();
        UpdateButtons();
    });
    connect(m_ui->clearLogButton, &QPushButton::clicked, this, &CTabTerminal::ClearLog);
    connect(m_ui->saveReportButton, &QPushButton::clicked, this, &CTabTerminal::SaveReport);

    // What was logged before the page was first shown.
    {
        const CAutoSizeListCtrl::BatchUpdate batch(*log);
        for (const console::LogEntry& entry : m_log.Entries()) {
            ShowEntry(entry);
        }
    }
    UpdateButtons();
}

CTabTerminal::~CTabTerminal() {
    if (!m_ui) {
        return;
    }
    // The widgets go after this part of the page, and their last signals must not reach it.
    const QObject* senders[] = {m_ui->exchangeLog->model(), m_ui->exchangeLog, m_ui->commandBox};
    for (const QObject* sender : senders) {
        disconnect(sender, nullptr, this, nullptr);
    }
    m_ui->commandBox->removeEventFilter(this);
}

void CTabTerminal::SetFileDialog(FileDialogFunction dialog) {
    m_fileDialog = dialog ? std::move(dialog) : FileDialogFunction(AskWithFileDialog);
}

bool CTabTerminal::eventFilter(QObject* watched, QEvent* event) {
    // Shift+Enter would break the line only on screen: the two commands would stay one line of
    // the box and go to the register as one. Commands are typed in capitals, so Shift is often
    // still down when Enter is pressed: it starts a new line like Enter alone.
    if (m_ui && watched == m_ui->commandBox && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::InsertLineSeparator)) {
        m_ui->commandBox->insertPlainText(QStringLiteral("\n"));
        return true;
    }
    return CUpdatableDialog::eventFilter(watched, event);
}

bool CTabTerminal::UpdateDialog() {
    ClearLog();
    return true;
}

void CTabTerminal::ClearLog() {
    m_log.Clear();
    if (m_ui) {
        m_ui->exchangeLog->DeleteAllRows();
        UpdateButtons();
    }
}

void CTabTerminal::UpdateButtons() {
    if (!m_ui) {
        return;
    }
    const CAutoSizeListCtrl* log = m_ui->exchangeLog;
    const QItemSelectionModel* selection = log->selectionModel();
    const auto buttons = orvik::console::EnabledTerminalButtons(
        Std16(m_ui->commandBox->document()->firstBlock().text()), m_log.Size(),
        selection ? static_cast<std::size_t>(selection->selectedRows().size()) : 0);
    m_ui->sendButton->setEnabled(buttons.send);
    m_ui->clearCommandsButton->setEnabled(buttons.clearCommands);
    m_ui->loadFileButton->setEnabled(buttons.loadFile);
    m_ui->saveCommandsButton->setEnabled(buttons.saveCommands);
    m_ui->selectAllButton->setEnabled(buttons.selectAll);
    m_ui->deselectAllButton->setEnabled(buttons.deselectAll);
    m_ui->clearLogButton->setEnabled(buttons.clearLog);
    m_ui->saveReportButton->setEnabled(buttons.saveReport);
}

QTreeWidgetItem* CTabTerminal::ShowEntry(const console::LogEntry& entry) {
    const bool sent = entry.direction == Direction::Sent;
    QTreeWidgetItem* item =
        m_ui->exchangeLog->AppendRow({Qt16(entry.text)}, sent ? m_sentIcon : m_receivedIcon);
    item->setData(0, kDirectionRole, static_cast<int>(entry.direction));
    return item;
}

void CTabTerminal::LogLine(const QString& text, bool sent) {
    const Direction direction = sent ? Direction::Sent : Direction::Received;
    const std::size_t dropped = m_log.Append(Std16(text), direction);
    if (!m_ui) {
        return;
    }
    CAutoSizeListCtrl* log = m_ui->exchangeLog;
    for (std::size_t drop = dropped; drop > 0; --drop) {
        log->DeleteRow(0);
    }
    log->scrollToItem(ShowEntry(m_log.Entries().back()));
}

void CTabTerminal::SendCommands() {
    EnsureWidgets();
    CAutoSizeListCtrl* log = m_ui->exchangeLog;
    const QTextDocument* box = m_ui->commandBox->document();
    // No user input is taken while the register is busy, so the box keeps its lines.
    for (int index = 0; index < box->blockCount(); ++index) {
        device::COrvikCore* core = m_pDocument ? m_pDocument->m_pCore.get() : nullptr;
        // Without a register, or with the window waiting to close, no further line goes out.
        if (!core || m_pDocument->IsCloseRequested()) {
            break;
        }
        const std::u16string line =
            orvik::console::TerminalLineToSend(Std16(box->findBlockByNumber(index).text()));
        if (line.empty()) {
            continue;
        }
        // Wait cursor, and Connect and Disconnect held off, for this line's exchange.
        const DeviceActivity activity(*m_pDocument);
        LogLine(Qt16(line), true);
        orvik::device::ExchangeTerminalLine(
            *core, line, [this](std::u16string_view reply) { LogLine(Qt16(reply), false); });
        // A register that answers at once gives the idle repaint no chance: show this line's
        // entries before the next line goes out.
        if (log->isVisible()) {
            log->repaint();
        }
    }
    log->AutoSizeColumns();
    UpdateButtons();
}

std::vector<std::u16string> CTabTerminal::CommandLines() const {
    std::vector<std::u16string> lines;
    const QTextDocument* box = m_ui->commandBox->document();
    lines.reserve(static_cast<std::size_t>(box->blockCount()));
    for (QTextBlock block = box->firstBlock(); block.isValid(); block = block.next()) {
        lines.push_back(Std16(block.text()));
    }
    return lines;
}

QString CTabTerminal::AskForFile(FileDialogRequest request) {
    request.nameFilters.append(LoadText(kStrAllFilesFilter));
    return m_fileDialog(this, request);
}

void CTabTerminal::ShowFileError(const QString& path, int error) {
    m_pDocument->Messages().Show(
        this, IConsoleMessages::Icon::Error,
        LoadText(kStrFileErrorFormat).arg(path, Qt16(orvik::support::SystemErrorText(error))));
}

bool CTabTerminal::AcceptCharacterLoss(const std::vector<std::u16string>& texts) {
    const bool loses = std::any_of(texts.begin(), texts.end(), [](const std::u16string& text) {
        return orvik::console::LosesCharactersInAnsi(text);
    });
    return !loses ||
           m_pDocument->Messages().AskYesNo(this, LoadText(kStrCharactersLostOnSave), false);
}

void CTabTerminal::LoadCommandFile() {
    EnsureWidgets();
    using orvik::console::CommandFileStatus;
    const QString path = AskForFile({.mode = FileDialogRequest::Mode::Open,
                                     .title = LoadText(kStrOpenCommandsTitle),
                                     .nameFilters = {LoadText(kStrCommandFilesFilter)},
                                     .defaultSuffix = Qt16(kCommandFileSuffix)});
    if (path.isEmpty()) {
        return;
    }
    const orvik::console::CommandFileLoad load = console::LoadCommandFile(FileSystemPath(path));
    // A file that cannot be read changes nothing: the box keeps the commands it has.
    switch (load.status) {
        case console::CommandFileStatus::CannotOpen:
            // A folder, a FIFO or a device is named as what it is, as a read error is.
            if (load.error == support::kErrorNotRegularFile) {
                ShowFileError(path, load.error);
            }
            return;
        case console::CommandFileStatus::ReadError:
            ShowFileError(path, load.error);
            return;
        case console::CommandFileStatus::Binary:
            m_pDocument->Messages().Show(
                this, IConsoleMessages::Icon::Warning,
                LoadText(kStrBinaryCommandFile).arg(path, QString::number(load.lineNumber)));
            return;
        case console::CommandFileStatus::TooManyCommands:
            m_pDocument->Messages().Show(
                this, IConsoleMessages::Icon::Warning,
                LoadText(kStrTooManyCommands)
                    .arg(path, QString::number(orvik::console::kMaxLoadedCommands)));
            return;
        case console::CommandFileStatus::Loaded:
            break;
    }
    QStringList commands;
    commands.reserve(static_cast<qsizetype>(load.commands.size()));
    for (const std::u16string& command : load.commands) {
        commands.append(Qt16(command));
    }
    m_ui->commandBox->setPlainText(commands.join(u'\n'));
    m_ui->commandBox->moveCursor(QTextCursor::End);
}

void CTabTerminal::SaveCommandFile() {
    EnsureWidgets();
    const QString path = AskForFile({.mode = FileDialogRequest::Mode::Save,
                                     .title = LoadText(kStrSaveCommandsTitle),
                                     .nameFilters = {LoadText(kStrCommandFilesFilter)},
                                     .defaultSuffix = Qt16(kCommandFileSuffix)});
    if (path.isEmpty()) {
        return;
    }
    std::vector<std::u16string> lines = CommandLines();
    std::vector<std::u16string> saved;
    saved.reserve(lines.size());
    for (const std::u16string& line : lines) {
        saved.push_back(line.substr(0, orvik::console::kMaxSavedLineChars));
    }
    if (!AcceptCharacterLoss(saved)) {
        return;
    }
    const orvik::support::FileWriteResult result =
        console::SaveCommandFile(FileSystemPath(path), lines);
    if (result.status == support::FileWriteStatus::WriteError) {
        ShowFileError(path, result.error);
    }
}

void CTabTerminal::SaveReport() {
    const QString path = AskForFile({.mode = FileDialogRequest::Mode::Save,
                                     .title = LoadText(kStrSaveReportTitle),
                                     .nameFilters = {LoadText(kStrReportFilesFilter)},
                                     .defaultSuffix = Qt16(kReportFileSuffix)});
    if (path.isEmpty()) {
        return;
    }
    std::vector<std::u16string> texts;
    texts.reserve(m_log.Size());
    for (const console::LogEntry& entry : m_log.Entries()) {
        texts.push_back(entry.text);
    }
    if (!AcceptCharacterLoss(texts)) {
        return;
    }
    const orvik::support::FileWriteResult result =
        console::SaveReport(FileSystemPath(path), m_log.Entries());
    if (result.status == support::FileWriteStatus::WriteError) {
        ShowFileError(path, result.error);
    }
}

}  // namespace orvik::gui
