// The receipt page's widgets as mirrors of its state: the form shown and read back, the
// list's rows, the running total, the enabled controls, and the messages of its checks.
#include <QButtonGroup>
#include <QHeaderView>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include <algorithm>
#include <array>

#include "console/running_total.h"
#include "gui/controls/qt_text.h"
#include "gui/document/orvik_service_doc.h"
#include "gui/pages/tab_sales.h"
#include "res/string_table.h"
#include "ui_tab_sales.h"

namespace orvik::gui {
namespace {

// The row's data value: 1 return, 0 sale.
constexpr int kReturnFlagRole = Qt::UserRole;

constexpr std::array<Qt::Alignment, console::kColumnCount> kColumnAlignment{
    Qt::AlignLeft,  Qt::AlignLeft,    Qt::AlignHCenter, Qt::AlignRight,
    Qt::AlignRight, Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignHCenter,
    Qt::AlignLeft,  Qt::AlignRight,   Qt::AlignRight};

// Shows a text in a field only when it differs, so that the caret stays where it is.
void SetText(QLineEdit* field, const std::u16string& text) {
    const QString shown = Qt16(text);
    if (field->text() != shown) {
        field->setText(shown);
    }
}

void Check(QAbstractButton* button, bool on) {
    if (button->isChecked() != on) {
        button->setChecked(on);
    }
}

// Draws each cell as usual, then its right and bottom grid lines.
class GridLineDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        const QRect cell = option.rect;
        painter->save();
        painter->setPen(option.palette.color(QPalette::Midlight));
        painter->drawLine(cell.topRight(), cell.bottomRight());
        painter->drawLine(cell.bottomLeft(), cell.bottomRight());
        painter->restore();
    }
};

}  // namespace

void CTabSales::SetUpList() {
    CAutoSizeListCtrl* list = m_ui->linesList;
    QStringList headings;
    for (int column = 0; column < static_cast<int>(console::kColumnCount); ++column) {
        headings << LoadText(kStrSalesColumnFirst + column);
    }
    list->SetColumns(headings);
    for (int column = 0; column < static_cast<int>(console::kColumnCount); ++column) {
        list->headerItem()->setTextAlignment(column, kColumnAlignment[column] | Qt::AlignVCenter);
    }
    list->setIconSize(QSize(16, 16));
    // Qt measures only the rows on screen; the list's own rule of one and a half characters
    // per character of the longest text covers the rest. Measuring every row of a long
    // receipt would take longer than a frame after each added line.
    list->header()->setResizeContentsPrecision(0);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setAlternatingRowColors(false);
    // Grid lines between the cells, as in a report list.
    list->setItemDelegate(new GridLineDelegate(list));
    // The selection stays as visible when the focus is elsewhere (on a button of the page).
    QPalette palette = list->palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    }
    list->setPalette(palette);
}

void CTabSales::FillTaxCombos() {
    const QSignalBlocker block1(m_ui->taxRate1Combo);
    const QSignalBlocker block2(m_ui->taxRate2Combo);
    for (QComboBox* combo : {m_ui->taxRate1Combo, m_ui->taxRate2Combo}) {
        combo->clear();
        for (const console::TaxChoice& choice : m_page.TaxChoices()) {
            combo->addItem(Qt16(choice.text), choice.slot);
        }
    }
    ShowForm();
}

void CTabSales::ReadForm() {
    console::SalesForm& form = m_page.form;
    form.name = Std16(m_ui->nameEdit->text());
    form.divisible = m_ui->divisibleCheck->isChecked();
    form.quantity = Std16(m_ui->quantityEdit->text());
    form.price = Std16(m_ui->priceEdit->text());
    form.article = Std16(m_ui->articleEdit->text());
    form.taxSlot1 = m_ui->taxRate1Combo->currentData().toInt();
    form.taxSlot2 = m_ui->taxRate2Combo->currentData().toInt();
    form.compoundTax = m_ui->compoundTaxCheck->isChecked();
    form.discountKind = std::max(0, m_ui->discountKindGroup->checkedId());
    form.discountName = Std16(m_ui->discountNameEdit->text());
    form.discountAmount = Std16(m_ui->discountAmountEdit->text());
    form.receiptNumber = Std16(m_ui->receiptNumberEdit->text());
    form.isReturn = m_ui->returnCheck->isChecked();
    form.printCount = Std16(m_ui->printCountEdit->text());
    form.afterPrint = std::max(0, m_ui->afterPrintGroup->checkedId());
    form.cash = Std16(m_ui->cashEdit->text());
    form.payments = {Std16(m_ui->payment1Edit->text()), Std16(m_ui->payment2Edit->text()),
                     Std16(m_ui->payment3Edit->text())};
    form.tapeMode = std::max(0, m_ui->tapeModeGroup->checkedId());
    form.barcodeType = std::max(0, m_ui->barcodeTypeGroup->checkedId());
    form.barcode = Std16(m_ui->barcodeEdit->text());
}

