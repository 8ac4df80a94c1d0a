#pragma once

#include "gui/pages/updatable_dialog.h"

namespace orvik::gui {

// The "Отчеты" page: X, Z and periodic reports.
class CTabReports : public CUpdatableDialog {
    Q_OBJECT

  public:
    CTabReports(COrvikServiceDoc* document, QWidget* view);

    bool UpdateDialog() override;
};

}  // namespace orvik::gui
