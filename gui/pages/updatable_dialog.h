#pragma once

#include <QWidget>

#include "device/protocol/register_capabilities.h"

namespace orvik::gui {

class COrvikServiceDoc;

// The base of every tab page. A page reaches the register only through the document's m_pCore,
// read afresh at each use and never kept. The view calls UpdateDialog on every page, in tab
// order, after each successful connect and after each Z report.
//
// A page makes its widgets when it is first shown or used, not when the window is made: the
// window's first paint waits for no page it does not show. What a page holds lives outside
// its widgets (in console/), so nothing is lost before they exist, and the widgets show it
// once made.
class CUpdatableDialog : public QWidget {
    Q_OBJECT

  public:
    // view: the main view the page belongs to (the tab control becomes its parent).
    CUpdatableDialog(COrvikServiceDoc* document, QWidget* view);

    // Refreshes the page from the connected register. The base forgets the capabilities,
    // answers false when no register is connected, takes the register's capabilities and
    // answers true.
    virtual bool UpdateDialog();

    // What the register of the last refresh has; a default value without one.
    const device::RegisterCapabilities& Capabilities() const { return m_capabilities; }

    // Makes the page's widgets now if they are not made yet.
    void EnsureWidgets();

    // A page about to go on screen makes its widgets first.
    void setVisible(bool visible) override;

  protected:
    // Makes the page's widgets; called once, by EnsureWidgets.
    virtual void BuildWidgets() {}
    bool WidgetsBuilt() const { return m_widgetsBuilt; }

    // The page shown with its tab control (the page that was current while the control was
    // hidden gets no setVisible call then).
    void showEvent(QShowEvent* event) override;

    COrvikServiceDoc* m_pDocument;  // not owned
    // What the connected register has: the logo, tape-mode, compound-tax, barcode and
    // discount-print commands (family 1 model 8) among them.
    device::RegisterCapabilities m_capabilities;

  private:
    bool m_widgetsBuilt = false;
};

}  // namespace orvik::gui