void CTabSales::ShowForm() {
    const bool wasShowing = m_bShowing;
    m_bShowing = true;
    const console::SalesForm& form = m_page.form;
    ShowLimits();
    SetText(m_ui->nameEdit, form.name);
    Check(m_ui->divisibleCheck, form.divisible);
    SetText(m_ui->quantityEdit, form.quantity);
    SetText(m_ui->priceEdit, form.price);
    SetText(m_ui->articleEdit, form.article);
    for (const auto& [combo, slot] :
         {std::pair{m_ui->taxRate1Combo, form.taxSlot1}, {m_ui->taxRate2Combo, form.taxSlot2}}) {
        const int index = combo->findData(slot);
        if (index >= 0) {
            combo->setCurrentIndex(index);
        }
    }
    Check(m_ui->compoundTaxCheck, form.compoundTax);
    if (QAbstractButton* kind = m_ui->discountKindGroup->button(form.discountKind)) {
        Check(kind, true);
    }
    SetText(m_ui->discountNameEdit, form.discountName);
    SetText(m_ui->discountAmountEdit, form.discountAmount);
    SetText(m_ui->receiptNumberEdit, form.receiptNumber);
    Check(m_ui->returnCheck, form.isReturn);
    m_ui->returnCheck->setEnabled(m_page.ReturnBoxEnabled());
    SetText(m_ui->printCountEdit, form.printCount);
    if (QAbstractButton* after = m_ui->afterPrintGroup->button(form.afterPrint)) {
        Check(after, true);
    }
    SetText(m_ui->cashEdit, form.cash);
    SetText(m_ui->payment1Edit, form.payments[0]);
    SetText(m_ui->payment2Edit, form.payments[1]);
    SetText(m_ui->payment3Edit, form.payments[2]);
    if (QAbstractButton* tape = m_ui->tapeModeGroup->button(form.tapeMode)) {
        Check(tape, true);
    }
    if (QAbstractButton* code = m_ui->barcodeTypeGroup->button(form.barcodeType)) {
        Check(code, true);
    }
    SetText(m_ui->barcodeEdit, form.barcode);
    m_bShowing = wasShowing;
}

void CTabSales::ShowLimits() {
    m_ui->nameEdit->setMaxLength(m_page.Limits().maxNameLength);
    m_ui->cashEdit->setMaxLength(static_cast<int>(console::kCashFieldLength));
    m_ui->receiptNumberEdit->setMaxLength(static_cast<int>(console::kReceiptNumberFieldLength));
    m_ui->printCountEdit->setMaxLength(static_cast<int>(console::kPrintCountFieldLength));
}

void CTabSales::ShowRow(QTreeWidgetItem* item, const console::ReceiptRow& row) {
    const console::RowTexts texts = console::TextsOfRow(row);
    for (int column = 0; column < static_cast<int>(console::kColumnCount); ++column) {
        item->setText(column, Qt16(texts[static_cast<std::size_t>(column)]));
        item->setTextAlignment(column, kColumnAlignment[column] | Qt::AlignVCenter);
    }
    item->setIcon(0, row.isReturn ? m_returnIcon : m_saleIcon);
    item->setData(0, kReturnFlagRole, row.isReturn ? 1 : 0);
}

void CTabSales::ShowRows() {
    CAutoSizeListCtrl* list = m_ui->linesList;
    const CAutoSizeListCtrl::BatchUpdate batch(*list);
    list->DeleteAllRows();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(m_page.Rows().size()));
    for (const console::ReceiptRow& row : m_page.Rows()) {
        auto* item = new QTreeWidgetItem;
        ShowRow(item, row);
        items.append(item);
    }
    list->addTopLevelItems(items);
}

void CTabSales::ShowRunningTotal() {
    const device::COrvikCore* core = Core();
    const std::vector<std::u16string> lines = console::RunningTotalLines(
        m_page.Preview(), m_page.PreviewHasRegister(),
        core ? &core->PrinterInfo().taxSlots : nullptr, m_page.form, m_page.Limits().moneyDecimals);
    QStringList texts;
    for (const std::u16string& line : lines) {
        texts << Qt16(line);
    }
    m_ui->totalsLabel->setText(texts.join(u'\n'));
}

