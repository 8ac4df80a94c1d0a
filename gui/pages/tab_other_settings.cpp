#include "gui/pages/tab_other_settings.h"

#include <QButtonGroup>
#include <QTime>

#include <initializer_list>

#include "gui/controls/keep_room.h"
#include "gui/controls/qt_text.h"
#include "gui/pages/page_operation.h"
#include "ui_tab_other_settings.h"

namespace orvik::gui {

namespace {

using console::SettingsButton;

// The radio buttons of one group, numbered in the order given, from 0.
QButtonGroup* Numbered(QObject* owner, std::initializer_list<QAbstractButton*> buttons) {
    auto* group = new QButtonGroup(owner);
    int id = 0;
    for (QAbstractButton* button : buttons) {
        group->addButton(button, id++);
    }
    return group;
}

void Check(QButtonGroup* group, int id) {
    if (QAbstractButton* button = group->button(id)) {
        button->setChecked(true);
    }
}

int Checked(const QButtonGroup* group) {
    const int id = group->checkedId();
    return id < 0 ? 0 : id;
}

}  // namespace

CTabOtherSettings::CTabOtherSettings(COrvikServiceDoc* document, QWidget* view)
    : CUpdatableDialog(document, view) {}

void CTabOtherSettings::BuildWidgets() {
    m_ui = std::make_unique<Ui::TabOtherSettings>();
    m_ui->setupUi(this);
    Ui::TabOtherSettings& ui = *m_ui;
    m_articleMode =
        Numbered(this, {ui.articleModeRadio0, ui.articleModeRadio1, ui.articleModeRadio2});
    m_taxCalculation = Numbered(this, {ui.taxCalculationRadio0, ui.taxCalculationRadio1});
    m_taxPrint = Numbered(this, {ui.taxPrintRadio0, ui.taxPrintRadio1});
    m_messageSet = Numbered(
        this, {ui.messageSetRadio0, ui.messageSetRadio1, ui.messageSetRadio2, ui.messageSetRadio3});
    ui.headerEdit->setMaxLength(static_cast<int>(console::kMaxHeaderFooterLength));
    ui.footerEdit->setMaxLength(static_cast<int>(console::kMaxHeaderFooterLength));
    ui.departmentEdit->setMaxLength(static_cast<int>(console::kMaxDepartmentLength));
    // A field as wide as the few characters it takes, and a little room.
    const int departmentChars = static_cast<int>(console::kMaxDepartmentLength) + 3;
    ui.departmentEdit->setMaximumWidth(
        ui.departmentEdit->fontMetrics().horizontalAdvance(QString(departmentChars, u'Ш')));
    // The partial-cut box shows only for family 1 model 8; its room is kept on the others, so
    // the window keeps one size whichever register is connected.
    KeepRoomWhenHidden(ui.partialCutCheck);

    ConnectButton(ui.clockReadButton, SettingsButton::ReadClock);
    ConnectButton(ui.clockNowButton, SettingsButton::CurrentTime);
    ConnectButton(ui.clockSetButton, SettingsButton::SetClock);
    ConnectButton(ui.cutterSetButton, SettingsButton::SetCutter);
    ConnectButton(ui.headerSetButton, SettingsButton::SetHeaderFooter);
    ConnectButton(ui.articleModeSetButton, SettingsButton::SetArticleMode);
    ConnectButton(ui.taxCalculationSetButton, SettingsButton::SetTaxCalculation);
    ConnectButton(ui.taxPrintSetButton, SettingsButton::SetTaxPrint);
    ConnectButton(ui.messageSetSetButton, SettingsButton::SetMessageSet);
    ConnectButton(ui.departmentSetButton, SettingsButton::SetDepartment);
    ShowValues();
}

CTabOtherSettings::~CTabOtherSettings() = default;

void CTabOtherSettings::ConnectButton(QAbstractButton* button, SettingsButton action) {
    connect(button, &QAbstractButton::clicked, this, [this, action] { Press(action); });
}

bool CTabOtherSettings::UpdateDialog() {
    const bool connected = CUpdatableDialog::UpdateDialog();
    if (connected) {
        ReadControls();
        m_state.Refresh(m_pDocument->m_pCore.get());
        ShowValues();
    }
    return connected;
}

void CTabOtherSettings::Press(SettingsButton button) {
    std::optional<std::u16string> success;
    const bool ran = RunPageOperation(*m_pDocument, [&](device::COrvikCore& core) {
        ReadControls();
        success = m_state.Press(core, button);
        ShowValues();
    });
    if (ran && success) {
        m_pDocument->Messages().Show(this, IConsoleMessages::Icon::Information, Qt16(*success));
    }
}

void CTabOtherSettings::ReadControls() {
    if (!m_ui) {
        return;
    }
    const Ui::TabOtherSettings& ui = *m_ui;
    console::DeviceSettingsValues& values = m_state.values;
    const QTime time = ui.clockEdit->time();
    values.clock.hour = time.hour();
    values.clock.minute = time.minute();
    values.clock.second = time.second();
    values.cutter = ui.cutterCheck->isChecked();
    values.beeper = ui.beeperCheck->isChecked();
    values.partialCut = ui.partialCutCheck->isChecked();
    m_state.SetHeader(ui.headerEdit->text().toStdU16String());
    m_state.SetFooter(ui.footerEdit->text().toStdU16String());
    values.articleMode = Checked(m_articleMode);
    values.taxCalculationMode = Checked(m_taxCalculation);
    values.taxPrintMode = Checked(m_taxPrint);
    values.messageSet = Checked(m_messageSet);
    m_state.SetDepartment(ui.departmentEdit->text().toStdU16String());
}

void CTabOtherSettings::ShowValues() {
    if (!m_ui) {
        return;
    }
    Ui::TabOtherSettings& ui = *m_ui;
    const console::DeviceSettingsValues& values = m_state.values;
    ui.clockEdit->setTime(QTime(values.clock.hour, values.clock.minute, values.clock.second));
    ui.cutterCheck->setChecked(values.cutter);
    ui.beeperCheck->setChecked(values.beeper);
    ui.partialCutCheck->setChecked(values.partialCut);
    ui.partialCutCheck->setVisible(m_state.Capabilities().partialCut);
    ui.headerEdit->setText(Qt16(values.header));
    ui.footerEdit->setText(Qt16(values.footer));
    Check(m_articleMode, values.articleMode);
    Check(m_taxCalculation, values.taxCalculationMode);
    Check(m_taxPrint, values.taxPrintMode);
    Check(m_messageSet, values.messageSet);
    ui.departmentEdit->setText(Qt16(values.department));
}

}  // namespace orvik::gui
