#include "gui/pages/updatable_dialog.h"

#include <QLayout>

#include "gui/document/orvik_service_doc.h"

namespace orvik::gui {

CUpdatableDialog::CUpdatableDialog(COrvikServiceDoc* document, QWidget* view)
    : QWidget(view), m_pDocument(document) {}

bool CUpdatableDialog::UpdateDialog() {
    m_capabilities = {};
    const device::COrvikCore* core = m_pDocument ? m_pDocument->m_pCore.get() : nullptr;
    if (!core) {
        return false;
    }
    m_capabilities = core->Capabilities();
    return true;
}

void CUpdatableDialog::EnsureWidgets() {
    if (m_widgetsBuilt) {
        return;
    }
    // Set first: what BuildWidgets calls may ask again.
    m_widgetsBuilt = true;
    BuildWidgets();
    if (!isVisible()) {
        return;
    }
    // Widgets made inside a page already on screen would show only at the next turn of the
    // event loop, after a paint without them; those not hidden on purpose show now.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow() && child->isHidden() &&
            !child->testAttribute(Qt::WA_WState_ExplicitShowHide)) {
            child->show();
        }
    }
    if (QLayout* widgets = layout()) {
        widgets->activate();
    }
}

void CUpdatableDialog::setVisible(bool visible) {
    // The tab control also "shows" its current page while it is itself hidden, as it is before
    // the first connect: the page is then not yet on its way to the screen.
    if (visible && (!parentWidget() || parentWidget()->isVisible())) {
        EnsureWidgets();
    }
    QWidget::setVisible(visible);
}

void CUpdatableDialog::showEvent(QShowEvent* event) {
    EnsureWidgets();
    QWidget::showEvent(event);
}

}  // namespace orvik::gui
