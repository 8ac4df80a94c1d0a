#pragma once

#include <memory>

#include "console/device_settings_page.h"
#include "gui/pages/updatable_dialog.h"

class QAbstractButton;
class QButtonGroup;

namespace Ui {
class TabOtherSettings;
}

namespace orvik::gui {

// The "Установки ЭККР" page: the register's clock, its cutter and beeper, the receipt header
// and footer, the article-table mode, the added-tax modes, the service message set and the
// department mnemonic. Each group sends only its own setting. The values and what each button
// does live in console::DeviceSettingsState; the widgets mirror it.
class CTabOtherSettings : public CUpdatableDialog {
    Q_OBJECT

  public:
    CTabOtherSettings(COrvikServiceDoc* document, QWidget* view);
    ~CTabOtherSettings() override;

    // Reads the register's clock, its cutter options (family 1 model 8, which alone shows the
    // partial-cut box), its article mode and its header line.
    bool UpdateDialog() override;

    // A button of the page: the fields are read, the setting is sent, and its success text is
    // shown once the register has accepted it. Nothing happens without a register.
    void Press(console::SettingsButton button);

    const console::DeviceSettingsState& State() const { return m_state; }

  private:
    void BuildWidgets() override;
    void ConnectButton(QAbstractButton* button, console::SettingsButton action);
    // The fields into the state, and the state into the fields.
    void ReadControls();
    void ShowValues();

    std::unique_ptr<Ui::TabOtherSettings> m_ui;  // null until the page is first shown
    console::DeviceSettingsState m_state;
    QButtonGroup* m_articleMode = nullptr;
    QButtonGroup* m_taxCalculation = nullptr;
    QButtonGroup* m_taxPrint = nullptr;
    QButtonGroup* m_messageSet = nullptr;
};

}  // namespace orvik::gui
