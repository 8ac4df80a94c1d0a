#pragma once

#include <QWidget>

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

    // Refreshes the page from the connected register. The base clears m_bModel8, answers false
    // when no register is connected, sets m_bModel8 for family 1 model 8 and answers true.
    virtual bool UpdateDialog();

    bool IsModel8() const { return m_bModel8; }

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
    // The connected register is family 1 model 8, the one that takes the logo, tape-mode,
    // compound-tax, barcode and discount-print commands.
    bool m_bModel8 = false;

  private:
    bool m_widgetsBuilt = false;
};

}  // namespace orvik::gui
