#include "gui/pages/move_cash_dlg.h"

#include <QApplication>
#include <QStyle>

#include <optional>

#include "gui/document/orvik_service_doc.h"
#include "ui_move_cash_dlg.h"

namespace orvik::gui {

CMoveCashDlg::CMoveCashDlg(COrvikServiceDoc* document, QWidget* parent)
    : QDialog(parent), m_pDocument(document), m_ui(std::make_unique<Ui::MoveCashDlg>()) {
    m_ui->setupUi(this);
    const QIcon icon = QApplication::windowIcon();
    const int side = style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, this);
    m_ui->appIconLabel->setPixmap(icon.pixmap(side, side));
    m_ui->cashInRadio->setChecked(true);

    if (device::COrvikCore* core = m_pDocument ? m_pDocument->m_pCore.get() : nullptr) {
        m_register = std::make_unique<console::CoreCashRegister>(*core);
    }
    {
        // The drawer is read at once from a connected register.
        std::optional<DeviceActivity> activity;
        if (m_register) {
            activity.emplace(*m_pDocument);
        }
        m_state = std::make_unique<console::CashDialogState>(m_register.get());
    }
    m_ui->drawerCashEdit->setText(QString::fromStdU16String(m_state->Drawer()));

    connect(m_ui->amountEdit, &QLineEdit::textChanged, this, &CMoveCashDlg::UpdatePrintButton);
    connect(m_ui->cashInRadio, &QRadioButton::toggled, this, &CMoveCashDlg::UpdatePrintButton);
    connect(m_ui->printButton, &QPushButton::clicked, this, &CMoveCashDlg::PerformCashMove);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    UpdatePrintButton();
    // The amount is what the operator types; the drawer beside it is only read.
    m_ui->amountEdit->setFocus(Qt::OtherFocusReason);
}

CMoveCashDlg::~CMoveCashDlg() = default;

std::int64_t CMoveCashDlg::AmountUnits() const {
    return m_state->AmountUnits();
}

void CMoveCashDlg::UpdatePrintButton() {
    m_state->SetAmount(m_ui->amountEdit->text().toStdU16String());
    m_state->SetCashOut(m_ui->cashOutRadio->isChecked());
    m_ui->printButton->setEnabled(m_state->PrintEnabled());
}

void CMoveCashDlg::PerformCashMove() {
    UpdatePrintButton();
    bool close = false;
    {
        std::optional<DeviceActivity> activity;
        if (m_register && m_state->PrintEnabled()) {
            activity.emplace(*m_pDocument);
        }
        // The register's refusal is shown by the core; the dialog closes all the same.
        close = m_state->Perform();
    }
    if (close) {
        accept();
    }
}

}  // namespace orvik::gui
