#pragma once

#include "gui/pages/updatable_dialog.h"

namespace orvik::gui {

// The "Установки ЭККР" page: the register's clock and options.
class CTabOtherSettings : public CUpdatableDialog {
    Q_OBJECT

  public:
    CTabOtherSettings(COrvikServiceDoc* document, QWidget* view);

    bool UpdateDialog() override;
};

}  // namespace orvik::gui
