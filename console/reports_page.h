#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "device/orvik_core.h"
#include "support/local_time.h"

// The reports page without its widgets: its values, their defaults after a connect, the checks
// of the Z-report number fields and what each button sends.
namespace orvik::console {

// The Z-report numbers the fiscal memory holds.
inline constexpr std::int32_t kFirstZReportNumber = 1;
inline constexpr std::int32_t kLastZReportNumber = 4000;

struct DateRange {
    support::LocalDateTime from;
    support::LocalDateTime to;
};

// The whole calendar month before the month of `today`, first day to last; in January the
// December of the year before. February ends on the 29th in a leap year.
DateRange PreviousCalendarMonth(const support::LocalDateTime& today);

// A number field's text read as a Z-report number: an integer from 1 to 4000, nothing
// otherwise (an empty field, a sign, anything but digits, a number out of range).
std::optional<std::int32_t> ParseZReportNumber(std::u16string_view text);

// "Please enter an integer between 1 and 4000.": what the page says of a number field that
// ParseZReportNumber refuses.
std::u16string ZReportNumberProblem();

// The page's buttons that print one report each.
enum class Report {
    X,              // "Х-Отчет"
    Z,              // "Z-Отчет"
    ZeroZ,          // "Нулевой Z-Отчет"
    Articles,       // "Реализация в разрезе артикулов"
    Discounts,      // "Применение скидок/надбавок"
    ZeroReceipt,    // "Нулевой чек"
    HardwareState,  // "Состояние аппаратуры ЭККР"
};

// Whether every page must be refreshed after the report: the Z reports change the register's
// counters, which the pages show.
bool RefreshesPages(Report report);

// Whether the report closes the register's fiscal day, which nothing undoes: the window asks
// first (kStrZReportQuestion), "Нет" by default.
bool ClosesFiscalDay(Report report);

struct ReportsValues {
    support::LocalDateTime fromDate;  // only the date parts count
    support::LocalDateTime toDate;
    std::u16string fromNumber = u"1";  // the number fields as typed (digits only)
    std::u16string toNumber = u"1";
    bool fullForm = false;  // "полную форму отчета"; otherwise "сокращенную"
};

// What a "Печатать отчет" button came to.
struct PeriodicOutcome {
    bool sent = false;  // the report was asked of the register
    // A problem with the page's values to show instead, as a warning; nothing was sent.
    std::optional<std::u16string> problem;
    // The number field the problem is in: true for "по номер", false for "С номера".
    bool problemInToField = false;
};

class ReportsPageState {
  public:
    // today: this computer's date until the first refresh; a refresh asks the core's local
    // clock.
    explicit ReportsPageState(
        std::function<support::LocalDateTime()> today = support::CurrentLocalDateTime);

    // After a connect and after each Z report. Without a register only the zero Z report
    // button is reset. With one: numbers 1 to the register's last Z report, dates over the
    // whole previous month.
    void Refresh(const device::COrvikCore* core);

    // "Нулевой Z-Отчет" is shown on a register that prints the zero Z report (family 1 model
    // 8) only, and pressable there once the register reports that a Z report has been made.
    bool ZeroZReportVisible() const { return m_zeroZVisible; }
    bool ZeroZReportEnabled() const { return m_zeroZEnabled; }

    // Prints one report; the Z reports run the whole Z-report sequence. Answers the
    // operation's result; the register's refusals have been shown by the core.
    device::HRESULT Print(device::COrvikCore& core, Report report);

    // "Печатать отчет" of the date group: the report for the two dates, the earlier first.
    PeriodicOutcome PrintByDates(device::COrvikCore& core);
    // "Печатать отчет" of the number group: both fields must hold numbers from 1 to 4000 (the
    // first that does not is the problem, nothing sent); reversed numbers are put in order in
    // the page's values as well, so the fields show the range printed.
    PeriodicOutcome PrintByNumbers(device::COrvikCore& core);

    ReportsValues values;

  private:
    std::function<support::LocalDateTime()> m_today;
    bool m_zeroZVisible = false;
    bool m_zeroZEnabled = false;
};

}  // namespace orvik::console
