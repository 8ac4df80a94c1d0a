#pragma once

#include <QDialog>

namespace Ui {
class AboutDialog;
}

namespace orvik::gui {

// The About box: the console's name and version and the supplier's links. Opened modally from
// the help menu, closed by OK.
class CAboutDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    ~CAboutDlg() override;
    CAboutDlg(const CAboutDlg&) = delete;
    CAboutDlg& operator=(const CAboutDlg&) = delete;

  private:
    void ShowApplicationIcon();

    Ui::AboutDialog* m_ui;
};

}  // namespace orvik::gui
