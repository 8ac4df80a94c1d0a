#pragma once

#include "gui/pages/updatable_dialog.h"

namespace orvik::gui {

// The "Установки ЭККР 2" page: the receipt logo, footer, line spacing and discount printing.
class CTabServiceSettings2 : public CUpdatableDialog {
    Q_OBJECT

  public:
    CTabServiceSettings2(COrvikServiceDoc* document, QWidget* view);

    bool UpdateDialog() override;
};

}  // namespace orvik::gui
