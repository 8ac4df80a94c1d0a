#include "gui/pages/tab_sales.h"

namespace orvik::gui {

CTabSales::CTabSales(COrvikServiceDoc* document, QWidget* view)
    : CUpdatableDialog(document, view) {}

bool CTabSales::UpdateDialog() {
    // Nothing of the register is shown here yet beyond its model.
    return CUpdatableDialog::UpdateDialog();
}

}  // namespace orvik::gui
