#pragma once

#include <QWidget>

namespace orvik::gui {

class COrvikServiceDoc;

// The base of every tab page. A page reaches the register only through the document's m_pCore,
// read afresh at each use and never kept. The view calls UpdateDialog on every page, in tab
// order, after each successful connect and after each Z report.
class CUpdatableDialog : public QWidget {
    Q_OBJECT

  public:
    // view: the main view the page belongs to (the tab control becomes its parent).
    CUpdatableDialog(COrvikServiceDoc* document, QWidget* view);

    // Refreshes the page from the connected register. The base clears m_bModel8, answers false
    // when no register is connected, sets m_bModel8 for family 1 model 8 and answers true.
    virtual bool UpdateDialog();

    bool IsModel8() const { return m_bModel8; }

  protected:
    COrvikServiceDoc* m_pDocument;  // not owned
    // The connected register is family 1 model 8, the one that takes the logo, tape-mode,
    // compound-tax, barcode and discount-print commands.
    bool m_bModel8 = false;
};

}  // namespace orvik::gui
