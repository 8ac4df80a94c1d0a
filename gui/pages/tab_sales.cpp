#include "gui/pages/tab_sales.h"

#include <QButtonGroup>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

#include "console/receipt_register.h"
#include "gui/document/orvik_service_doc.h"
#include "ui_tab_sales.h"

namespace orvik::gui {

using console::NumberField;

CTabSales::CTabSales(COrvikServiceDoc* document, QWidget* view)
    : CUpdatableDialog(document, view), m_fileDialog(AskWithFileDialog) {
    // The form goes into this layout when it is first needed.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

CTabSales::~CTabSales() {
    if (m_ui) {
        // The widgets go after this part of the page, and their last signals must not reach it.
        disconnect(m_ui->linesList, nullptr, this, nullptr);
        for (QLineEdit* field : findChildren<QLineEdit*>()) {
            field->removeEventFilter(this);
        }
    }
}

QSize CTabSales::sizeHint() const {
    // What the form asks for with the desktop's usual fonts; once built, at least what it asks.
    static constexpr QSize kDesignedSize(1000, 690);
    static constexpr QSize kScrollerMargins(24, 24);
    if (!m_ui) {
        return kDesignedSize;
    }
    return kDesignedSize.expandedTo(m_ui->pageLayout->parentWidget()->sizeHint() +
                                    kScrollerMargins);
}

device::COrvikCore* CTabSales::Core() const {
    return m_pDocument ? m_pDocument->m_pCore.get() : nullptr;
}

void CTabSales::BuildWidgets() {
    m_ui = std::make_unique<Ui::TabSales>();
    // The form scrolls in a window too small for it rather than being cut off.
    auto* scroller = new QScrollArea(this);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    // The scroller only holds the form: the caret goes past it to the form's first field, as
    // on every other page, and Tab still brings the field it reaches into sight.
    scroller->setFocusPolicy(Qt::NoFocus);
    auto* form = new QWidget;
    m_ui->setupUi(form);
    scroller->setWidget(form);
    layout()->addWidget(scroller);
    layout()->activate();
    m_saleIcon = QIcon(QStringLiteral(":/icons/sale-row.png"));
    m_returnIcon = QIcon(QStringLiteral(":/icons/return-row.png"));

    SetUpList();

    const auto digitsOnly = new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this);
    for (QLineEdit* field : {m_ui->articleEdit, m_ui->receiptNumberEdit, m_ui->printCountEdit}) {
        field->setValidator(digitsOnly);
    }
    m_ui->totalsLabel->setAccessibleName(m_ui->totalsGroup->title());
    // The button groups number their buttons as the form counts its choices.
    m_ui->discountKindGroup->setId(m_ui->noDiscountRadio, 0);
    m_ui->discountKindGroup->setId(m_ui->discountRadio, 1);
    m_ui->discountKindGroup->setId(m_ui->surchargeRadio, 2);
    m_ui->afterPrintGroup->setId(m_ui->keepListRadio, 0);
    m_ui->afterPrintGroup->setId(m_ui->clearListRadio, 1);
    m_ui->tapeModeGroup->setId(m_ui->ordinaryTapeRadio, 0);
    m_ui->tapeModeGroup->setId(m_ui->continuousTapeRadio, 1);
    m_ui->barcodeTypeGroup->setId(m_ui->codeARadio, 0);
    m_ui->barcodeTypeGroup->setId(m_ui->codeBRadio, 1);
    m_ui->barcodeTypeGroup->setId(m_ui->codeCRadio, 2);

    ConnectWidgets();
    FillTaxCombos();
    ShowRows();
    ShowForm();
    UpdateButtons();
    ShowRunningTotal();
}

void CTabSales::ConnectWidgets() {
    connect(m_ui->addButton, &QPushButton::clicked, this, &CTabSales::AddLine);
    connect(m_ui->modifyButton, &QPushButton::clicked, this, &CTabSales::ModifyLine);
    connect(m_ui->deleteButton, &QPushButton::clicked, this, &CTabSales::DeleteLines);
    connect(m_ui->selectAllButton, &QPushButton::clicked, this, &CTabSales::SelectAll);
    connect(m_ui->clearSelectionButton, &QPushButton::clicked, this, &CTabSales::ClearSelection);
    connect(m_ui->printButton, &QPushButton::clicked, this, &CTabSales::PrintReceipt);
    connect(m_ui->saveButton, &QPushButton::clicked, this, &CTabSales::SaveReceipt);
    connect(m_ui->loadButton, &QPushButton::clicked, this, &CTabSales::LoadReceipt);
    connect(m_ui->cashButton, &QPushButton::clicked, this, &CTabSales::OpenCashDialog);
    connect(m_ui->linesList, &QTreeWidget::itemDoubleClicked, this, &CTabSales::LoadLineIntoForm);
    connect(m_ui->linesList, &QTreeWidget::itemSelectionChanged, this, &CTabSales::UpdateButtons);
    connect(m_ui->returnCheck, &QCheckBox::clicked, this, [this](bool ticked) {
        ReadForm();
        m_page.SetReturnTicked(ticked);
        ShowForm();
    });
    const auto formChanged = [this] {
        if (m_bShowing) {
            return;
        }
        ReadForm();
        UpdateButtons();
        ShowRunningTotal();
    };
    connect(m_ui->discountKindGroup, &QButtonGroup::idClicked, this, formChanged);
    const auto ratesChanged = [this] {
        if (m_bShowing) {
            return;
        }
        ReadForm();
        console::DropCompoundTaxWithoutTwoRates(m_page.form);
        ShowForm();
        UpdateButtons();
        ShowRunningTotal();
    };
    connect(m_ui->taxRate1Combo, &QComboBox::currentIndexChanged, this, ratesChanged);
    connect(m_ui->taxRate2Combo, &QComboBox::currentIndexChanged, this, ratesChanged);
    connect(m_ui->compoundTaxCheck, &QCheckBox::toggled, this, formChanged);
    connect(m_ui->cashEdit, &QLineEdit::textEdited, this, formChanged);
    // The barcode is kept in capitals as it is typed.
    connect(m_ui->barcodeEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int caret = m_ui->barcodeEdit->cursorPosition();
        m_ui->barcodeEdit->setText(text.toUpper());
        m_ui->barcodeEdit->setCursorPosition(caret);
    });
    for (QLineEdit* field :
         {m_ui->quantityEdit, m_ui->priceEdit, m_ui->discountAmountEdit, m_ui->cashEdit,
          m_ui->payment1Edit, m_ui->payment2Edit, m_ui->payment3Edit}) {
        field->installEventFilter(this);
    }
}

