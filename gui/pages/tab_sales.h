#pragma once

#include "gui/pages/updatable_dialog.h"

namespace orvik::gui {

// The "Печать чеков" page: composing and printing receipts, cash in and out.
class CTabSales : public CUpdatableDialog {
    Q_OBJECT

  public:
    CTabSales(COrvikServiceDoc* document, QWidget* view);

    bool UpdateDialog() override;
};

}  // namespace orvik::gui
