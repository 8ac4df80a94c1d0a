#include "gui/pages/tab_service_settings2.h"

#include <QFile>
#include <QHeaderView>
#include <QMainWindow>
#include <QStatusBar>

#include "console/logo_footer_page.h"
#include "device/orvik_core.h"
#include "gui/controls/qt_text.h"
#include "gui/document/orvik_service_doc.h"
#include "gui/pages/bottom_line_dlg.h"
#include "gui/pages/logo_image.h"
#include "ui_tab_service_settings2.h"

namespace orvik::gui {

namespace {

// How long the status bar explains why the footer was not set.
constexpr int kStatusMessageMs = 15000;
// The footer list's columns "Текст", "Журнал" and "Формат" start this wide, in pixels per unit.
constexpr int kColumnRatios[] = {80, 30, 30};
constexpr int kColumnRatioPixels = 2;

std::optional<console::FooterLine> EditWithDialog(IConsoleMessages& messages, QWidget* parent,
                                                  const console::FooterLine& line) {
    CBottomLineDlg dialog(messages, line, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Line();
}

}  // namespace

CTabServiceSettings2::CTabServiceSettings2(COrvikServiceDoc* document, QWidget* view)
    : CUpdatableDialog(document, view), m_fileDialog(AskWithFileDialog) {
    m_lineEditor = [this](QWidget* parent, const console::FooterLine& line) {
        return EditWithDialog(m_pDocument->Messages(), parent, line);
    };
}

const console::MonoBitmap& CTabServiceSettings2::Logo() {
    EnsureWidgets();
    return m_page.Logo();
}

void CTabServiceSettings2::BuildWidgets() {
    m_ui = std::make_unique<Ui::TabServiceSettings2>();
    m_ui->setupUi(this);
    m_page.DropLogo(DefaultLogo());

    m_ui->logoPreview->SetLogoSource([this] { return &m_page.Logo(); });

    CAutoSizeListCtrl* list = m_ui->footerList;
    list->SetColumns({LoadText(kStrFooterColumnText), LoadText(kStrFooterColumnJournal),
                      LoadText(kStrFooterColumnFormat)});
    // The columns start in the ratio 80 : 30 : 30; the list widens them to their texts.
    for (int column = 0; column < 3; ++column) {
        list->header()->resizeSection(column, kColumnRatios[column] * kColumnRatioPixels);
    }
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Grid lines between the cells.
    list->setStyleSheet(
        QStringLiteral("QTreeView::item { border-right: 1px solid palette(midlight); "
                       "border-bottom: 1px solid palette(midlight); }"
                       "QTreeView::item:selected { background: palette(highlight); "
                       "color: palette(highlighted-text); }"));
    connect(list, &QTreeWidget::itemSelectionChanged, this,
            &CTabServiceSettings2::OnFooterSelectionChanged);
    connect(list, &QTreeWidget::itemDoubleClicked, this, &CTabServiceSettings2::ChangeLine);

    for (const console::LineSpacingEntry& entry : console::LineSpacingEntries()) {
        m_ui->spacingList->addItem(Qt16(entry.text), entry.value);
    }
    ShowSpacingAndDiscounts();
    connect(m_ui->spacingList, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_page.ChooseSpacing(index >= 0 ? std::optional<std::size_t>(index) : std::nullopt);
        UpdateControls();
    });
    connect(m_ui->discountsAtEndRadio, &QRadioButton::toggled, this, [this](bool atEnd) {
        m_page.ChooseDiscountMode(atEnd ? console::kDiscountsAtEnd : console::kDiscountsOnEachLine);
    });
    connect(m_ui->printLogoCheck, &QCheckBox::toggled, this,
            [this](bool on) { m_page.SetPrintLogo(on); });