bool CTabSales::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !m_bShowing) {
        // Leaving a field for another control of the page; not a message box or another window
        // taking the focus for a moment.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            LeaveNumberField(static_cast<QLineEdit*>(watched));
        }
    }
    return CUpdatableDialog::eventFilter(watched, event);
}

void CTabSales::LeaveNumberField(QLineEdit* field) {
    const std::array<std::pair<QLineEdit*, NumberField>, 7> fields{{
        {m_ui->quantityEdit, NumberField::Quantity},
        {m_ui->priceEdit, NumberField::Price},
        {m_ui->discountAmountEdit, NumberField::DiscountAmount},
        {m_ui->cashEdit, NumberField::Cash},
        {m_ui->payment1Edit, NumberField::Payment1},
        {m_ui->payment2Edit, NumberField::Payment2},
        {m_ui->payment3Edit, NumberField::Payment3},
    }};
    const auto it = std::find_if(fields.begin(), fields.end(),
                                 [field](const auto& entry) { return entry.first == field; });
    if (it == fields.end()) {
        return;
    }
    ReadForm();
    const auto problem = WithRegister([this, it](console::IReceiptRegister* reg) {
        return m_page.LeaveNumberField(it->second, reg);
    });
    ShowForm();
    ShowRunningTotal();
    if (problem) {
        Warn(*problem);
    }
}

void CTabSales::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || m_ui == nullptr) {
        CUpdatableDialog::keyPressEvent(event);
        return;
    }
    // Enter presses the focused button, and anywhere else the page's default button.
    if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
        button->click();
    } else {
        AddLine();
    }
    event->accept();
}

void CTabSales::SetFileDialog(FileDialogFunction dialog) {
    m_fileDialog = dialog ? std::move(dialog) : FileDialogFunction(AskWithFileDialog);
}

void CTabSales::SetCashDialog(CashDialogFunction dialog) {
    m_cashDialog = std::move(dialog);
}

bool CTabSales::UpdateDialog() {
    // As every page: false when there is no register to read.
    const bool connected = CUpdatableDialog::UpdateDialog();
    device::COrvikCore* core = Core();
    if (core) {
        console::CoreReceiptRegister reg(*core);
        m_page.Refresh(console::RegisterItemLimits(core->PrinterInfo(), m_capabilities),
                       m_capabilities, &reg);
        if (m_capabilities.tapeMode) {
            const DeviceActivity activity(*m_pDocument);
            m_page.TakeTapeModeAnswer(core->QueryTapeMode());
        }
    } else {
        m_page.Refresh(std::nullopt, {}, nullptr);
    }
    if (m_ui) {
        FillTaxCombos();
        ShowForm();
        UpdateButtons();
        ShowRunningTotal();
    }
    return connected;
}

}  // namespace orvik::gui
