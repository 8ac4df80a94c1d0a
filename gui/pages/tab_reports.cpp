#include "gui/pages/tab_reports.h"

#include <QDate>
#include <QFontMetrics>
#include <QLocale>
#include <QRegularExpressionValidator>

#include <algorithm>
#include <initializer_list>

#include "gui/controls/keep_room.h"
#include "gui/controls/qt_text.h"
#include "gui/pages/page_operation.h"
#include "res/string_table.h"
#include "ui_tab_reports.h"

namespace orvik::gui {

namespace {

using console::Report;

QDate ToQDate(const support::LocalDateTime& date) {
    return QDate(date.year, date.month, date.day);
}

// The locale's long date form without the weekday: "1 февраля 2025 г.".
QString LongDateFormat(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("d{4}[,.]?\\s*")));
    return format.trimmed();
}

// A date field wide enough for the longest date of the form: its own size counts only its
// least and greatest dates, whose months need not be the longest.
void FitLongestDate(QDateEdit* edit) {
    const QFontMetrics metrics(edit->font());
    const auto width = [&](const QDate& date) {
        return metrics.horizontalAdvance(edit->locale().toString(date, edit->displayFormat()));
    };
    int longest = 0;
    for (int month = 1; month <= 12; ++month) {
        longest = std::max(longest, width(QDate(2000, month, 28)));
    }
    const int counted = std::max(width(edit->minimumDate()), width(edit->maximumDate()));
    edit->setMinimumWidth(edit->sizeHint().width() + std::max(0, longest - counted));
}

// The widgets take one width, the widest of their own: the date and number groups line up
// column by column.
void OneWidth(std::initializer_list<QWidget*> widgets) {
    int widest = 0;
    for (const QWidget* widget : widgets) {
        widest = std::max({widest, widget->sizeHint().width(), widget->minimumWidth()});
    }
    for (QWidget* widget : widgets) {
        widget->setFixedWidth(widest);
    }
}

support::LocalDateTime FromQDate(const QDate& date) {
    support::LocalDateTime value;
    value.year = date.year();
    value.month = date.month();
    value.day = date.day();
    return value;
}

}  // namespace

CTabReports::CTabReports(COrvikServiceDoc* document, QWidget* view)
    : CUpdatableDialog(document, view) {
    m_state.Refresh(nullptr);
}

CTabReports::~CTabReports() = default;

void CTabReports::BuildWidgets() {
    m_ui = std::make_unique<Ui::TabReports>();
    m_ui->setupUi(this);
    Ui::TabReports& ui = *m_ui;
    // The dates in their long form, in the language of the console.
    const QLocale locale = ConsoleLocale();
    for (QDateEdit* edit : {ui.datesFromEdit, ui.datesToEdit}) {
        edit->setLocale(locale);
        edit->setDisplayFormat(LongDateFormat(locale));
        FitLongestDate(edit);
    }
    OneWidth({ui.datesFromLabel, ui.numbersFromLabel});
    OneWidth({ui.datesToLabel, ui.numbersToLabel});
    OneWidth({ui.datesFromEdit, ui.datesToEdit, ui.numbersFromEdit, ui.numbersToEdit});
    // Digits only, as the fields take them.
    auto* digits =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    ui.numbersFromEdit->setValidator(digits);
    ui.numbersToEdit->setValidator(digits);
    // Shown on family 1 model 8 only; its room is kept elsewhere so the page keeps its size.
    KeepRoomWhenHidden(ui.zeroZReportButton);

    ConnectReport(ui.xReportButton, Report::X);
    ConnectReport(ui.zReportButton, Report::Z);
    ConnectReport(ui.zeroZReportButton, Report::ZeroZ);
    ConnectReport(ui.articleReportButton, Report::Articles);
    ConnectReport(ui.discountReportButton, Report::Discounts);
    ConnectReport(ui.zeroReceiptButton, Report::ZeroReceipt);
    ConnectReport(ui.hardwareStateButton, Report::HardwareState);
    connect(ui.datesPrintButton, &QAbstractButton::clicked, this, &CTabReports::PrintByDates);
    connect(ui.numbersPrintButton, &QAbstractButton::clicked, this, &CTabReports::PrintByNumbers);
    ShowValues();
}

void CTabReports::ConnectReport(QAbstractButton* button, Report report) {
    connect(button, &QAbstractButton::clicked, this, [this, report] { Print(report); });
}

bool CTabReports::UpdateDialog() {
    const bool connected = CUpdatableDialog::UpdateDialog();
    ReadControls();
    m_state.Refresh(m_pDocument->m_pCore.get());
    ShowValues();
    return connected;
}

void CTabReports::Print(Report report) {
    if (!m_pDocument->m_pCore || m_pDocument->IsBusy()) {
        return;
    }
    if (console::ClosesFiscalDay(report) &&
        !m_pDocument->Messages().AskYesNo(this, LoadText(kStrZReportQuestion), false)) {
        return;
    }
    RunPageOperation(*m_pDocument, [&](device::COrvikCore& core) {
        m_state.Print(core, report);
        if (console::RefreshesPages(report)) {
            // Every page shows the register anew: here the new last Z-report number.
            m_pDocument->UpdateAllViews();
        }
    });
}

void CTabReports::PrintByDates() {
    RunPageOperation(*m_pDocument, [&](device::COrvikCore& core) {
        ReadControls();
        m_state.PrintByDates(core);
    });
}

void CTabReports::PrintByNumbers() {
    console::PeriodicOutcome outcome;
    RunPageOperation(*m_pDocument, [&](device::COrvikCore& core) {
        ReadControls();
        outcome = m_state.PrintByNumbers(core);
        ShowValues();
    });
    ShowProblem(outcome);
}

void CTabReports::ShowProblem(const console::PeriodicOutcome& outcome) {
    if (!outcome.problem) {
        return;
    }
    m_pDocument->Messages().Show(this, IConsoleMessages::Icon::Warning, Qt16(*outcome.problem));
    if (!m_ui) {
        return;
    }
    // As after any refused field: the caret back in it, its text selected for retyping.
    QLineEdit* field = outcome.problemInToField ? m_ui->numbersToEdit : m_ui->numbersFromEdit;
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

void CTabReports::ReadControls() {
    if (!m_ui) {
        return;
    }
    const Ui::TabReports& ui = *m_ui;
    console::ReportsValues& values = m_state.values;
    values.fromDate = FromQDate(ui.datesFromEdit->date());
    values.toDate = FromQDate(ui.datesToEdit->date());
    values.fromNumber = ui.numbersFromEdit->text().toStdU16String();
    values.toNumber = ui.numbersToEdit->text().toStdU16String();
    values.fullForm = ui.fullFormRadio->isChecked();
}

void CTabReports::ShowValues() {
    if (!m_ui) {
        return;
    }
    Ui::TabReports& ui = *m_ui;
    const console::ReportsValues& values = m_state.values;
    ui.datesFromEdit->setDate(ToQDate(values.fromDate));
    ui.datesToEdit->setDate(ToQDate(values.toDate));
    ui.numbersFromEdit->setText(Qt16(values.fromNumber));
    ui.numbersToEdit->setText(Qt16(values.toNumber));
    (values.fullForm ? ui.fullFormRadio : ui.shortFormRadio)->setChecked(true);
    ui.zeroZReportButton->setVisible(m_state.ZeroZReportVisible());
    ui.zeroZReportButton->setEnabled(m_state.ZeroZReportEnabled());
}

}  // namespace orvik::gui