std::vector<std::size_t> CTabSales::SelectedRows() const {
    std::vector<std::size_t> rows;
    const CAutoSizeListCtrl* list = m_ui->linesList;
    for (QTreeWidgetItem* item : list->selectedItems()) {
        rows.push_back(static_cast<std::size_t>(list->indexOfTopLevelItem(item)));
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CTabSales::FocusName() {
    const bool wasShowing = m_bShowing;
    m_bShowing = true;
    m_ui->nameEdit->setFocus(Qt::OtherFocusReason);
    m_bShowing = wasShowing;
}

void CTabSales::Warn(const std::u16string& text) {
    m_pDocument->Messages().Show(this, IConsoleMessages::Icon::Warning, Qt16(text));
}

void CTabSales::Warn(const console::CheckFailure& failure) {
    Warn(failure.message);
    if (QWidget* field = FieldWidget(failure.field); field && field->isEnabled()) {
        const bool wasShowing = m_bShowing;
        m_bShowing = true;
        field->setFocus(Qt::OtherFocusReason);
        m_bShowing = wasShowing;
    }
}

QWidget* CTabSales::FieldWidget(console::ReceiptField field) const {
    using console::ReceiptField;
    switch (field) {
        case ReceiptField::Name:
            return m_ui->nameEdit;
        case ReceiptField::Article:
            return m_ui->articleEdit;
        case ReceiptField::Divisible:
            return m_ui->divisibleCheck;
        case ReceiptField::Quantity:
            return m_ui->quantityEdit;
        case ReceiptField::Price:
            return m_ui->priceEdit;
        case ReceiptField::TaxRate1:
            return m_ui->taxRate1Combo;
        case ReceiptField::TaxRate2:
            return m_ui->taxRate2Combo;
        case ReceiptField::DiscountKind:
            return m_ui->noDiscountRadio;
        case ReceiptField::DiscountName:
            return m_ui->discountNameEdit;
        case ReceiptField::DiscountAmount:
            return m_ui->discountAmountEdit;
        case ReceiptField::CompoundTax:
            return m_ui->compoundTaxCheck;
        case ReceiptField::ReturnFlag:
            return m_ui->returnCheck;
        case ReceiptField::PrintCount:
            return m_ui->printCountEdit;
        case ReceiptField::ReceiptNumber:
            return m_ui->receiptNumberEdit;
        case ReceiptField::Barcode:
            return m_ui->barcodeEdit;
        case ReceiptField::Cash:
            return m_ui->cashEdit;
        case ReceiptField::Payment1:
            return m_ui->payment1Edit;
        case ReceiptField::Payment2:
            return m_ui->payment2Edit;
        case ReceiptField::Payment3:
            return m_ui->payment3Edit;
    }
    return nullptr;
}

void CTabSales::UpdateButtons() {
    if (!m_ui) {
        return;
    }
    const console::SalesButtons buttons =
        m_page.Buttons(static_cast<std::size_t>(m_ui->linesList->selectedItems().size()));
    m_ui->discountNameEdit->setEnabled(buttons.discountFields);
    m_ui->discountAmountEdit->setEnabled(buttons.discountFields);
    for (QWidget* control :
         {static_cast<QWidget*>(m_ui->clearSelectionButton),
          static_cast<QWidget*>(m_ui->deleteButton), static_cast<QWidget*>(m_ui->modifyButton)}) {
        control->setEnabled(buttons.selectionActions);
    }
    m_ui->saveButton->setEnabled(buttons.receiptActions);
    m_ui->printButton->setEnabled(buttons.receiptActions);
    for (QWidget* control : {static_cast<QWidget*>(m_ui->ordinaryTapeRadio),
                             static_cast<QWidget*>(m_ui->continuousTapeRadio)}) {
        control->setEnabled(buttons.tapeModes);
    }
    for (QWidget* control :
         {static_cast<QWidget*>(m_ui->codeARadio), static_cast<QWidget*>(m_ui->codeBRadio),
          static_cast<QWidget*>(m_ui->codeCRadio), static_cast<QWidget*>(m_ui->barcodeEdit)}) {
        control->setEnabled(buttons.barcode);
    }
    m_ui->compoundTaxCheck->setEnabled(buttons.compoundTax);
}

}  // namespace orvik::gui
