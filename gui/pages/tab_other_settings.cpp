#include "gui/pages/tab_other_settings.h"

namespace orvik::gui {

CTabOtherSettings::CTabOtherSettings(COrvikServiceDoc* document, QWidget* view)
    : CUpdatableDialog(document, view) {}

bool CTabOtherSettings::UpdateDialog() {
    // Nothing of the register is shown here yet beyond its model.
    return CUpdatableDialog::UpdateDialog();
}

}  // namespace orvik::gui
