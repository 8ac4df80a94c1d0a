#include "gui/pages/tab_service_settings2.h"

namespace orvik::gui {

CTabServiceSettings2::CTabServiceSettings2(COrvikServiceDoc* document, QWidget* view)
    : CUpdatableDialog(document, view) {}

bool CTabServiceSettings2::UpdateDialog() {
    // Nothing of the register is shown here yet beyond its model.
    return CUpdatableDialog::UpdateDialog();
}

}  // namespace orvik::gui
