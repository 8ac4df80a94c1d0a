#include "gui/pages/move_cash_dlg.h"

#include <QApplication>
#include <QStyle>

#include <limits>

#include "console/receipt_numbers.h"
#include "gui/document/orvik_service_doc.h"
#include "support/text_trim.h"
#include "ui_move_cash_dlg.h"

namespace orvik::gui {
namespace {

constexpr int kDefaultDecimals = 2;

}  // namespace

CMoveCashDlg::CMoveCashDlg(COrvikServiceDoc* document, QWidget* parent)
    : QDialog(parent), m_pDocument(document), m_ui(std::make_unique<Ui::MoveCashDlg>()) {
    m_ui->setupUi(this);
    const QIcon icon = QApplication::windowIcon();
    const int side = style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, this);
    m_ui->appIconLabel->setPixmap(icon.pixmap(side, side));
    m_ui->drawerCashEdit->setText(QStringLiteral("0.00"));
    m_ui->cashInRadio->setChecked(true);

    if (device::COrvikCore* core = m_pDocument ? m_pDocument->m_pCore.get() : nullptr) {
        const DeviceActivity activity(*m_pDocument);
        const std::u16string report = core->QueryCash();
        if (!report.empty()) {
            m_ui->drawerCashEdit->setText(QString::fromStdU16String(console::FormatDrawerCash(
                report, MoneyDecimals(), support::TrimBlanks(core->printerInfo.currencyName))));
        }
    }

    connect(m_ui->amountEdit, &QLineEdit::textChanged, this, &CMoveCashDlg::UpdatePrintButton);
    connect(m_ui->cashInRadio, &QRadioButton::toggled, this, &CMoveCashDlg::UpdatePrintButton);
    connect(m_ui->printButton, &QPushButton::clicked, this, &CMoveCashDlg::PerformCashMove);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    UpdatePrintButton();
    // The amount is what the operator types; the drawer beside it is only read.
    m_ui->amountEdit->setFocus(Qt::OtherFocusReason);
}

CMoveCashDlg::~CMoveCashDlg() = default;

int CMoveCashDlg::MoneyDecimals() const {
    const device::COrvikCore* core = m_pDocument ? m_pDocument->m_pCore.get() : nullptr;
    return core ? core->printerInfo.decimalPointPosition : kDefaultDecimals;
}

std::int64_t CMoveCashDlg::AmountUnits() const {
    return console::CashDialogUnits(m_ui->amountEdit->text().toStdU16String(), MoneyDecimals());
}

void CMoveCashDlg::UpdatePrintButton() {
    const bool cashOut = m_ui->cashOutRadio->isChecked();
    // An amount the register's 32-bit field cannot hold would be sent as another amount.
    const bool fits = AmountUnits() <= std::numeric_limits<std::int32_t>::max();
    m_ui->printButton->setEnabled(
        fits &&
        console::CashMoveAllowed(m_ui->amountEdit->text().toStdU16String(), cashOut,
                                 m_ui->drawerCashEdit->text().toStdU16String(), MoneyDecimals()));
}

void CMoveCashDlg::PerformCashMove() {
    if (!m_ui->printButton->isEnabled()) {
        return;
    }
    if (device::COrvikCore* core = m_pDocument ? m_pDocument->m_pCore.get() : nullptr) {
        const DeviceActivity activity(*m_pDocument);
        // The register's refusal is shown by the core; the dialog closes all the same.
        core->MoveCash(m_ui->cashInRadio->isChecked(), static_cast<std::int32_t>(AmountUnits()));
    }
    accept();
}

}  // namespace orvik::gui
