#pragma once

#include <QDialog>

#include <cstdint>
#include <memory>

#include "console/cash_dialog.h"

namespace Ui {
class MoveCashDlg;
}

namespace orvik::gui {

class COrvikServiceDoc;

// "Внесение наличности/инкассация", opened by "Наличность" on the receipt page: shows the cash
// in the register's drawer, and on "&Печатать чек" has the register put the amount in or take
// it out, then closes whatever the register answered (the core shows its refusal itself).
class CMoveCashDlg : public QDialog {
    Q_OBJECT

  public:
    // Asks the connected register for its drawer at once.
    CMoveCashDlg(COrvikServiceDoc* document, QWidget* parent);
    ~CMoveCashDlg() override;

    // "&Печатать чек" is enabled for an amount above 0 that, for a cash out, the drawer holds.
    void UpdatePrintButton();
    // Moves the cash (when a register is connected) and closes the dialog.
    void PerformCashMove();

    // The amount in minor units as it will be sent.
    std::int64_t AmountUnits() const;

  private:
    COrvikServiceDoc* m_pDocument;  // not owned
    std::unique_ptr<Ui::MoveCashDlg> m_ui;
    std::unique_ptr<console::CoreCashRegister> m_register;  // while a register is connected
    std::unique_ptr<console::CashDialogState> m_state;
};

}  // namespace orvik::gui
