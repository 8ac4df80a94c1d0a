#include "gui/controls/about_dlg.h"

#include <QApplication>
#include <QIcon>
#include <QPushButton>
#include <QStyle>

#include "gui/controls/program_version.h"
#include "ui_about_dialog.h"

namespace orvik::gui {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent), m_ui(new Ui::AboutDialog) {
    m_ui->setupUi(this);
    // The layout holds a placeholder; the box shows the version this program was built as.
    m_ui->versionLabel->setText(orvik::gui::FormatVersionLine(orvik::gui::BuildProgramVersion()));
    ShowApplicationIcon();
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

CAboutDlg::~CAboutDlg() {
    delete m_ui;
}

void CAboutDlg::ShowApplicationIcon() {
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull()) {
        icon = style()->standardIcon(QStyle::SP_MessageBoxInformation);
    }
    const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    m_ui->iconLabel->setPixmap(icon.pixmap(side, side));
}

}  // namespace orvik::gui
