#include "gui/pages/updatable_dialog.h"

#include "gui/document/orvik_service_doc.h"

namespace orvik::gui {

CUpdatableDialog::CUpdatableDialog(COrvikServiceDoc* document, QWidget* view)
    : QWidget(view), m_pDocument(document) {}

bool CUpdatableDialog::UpdateDialog() {
    m_bModel8 = false;
    const device::COrvikCore* core = m_pDocument ? m_pDocument->m_pCore.get() : nullptr;
    if (!core) {
        return false;
    }
    m_bModel8 = core->deviceFamily == 1 && core->deviceModel == 8;
    return true;
}

}  // namespace orvik::gui
