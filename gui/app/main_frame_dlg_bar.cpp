#include "gui/app/main_frame_dlg_bar.h"

#include <QGuiApplication>

#include "device/link/port_description.h"
#include "device/link/port_names.h"
#include "device/link/registers_file.h"
#include "gui/controls/qt_text.h"
#include "ui_connection_bar.h"

namespace orvik::gui {

CMainFrameDlgBar::CMainFrameDlgBar(QWidget* parent, PortProbe probe)
    : QWidget(parent), m_ui(new Ui::ConnectionBar), m_probe(std::move(probe)) {
    m_ui->setupUi(this);
    if (!m_probe) {
        m_probe = [](const std::string& name) { return orvik::device::PortExists(name); };
    }
    m_describe = [](const std::string& name) {
        return orvik::device::PortDetails(orvik::device::DescribePort(name));
    };
    m_ui->portList->SetRefresh([this] { FillPortList(); });
    // A register named with its operator brings the operator along when it is chosen.
    connect(m_ui->portList, &QComboBox::activated, this, [this](int index) {
        const QString op = m_namedOperators.value(m_ui->portList->itemText(index));
        if (!op.isEmpty()) {
            m_ui->operatorNameEdit->setText(op);
        }
    });
    m_ui->operatorNameEdit->setMaxLength(kMaxOperatorNameLength);
    m_ui->passwordEdit->setMaxLength(kMaxPasswordLength);
    FillPortList();
    m_strOperatorName = LoadText(kStrDefaultOperatorName);
    m_strOperatorPassword.clear();
    WriteControls();
}

CMainFrameDlgBar::~CMainFrameDlgBar() {
    delete m_ui;
}

int CMainFrameDlgBar::FillPortList() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QStringList names;
    QStringList details;
    for (int number = orvik::device::kFirstPortNumber; number <= orvik::device::kLastPortNumber;
         ++number) {
        const QString name = QStringLiteral("COM%1").arg(number);
        if (!m_probe(name.toStdString())) {
            continue;
        }
        names << name;
        details << QString::fromStdString(m_describe ? m_describe(name.toStdString()) : "");
        if (m_strPort.isEmpty()) {
            m_strPort = name;
        }
    }
    // Then the registers of the registers file, by the names the user gave them.
    m_namedOperators.clear();
    for (const orvik::device::NamedRegister& entry :
         orvik::device::ReadRegistersFile(orvik::device::RegistersFilePath()).registers) {
        const QString name = QString::fromStdString(entry.name);
        names << name;
        details << QString::fromStdString(entry.address);
        m_namedOperators.insert(name, QString::fromStdString(entry.operatorName));
        if (m_strPort.isEmpty()) {
            m_strPort = name;
        }
    }
    m_ui->portList->SetPorts(names, details);
    QGuiApplication::restoreOverrideCursor();
    return static_cast<int>(names.size());
}

void CMainFrameDlgBar::ReadControls() {
    m_strPort = m_ui->portList->currentText();
    m_strOperatorName = m_ui->operatorNameEdit->text();
    m_strOperatorPassword = m_ui->passwordEdit->text();
    if (const auto missing = FirstMissingConnectionValue(Values())) {
        QWidget* field = m_ui->passwordEdit;
        if (*missing == ConnectionField::Port) {
            field = m_ui->portList;
        } else if (*missing == ConnectionField::OperatorName) {
            field = m_ui->operatorNameEdit;
        }
        field->setFocus(Qt::OtherFocusReason);
    }
}

void CMainFrameDlgBar::WriteControls() {
    // The list selects the chosen port; nothing when no port was found.
    m_ui->portList->setCurrentIndex(
        m_strPort.isEmpty() ? -1 : m_ui->portList->findText(m_strPort, Qt::MatchExactly));
    m_ui->operatorNameEdit->setText(m_strOperatorName);
    m_ui->passwordEdit->setText(m_strOperatorPassword);
}

void CMainFrameDlgBar::FocusPassword() {
    m_ui->passwordEdit->setFocus();
}

ConnectionValues CMainFrameDlgBar::Values() const {
    return ConnectionValues{
        .port = m_strPort.toStdString(),
        .operatorName = m_strOperatorName.toStdU16String(),
        .password = m_strOperatorPassword.toStdU16String(),
    };
}

}  // namespace orvik::gui
