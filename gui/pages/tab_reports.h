#pragma once

#include "gui/pages/updatable_dialog.h"

// The "Отчеты" page: X, Z and periodic reports.
class CTabReports : public CUpdatableDialog {
    Q_OBJECT

  public:
    CTabReports(COrvikServiceDoc* document, QWidget* view);

    bool UpdateDialog() override;
};
