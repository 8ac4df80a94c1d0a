#include "console/reports_page.h"

#include <algorithm>
#include <utility>

#include "console/field_checks.h"
#include "console/z_report_sequence.h"
#include "res/string_table.h"

namespace orvik::console {

namespace {

support::LocalDateTime Day(int year, int month, int day) {
    support::LocalDateTime date;
    date.year = year;
    date.month = month;
    date.day = day;
    return date;
}

int DaysInMonth(int year, int month) {
    int days = 31;
    while (!support::IsCalendarDate(year, month, days)) {
        --days;
    }
    return days;
}

}  // namespace

DateRange PreviousCalendarMonth(const support::LocalDateTime& today) {
    const int year = today.month == 1 ? today.year - 1 : today.year;
    const int month = today.month == 1 ? 12 : today.month - 1;
    return DateRange{Day(year, month, 1), Day(year, month, DaysInMonth(year, month))};
}

std::optional<std::int32_t> ParseZReportNumber(std::u16string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    std::int32_t value = 0;
    for (const char16_t c : text) {
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        value = value * 10 + (c - u'0');
        // Stops before it could overflow: anything this large is out of range already.
        if (value > kLastZReportNumber) {
            return std::nullopt;
        }
    }
    if (value < kFirstZReportNumber) {
        return std::nullopt;
    }
    return value;
}

std::u16string ZReportNumberProblem() {
    return FormatMessage(kStrFieldIntegerRange, {field_checks::Number(kFirstZReportNumber),
                                                 field_checks::Number(kLastZReportNumber)});
}

bool RefreshesPages(Report report) {
    return report == Report::Z || report == Report::ZeroZ;
}

bool ClosesFiscalDay(Report report) {
    return report == Report::Z || report == Report::ZeroZ;
}

ReportsPageState::ReportsPageState(std::function<support::LocalDateTime()> today)
    : m_today(std::move(today)) {
    const support::LocalDateTime now = m_today();
    values.fromDate = Day(now.year, now.month, now.day);
    values.toDate = values.fromDate;
}

void ReportsPageState::Refresh(const device::COrvikCore* core) {
    m_zeroZVisible = false;
    if (!core) {
        m_zeroZEnabled = false;
        return;
    }
    m_zeroZVisible = core->Capabilities().zeroZReport;
    values.fromNumber = u"1";
    const std::string last = std::to_string(core->PrinterInfo().lastZReportNumber);
    values.toNumber.assign(last.begin(), last.end());
    const DateRange month =
        PreviousCalendarMonth(core->LocalClock() ? core->LocalClock()() : m_today());
    values.fromDate = month.from;
    values.toDate = month.to;
    m_zeroZEnabled = m_zeroZVisible && core->PrinterInfo().zReportMade != 0;
}

device::HRESULT ReportsPageState::Print(device::COrvikCore& core, Report report) {
    switch (report) {
        case Report::X:
            return core.PrintXReport();
        case Report::Z:
            return RunZReport(core, ZReportKind::Ordinary).result;
        case Report::ZeroZ:
            return RunZReport(core, ZReportKind::Zero).result;
        case Report::Articles:
            return core.PrintArticleReport();
        case Report::Discounts:
            return core.PrintDiscountReport();
        case Report::ZeroReceipt:
            return core.PrintZeroReceipt();
        case Report::HardwareState:
            return core.PrintHardwareState();
    }
    return device::E_FAIL;
}

PeriodicOutcome ReportsPageState::PrintByDates(device::COrvikCore& core) {
    // The pickers hold only days the calendar has, so the core takes the range.
    PeriodicOutcome outcome;
    outcome.sent = core.PrintPeriodicReportByDates(values.fromDate, values.toDate,
                                                   values.fullForm) != device::E_INVALIDARG;
    return outcome;
}

PeriodicOutcome ReportsPageState::PrintByNumbers(device::COrvikCore& core) {
    const std::optional<std::int32_t> from = ParseZReportNumber(values.fromNumber);
    if (!from) {
        return PeriodicOutcome{.problem = ZReportNumberProblem(), .problemInToField = false};
    }
    const std::optional<std::int32_t> to = ParseZReportNumber(values.toNumber);
    if (!to) {
        return PeriodicOutcome{.problem = ZReportNumberProblem(), .problemInToField = true};
    }
    // The fields are shown as read: "007" becomes "7", and a reversed range is put in order.
    const std::string low = std::to_string(std::min(*from, *to));
    const std::string high = std::to_string(std::max(*from, *to));
    values.fromNumber.assign(low.begin(), low.end());
    values.toNumber.assign(high.begin(), high.end());
    core.PrintPeriodicReportByNumbers(std::min(*from, *to), std::max(*from, *to), values.fullForm);
    PeriodicOutcome outcome;
    outcome.sent = true;
    return outcome;
}

}  // namespace orvik::console
