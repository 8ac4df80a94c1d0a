#include "gui/pages/tab_reports.h"

namespace orvik::gui {

CTabReports::CTabReports(COrvikServiceDoc* document, QWidget* view)
    : CUpdatableDialog(document, view) {}

bool CTabReports::UpdateDialog() {
    // Nothing of the register is shown here yet beyond its model.
    return CUpdatableDialog::UpdateDialog();
}

}  // namespace orvik::gui