    connect(m_ui->loadLogoButton, &QPushButton::clicked, this, &CTabServiceSettings2::LoadLogo);
    connect(m_ui->setLogoButton, &QPushButton::clicked, this, &CTabServiceSettings2::SetLogo);
    connect(m_ui->addLineButton, &QPushButton::clicked, this, &CTabServiceSettings2::AddLine);
    connect(m_ui->changeLineButton, &QPushButton::clicked, this, &CTabServiceSettings2::ChangeLine);
    connect(m_ui->deleteLineButton, &QPushButton::clicked, this, &CTabServiceSettings2::DeleteLine);
    connect(m_ui->moveUpButton, &QPushButton::clicked, this, &CTabServiceSettings2::MoveLineUp);
    connect(m_ui->moveDownButton, &QPushButton::clicked, this, &CTabServiceSettings2::MoveLineDown);
    connect(m_ui->setFooterButton, &QPushButton::clicked, this, &CTabServiceSettings2::SetFooter);
    connect(m_ui->setSpacingButton, &QPushButton::clicked, this,
            &CTabServiceSettings2::SetLineSpacing);
    connect(m_ui->setDiscountsButton, &QPushButton::clicked, this,
            &CTabServiceSettings2::SetDiscountPrinting);

    // Without a register the logo, spacing and discount controls go grey at once.
    if (m_pDocument) {
        connect(m_pDocument, &COrvikServiceDoc::ConnectionStateChanged, this,
                &CTabServiceSettings2::UpdateControls);
    }

