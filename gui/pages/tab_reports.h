#pragma once

#include <memory>

#include "console/reports_page.h"
#include "gui/pages/updatable_dialog.h"

class QAbstractButton;

namespace Ui {
class TabReports;
}

namespace orvik::gui {

// The "Отчеты" page: the register's X and Z reports, its article, discount and hardware
// reports, the zero receipt, and the periodic fiscal reports by dates or by Z-report numbers,
// short or full. The values and what each button sends live in console::ReportsPageState; the
// widgets mirror it, from the first time the page is shown on.
class CTabReports : public CUpdatableDialog {
    Q_OBJECT

  public:
    CTabReports(COrvikServiceDoc* document, QWidget* view);
    ~CTabReports() override;

    // Numbers 1 to the register's last Z report, the whole previous month as dates, and the
    // zero Z report button for family 1 model 8.
    bool UpdateDialog() override;

    // A report button. After a Z report every page is refreshed from the register.
    void Print(console::Report report);
    // The two "Печатать отчет" buttons.
    void PrintByDates();
    void PrintByNumbers();

    const console::ReportsPageState& State() const { return m_state; }

  private:
    void BuildWidgets() override;
    void ConnectReport(QAbstractButton* button, console::Report report);
    void ReadControls();
    void ShowValues();
    void ShowProblem(const console::PeriodicOutcome& outcome);

    std::unique_ptr<Ui::TabReports> m_ui;  // null until the page is first shown
    console::ReportsPageState m_state;
};

}  // namespace orvik::gui