    // Every control is found by what its user reads.
    for (QAbstractButton* button : findChildren<QAbstractButton*>()) {
        button->setAccessibleName(button->text());
    }
    UpdateControls();
}

CTabServiceSettings2::~CTabServiceSettings2() {
    if (!m_ui) {
        return;
    }
    // The widgets go after this part of the page, and their last signals must not reach it.
    disconnect(m_ui->footerList, nullptr, this, nullptr);
    disconnect(m_ui->spacingList, nullptr, this, nullptr);
    if (m_pDocument) {
        disconnect(m_pDocument, nullptr, this, nullptr);
    }
}

void CTabServiceSettings2::SetFileDialog(FileDialogFunction dialog) {
    m_fileDialog = dialog ? std::move(dialog) : FileDialogFunction(AskWithFileDialog);
}

void CTabServiceSettings2::SetFooterLineEditor(FooterLineEditor editor) {
    if (editor) {
        m_lineEditor = std::move(editor);
    } else {
        m_lineEditor = [this](QWidget* parent, const console::FooterLine& line) {
            return EditWithDialog(m_pDocument->Messages(), parent, line);
        };
    }
}

bool CTabServiceSettings2::Connected() const {
    return m_pDocument && m_pDocument->m_pCore != nullptr;
}

bool CTabServiceSettings2::UpdateDialog() {
    const bool connected = CUpdatableDialog::UpdateDialog();
    // The line spacing and discount printing of a register that has them are read into the
    // page; otherwise the page only follows the connection, and widgets not yet made take it
    // when they are.
    if (connected && (m_capabilities.lineSpacing || m_capabilities.discountPrintMode)) {
        EnsureWidgets();
        const DeviceActivity activity(*m_pDocument);
        // The register is not let go while it answers, but nothing is assumed of it.
        if (m_pDocument->m_pCore) {
            console::CCoreLogoFooterRegister device(*m_pDocument->m_pCore);
            m_page.Refresh(m_capabilities, &device);
        }
    } else {
        m_page.Refresh(m_capabilities, nullptr);
    }
    ShowSpacingAndDiscounts();
    UpdateControls();
    return connected;
}

void CTabServiceSettings2::ShowSpacingAndDiscounts() {
    if (!m_ui) {
        return;
    }
    const QSignalBlocker quietList(m_ui->spacingList);
    const QSignalBlocker quietRadio(m_ui->discountsAtEndRadio);
    const auto spacing = m_page.SpacingIndex();
    m_ui->spacingList->setCurrentIndex(spacing ? static_cast<int>(*spacing) : -1);
    (m_page.DiscountMode() == console::kDiscountsAtEnd ? m_ui->discountsAtEndRadio
                                                       : m_ui->discountsOnEachLineRadio)
        ->setChecked(true);
}

void CTabServiceSettings2::UpdateControls() {
    if (!m_ui) {
        return;
    }
    const console::LogoFooterControls controls = m_page.Controls(Connected());
    m_ui->loadLogoButton->setEnabled(controls.loadLogo);
    m_ui->printLogoCheck->setEnabled(controls.printLogoBox);
    m_ui->setLogoButton->setEnabled(controls.setLogo);
    m_ui->addLineButton->setEnabled(controls.addLine);
    m_ui->changeLineButton->setEnabled(controls.changeLine);
    m_ui->deleteLineButton->setEnabled(controls.deleteLine);
    m_ui->moveUpButton->setEnabled(controls.moveUp);
    m_ui->moveDownButton->setEnabled(controls.moveDown);
    m_ui->setFooterButton->setEnabled(controls.setFooter);
    m_ui->spacingList->setEnabled(controls.spacingList);
    m_ui->setSpacingButton->setEnabled(controls.setSpacing);
    m_ui->discountsOnEachLineRadio->setEnabled(controls.discountModes);
    m_ui->discountsAtEndRadio->setEnabled(controls.discountModes);
    m_ui->setDiscountsButton->setEnabled(controls.setDiscounts);
}

void CTabServiceSettings2::ShowMessage(int stringId, bool error) {
    m_pDocument->Messages().Show(
        this, error ? IConsoleMessages::Icon::Warning : IConsoleMessages::Icon::Information,
        LoadText(stringId));
}

// --- The logo ----------------------------------------------------------------------------

void CTabServiceSettings2::LoadLogo() {
    EnsureWidgets();
    const QString path = m_fileDialog(
        this, {.mode = FileDialogRequest::Mode::Open,
               .title = LoadText(kStrLogoOpenTitle),
               .nameFilters = {LoadText(kStrLogoBitmapFilter), LoadText(kStrLogoImageFilter),
                               LoadText(kStrLogoAllFilesFilter)},
               .defaultSuffix = QStringLiteral("bmp")});
    if (path.isEmpty() || !QFile::exists(path)) {
        return;
    }
    LogoFileLoad load = LoadLogoFile(path);
    if (load.status == LogoFileStatus::Loaded) {
        m_page.TakeLogo(std::move(load.bitmap));
    } else {
        m_page.DropLogo(DefaultLogo());
        ShowMessage(
            load.status == LogoFileStatus::Unreadable ? kStrLogoLoadFailed : kStrLogoWrongFormat,
            true);
    }
    const QSignalBlocker quiet(m_ui->printLogoCheck);
    m_ui->printLogoCheck->setChecked(m_page.PrintLogo());
    UpdateControls();
    m_ui->logoPreview->update();
}

void CTabServiceSettings2::SetLogo() {
    EnsureWidgets();
    if (!m_page.Capabilities().logo || !Connected()) {
        return;
    }
    console::LogoSendResult result;
    {
        // Wait cursor meanwhile; the window keeps painting while the rows go out.
        const DeviceActivity activity(*m_pDocument);
        console::CCoreLogoFooterRegister device(*m_pDocument->m_pCore);
        result = m_page.SendLogo(device);
    }
    if (result == console::LogoSendResult::NoBits) {
        ShowMessage(kStrLogoNoBits, true);
    }
    if (result != console::LogoSendResult::Sent) {
        ShowMessage(kStrLogoSendFailed, true);
    }
}

// --- The footer --------------------------------------------------------------------------

void CTabServiceSettings2::ShowFooter() {
    CAutoSizeListCtrl* list = m_ui->footerList;
    const QSignalBlocker quiet(list);
    {
        const CAutoSizeListCtrl::BatchUpdate batch(*list);
        list->DeleteAllRows();
        for (const console::FooterLine& line : m_page.Footer().Rows()) {
            list->AppendRow({Qt16(line.text), Qt16(console::JournalText(line)),
                             Qt16(console::FormatText(line))});
        }
    }
    list->clearSelection();
    if (const auto selected = m_page.Footer().Selected()) {
        QTreeWidgetItem* item = list->topLevelItem(static_cast<int>(*selected));
        item->setSelected(true);
        list->setCurrentItem(item);
        list->scrollToItem(item);
    }
    UpdateControls();
}

void CTabServiceSettings2::OnFooterSelectionChanged() {
    const QList<QTreeWidgetItem*> selected = m_ui->footerList->selectedItems();
    m_page.Footer().Select(selected.isEmpty()
                               ? std::nullopt
                               : std::optional<std::size_t>(static_cast<std::size_t>(
                                     m_ui->footerList->indexOfTopLevelItem(selected[0]))));
    UpdateControls();
}

void CTabServiceSettings2::AddLine() {
    EnsureWidgets();
    if (!m_page.Footer().CanAdd()) {
        return;
    }
    if (const auto line = m_lineEditor(this, console::FooterLine{})) {
        m_page.Footer().Add(*line);
    }
    ShowFooter();
}

void CTabServiceSettings2::ChangeLine() {
    EnsureWidgets();
    console::FooterList& footer = m_page.Footer();
    if (const auto selected = footer.Selected()) {
        if (const auto line = m_lineEditor(this, footer.Rows()[*selected])) {
            footer.ChangeSelected(*line);
        }
    }
    ShowFooter();
}

void CTabServiceSettings2::DeleteLine() {
    EnsureWidgets();
    m_page.Footer().DeleteSelected();
    ShowFooter();
}

void CTabServiceSettings2::MoveLineUp() {
    EnsureWidgets();
    m_page.Footer().MoveSelectedUp();
    ShowFooter();
}

void CTabServiceSettings2::MoveLineDown() {
    EnsureWidgets();
    m_page.Footer().MoveSelectedDown();
    ShowFooter();
}

void CTabServiceSettings2::ExplainServiceLogin() {
    const QString text = LoadText(kStrFooterNeedsServiceLogin);
    m_ui->setFooterButton->setToolTip(text);
    if (auto* frame = qobject_cast<QMainWindow*>(window())) {
        frame->statusBar()->showMessage(text, kStatusMessageMs);
    }
}

void CTabServiceSettings2::SetFooter() {
    EnsureWidgets();
    std::optional<console::CCoreLogoFooterRegister> device;
    if (Connected()) {
        device.emplace(*m_pDocument->m_pCore);
    }
    if (!device || !device->ServiceSession()) {
        ExplainServiceLogin();
        return;
    }
    m_ui->setFooterButton->setToolTip(QString());
    if (m_page.FooterErases() &&
        !m_pDocument->Messages().AskYesNo(this, LoadText(kStrFooterEraseQuestion), false)) {
        return;
    }
    bool sent = false;
    {
        const DeviceActivity activity(*m_pDocument);
        // The question may have waited while the connection went.
        if (m_pDocument->m_pCore) {
            console::CCoreLogoFooterRegister now(*m_pDocument->m_pCore);
            sent = m_page.SendFooter(&now) == console::FooterSendResult::Sent;
        }
    }
    ShowMessage(sent ? kStrFooterSet : kStrFooterSetFailed, !sent);
}

// --- Line spacing and discount printing ----------------------------------------------------

void CTabServiceSettings2::SetLineSpacing() {
    EnsureWidgets();
    const auto index = m_page.SpacingIndex();
    if (!Connected() || !index) {
        return;
    }
    bool set = false;
    {
        const DeviceActivity activity(*m_pDocument);
        console::CCoreLogoFooterRegister device(*m_pDocument->m_pCore);
        set = m_page.SendLineSpacing(device);
    }
    if (set) {
        m_pDocument->Messages().Show(
            this, IConsoleMessages::Icon::Information,
            LoadText(kStrLineSpacingSet) + Qt16(console::LineSpacingEntries()[*index].text));
    } else {
        ShowMessage(kStrLineSpacingFailed, true);
    }
}

void CTabServiceSettings2::SetDiscountPrinting() {
    EnsureWidgets();
    if (!Connected()) {
        return;
    }
    bool set = false;
    {
        const DeviceActivity activity(*m_pDocument);
        console::CCoreLogoFooterRegister device(*m_pDocument->m_pCore);
        set = m_page.SendDiscountMode(device);
    }
    ShowMessage(set ? kStrDiscountPrintSet : kStrDiscountPrintFailed, !set);
}

}  // namespace orvik::gui
