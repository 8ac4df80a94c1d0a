// The simulated register's reports and test documents: the X report, the Z report that closes
// the day, the zero Z report, the article and discount reports, the zero receipt, the hardware
// state report and the periodic reports from the fiscal memory. Each is printed on the tape.
#include <algorithm>
#include <ctime>

#include "res/string_table.h"
#include "sim/handler_helpers.h"
#include "sim/printout.h"
#include "sim/session_replies.h"

namespace orvik::sim {

namespace {

using handlers::DigitsAt;
using handlers::Note;
using handlers::PrintRefusal;
using handlers::Ready;
using handlers::Token;

Replies BadParameter() {
    return Token(u"SOFTPARAM");
}

// A register prints no report in the middle of a receipt: the receipt is closed or cancelled
// first. Otherwise the key position and the paper decide, as for every printed document.
std::u16string ReportRefusal(const RegisterState& state, KeyNeed need) {
    std::u16string refusal = PrintRefusal(state, need);
    if (refusal.empty() && state.receipt.open) {
        Note(state, u"report refused: a receipt is open");
        refusal = u"SOFTPROTOC";
    }
    return refusal;
}

int DecimalPoint(const RegisterState& state) {
    return state.currency.decimalPoint;
}

std::u16string Money(const RegisterState& state, std::int64_t minor) {
    return Amount(minor, DecimalPoint(state));
}

// The date the given number of days before `when`, as YYYYMMDD.
std::u16string DaysBefore(const support::LocalDateTime& when, int days) {
    std::tm parts{};
    parts.tm_year = when.year - 1900;
    parts.tm_mon = when.month - 1;
    parts.tm_mday = when.day - days;
    parts.tm_hour = 12;  // away from any change of daylight saving
    const std::time_t moment = timegm(&parts);
    std::tm day{};
    gmtime_r(&moment, &day);
    support::LocalDateTime date;
    date.year = day.tm_year + 1900;
    date.month = day.tm_mon + 1;
    date.day = day.tm_mday;
    return DateDigits(date);
}

// The Z reports a profile counts but that were made before the simulator was switched on are
// kept as empty days, one a day up to yesterday, so that the fiscal memory reports find them.
// This is done once, when the fiscal memory is first needed.
void FillFiscalMemory(RegisterState& state) {
    const std::int64_t last = state.counters.lastZReportNumber;
    if (!state.fiscalMemory.empty() || last <= 0) {
        return;
    }
    // A memory cannot hold more than its capacity, whatever the counter says.
    const std::int64_t first = std::max<std::int64_t>(1, last - kFiscalMemoryCapacity + 1);
    const support::LocalDateTime now = state.clock.Now();
    for (std::int64_t number = first; number <= last; ++number) {
        ZReportRecord record;
        record.number = number;
        record.date = DaysBefore(now, static_cast<int>(last - number + 1));
        record.time = u"210000";
        state.fiscalMemory.push_back(std::move(record));
    }
}

std::u16string TaxLetter(std::size_t slot) {
    const std::u16string letters = orvik::LoadString(orvik::kStrTaxLetters);
    return slot < letters.size() ? std::u16string(1, letters[slot]) : std::u16string(u"?");
}

// The figures of the day so far, as the X and Z reports print them.
void PrintDayFigures(const RegisterState& state, Printout& out) {
    const DayTotals& day = state.day;
    out.Row(u"ЧЕКОВ", day.receipts);
    out.Row(u"ПРОДАЖИ", Money(state, day.sales));
    for (std::size_t slot = 0; slot < day.salesByTaxSlot.size(); ++slot) {
        if (day.salesByTaxSlot[slot] != 0) {
            const std::u16string name =
                state.taxes[slot].name.empty() ? std::u16string(u"НАЛОГ") : state.taxes[slot].name;
            out.Row(u"  " + TaxLetter(slot) + u" " + name, Money(state, day.salesByTaxSlot[slot]));
        }
    }
    out.Row(u"ВОЗВРАТЫ", Money(state, day.returns));
    out.Row(u"СКИДКИ", Money(state, day.discounts));
    out.Row(u"НАДБАВКИ", Money(state, day.surcharges));
    out.Row(u"ВНЕСЕНО", Money(state, day.cashIn));
    out.Row(u"ВЫДАНО", Money(state, day.cashOut));
    out.Row(u"В КАССЕ", Money(state, state.cash));
    out.Row(u"ПОСЛЕДНИЙ ЧЕК №", state.counters.lastReceiptNumber);
}

// Every printed document gets the next document number.
void CountDocument(RegisterState& state) {
    ++state.counters.lastDocumentNumber;
}

// "ZREP1" (or "ZREP"): the X report, which prints the day without closing it.
Replies XReport(std::u16string_view text, RegisterState& state) {
    if (text != u"ZREP1" && text != u"ZREP") {
        return BadParameter();
    }
    if (const std::u16string refusal = ReportRefusal(state, KeyNeed::XReport); !refusal.empty()) {
        return Token(refusal);
    }
    CountDocument(state);
    Printout out(state);
    out.Centered(u"X-ОТЧЕТ");
    out.Row(u"ДОКУМЕНТ №", state.counters.lastDocumentNumber);
    out.Rule();
    PrintDayFigures(state, out);
    out.PrintOn(state);
    return Ready();
}

// Writes a Z report to the fiscal memory and starts a new day. zero: the zero Z report of a
// day without receipts.
Replies CloseDay(RegisterState& state, bool zero) {
    FillFiscalMemory(state);
    if (state.counters.lastZReportNumber >= kFiscalMemoryCapacity) {
        return Token(u"SOFTFMFULL");
    }
    const support::LocalDateTime now = state.clock.Now();
    const std::u16string today = DateDigits(now);
    if (!state.fiscalMemory.empty() && today < state.fiscalMemory.back().date) {
        // The clock has gone back behind the last Z report.
        return Token(u"SOFTTIMER");
    }

    const std::int64_t number = state.counters.lastZReportNumber + 1;
    CountDocument(state);
    Printout out(state);
    out.Centered((zero ? u"НУЛЕВОЙ Z-ОТЧЕТ № " : u"Z-ОТЧЕТ № ") + Digits(number, 4));
    out.Row(u"ДОКУМЕНТ №", state.counters.lastDocumentNumber);
    out.Rule();
    PrintDayFigures(state, out);
    out.Rule();
    out.Centered(u"СМЕНА ЗАКРЫТА");
    out.PrintOn(state);

    ZReportRecord record;
    record.number = number;
    record.date = today;
    record.time = TimeDigits(now);
    record.receipts = state.day.receipts;
    record.sales = state.day.sales;
    record.returns = state.day.returns;
    state.fiscalMemory.push_back(std::move(record));
    state.counters.lastZReportNumber = number;
    state.counters.zReportMade = true;
    state.day = DayTotals{};
    Note(state, u"day closed: Z report " + Number(number));
    return Ready();
}

// "NREP": the Z report.
Replies ZReport(std::u16string_view text, RegisterState& state) {
    if (text != u"NREP") {
        return BadParameter();
    }
    if (const std::u16string refusal = ReportRefusal(state, KeyNeed::ZReport); !refusal.empty()) {
        return Token(refusal);
    }
    return CloseDay(state, false);
}

// "nrep": the zero Z report of family 1 model 8, for a day on which nothing has been
// registered since the last Z report. After a receipt a full Z report is due first.
Replies ZeroZReport(std::u16string_view text, RegisterState& state) {
    if (!handlers::IsModel8(state)) {
        return Token(u"SOFTCOMMAN");
    }
    if (text != u"nrep") {
        return BadParameter();
    }
    if (const std::u16string refusal = ReportRefusal(state, KeyNeed::ZReport); !refusal.empty()) {
        return Token(refusal);
    }
    if (!state.counters.zReportMade) {
        return Token(u"SOFTNREP");
    }
    return CloseDay(state, true);
}

// "ARTZ": the day's sales by article.
Replies ArticleReport(std::u16string_view text, RegisterState& state) {
    if (text != u"ARTZ") {
        return BadParameter();
    }
    if (const std::u16string refusal = ReportRefusal(state, KeyNeed::XReport); !refusal.empty()) {
        return Token(refusal);
    }
    CountDocument(state);
    Printout out(state);
    out.Centered(u"РЕАЛИЗАЦИЯ ПО АРТИКУЛАМ");
    out.Rule();
    std::int64_t total = 0;
    for (const auto& [article, sales] : state.day.articles) {
        out.Line(u"АРТ. " + Number(article) + u" " + sales.name);
        out.Row(u"  " + Number(sales.quantity), Money(state, sales.amount));
        total += sales.amount;
    }
    if (state.day.articles.empty()) {
        out.Centered(u"ПРОДАЖ НЕТ");
    }
    out.Row(u"ВСЕГО", Money(state, total));
    out.PrintOn(state);
    return Ready();
}

// "DIZV": the day's discounts and surcharges.
Replies DiscountReport(std::u16string_view text, RegisterState& state) {
    if (text != u"DIZV") {
        return BadParameter();
    }
    if (const std::u16string refusal = ReportRefusal(state, KeyNeed::XReport); !refusal.empty()) {
        return Token(refusal);
    }
    CountDocument(state);
    Printout out(state);
    out.Centered(u"СКИДКИ И НАДБАВКИ");
    out.Rule();
    out.Row(u"СКИДКИ", Money(state, state.day.discounts));
    out.Row(u"НАДБАВКИ", Money(state, state.day.surcharges));
    out.PrintOn(state);
    return Ready();
}

// "NULL": a fiscal receipt without lines. The register reads nothing after the name, so
// "NULL" followed by anything is the same command (the console also sends it to see that the
// register is there).
Replies ZeroReceipt(std::u16string_view, RegisterState& state) {
    if (const std::u16string refusal = PrintRefusal(state, KeyNeed::Registration);
        !refusal.empty()) {
        return Token(refusal);
    }
    ++state.counters.lastReceiptNumber;
    CountDocument(state);
    ++state.day.receipts;
    state.counters.zReportMade = false;
    Printout out(state);
    out.Row(u"ЧЕК №", state.counters.lastReceiptNumber);
    out.Centered(u"НУЛЕВОЙ ЧЕК");
    out.Row(u"СУММА", Money(state, 0));
    if (!state.footer.empty()) {
        out.Centered(state.footer);
    }
    out.PrintOn(state);
    return Ready();
}

std::u16string OnOff(bool on) {
    return on ? u"ВКЛ" : u"ВЫКЛ";
}

// "HDZV": the state of the register's hardware.
Replies HardwareState(std::u16string_view text, RegisterState& state) {
    if (text != u"HDZV") {
        return BadParameter();
    }
    if (const std::u16string refusal = ReportRefusal(state, KeyNeed::HardwareReport);
        !refusal.empty()) {
        return Token(refusal);
    }
    FillFiscalMemory(state);
    CountDocument(state);
    Printout out(state);
    out.Centered(u"СОСТОЯНИЕ АППАРАТУРЫ");
    out.Rule();
    out.Row(u"ПРИНТЕР", u"НОРМА");
    out.Row(u"БУМАГА", u"ЕСТЬ");
    out.Row(u"ЧАСЫ", u"НОРМА");
    out.Row(u"ФИСК. ПАМЯТЬ", Number(static_cast<std::int64_t>(state.fiscalMemory.size())) + u"/" +
                                 Number(kFiscalMemoryCapacity));
    out.Row(u"СКОРОСТЬ", Number(state.lineBaud));
    if (state.identity.family == 1) {
        out.Row(u"АВТООБРЕЗЧИК", OnOff(state.settings.cutter));
        out.Row(u"ЗВУК. СИГНАЛ", OnOff(state.settings.beeper));
    }
    out.Row(u"ПО", state.identity.software.name);
    out.PrintOn(state);
    return Ready();
}

// The fiscal memory report over the Z reports selected; full: one entry per Z report.
void PrintPeriodic(RegisterState& state, std::u16string_view range, bool full,
                   const std::vector<const ZReportRecord*>& records) {
    CountDocument(state);
    Printout out(state);
    out.Centered(u"ПЕРИОДИЧЕСКИЙ ОТЧЕТ");
    out.Centered(full ? u"ПОЛНЫЙ" : u"СОКРАЩЕННЫЙ");
    out.Centered(range);
    out.Rule();
    std::int64_t receipts = 0;
    std::int64_t sales = 0;
    std::int64_t returns = 0;
    for (const ZReportRecord* record : records) {
        if (full) {
            out.Row(u"Z № " + Digits(record->number, 4), DateText(record->date));
            out.Row(u"  ЧЕКОВ", record->receipts);
            out.Row(u"  ПРОДАЖИ", Money(state, record->sales));
            out.Row(u"  ВОЗВРАТЫ", Money(state, record->returns));
        }
        receipts += record->receipts;
        sales += record->sales;
        returns += record->returns;
    }
    if (records.empty()) {
        out.Centered(u"Z-ОТЧЕТОВ НЕТ");
    } else {
        if (full) {
            out.Rule();
        }
        out.Row(u"Z-ОТЧЕТОВ", static_cast<std::int64_t>(records.size()));
        out.Row(u"ЧЕКОВ", receipts);
        out.Row(u"ПРОДАЖИ", Money(state, sales));
        out.Row(u"ВОЗВРАТЫ", Money(state, returns));
    }
    out.PrintOn(state);
}

bool IsDateDigits(std::u16string_view digits) {
    const auto year = DigitsAt(digits, 0, 4);
    const auto month = DigitsAt(digits, 4, 2);
    const auto day = DigitsAt(digits, 6, 2);
    return digits.size() == 8 && year && month && day && *year >= 1 &&
           support::IsCalendarDate(static_cast<int>(*year), static_cast<int>(*month),
                                   static_cast<int>(*day));
}

// "IREP" (short) or "FIRP" (full) and two dates YYYYMMDD, the earlier first.
Replies PeriodicByDates(std::u16string_view text, RegisterState& state) {
    const std::u16string_view argument = handlers::Argument(text);
    if (argument.size() != 16) {
        return BadParameter();
    }
    const std::u16string_view from = argument.substr(0, 8);
    const std::u16string_view to = argument.substr(8, 8);
    if (!IsDateDigits(from) || !IsDateDigits(to) || from > to) {
        return BadParameter();
    }
    if (const std::u16string refusal = ReportRefusal(state, KeyNeed::FiscalMemoryReport);
        !refusal.empty()) {
        return Token(refusal);
    }
    FillFiscalMemory(state);
    std::vector<const ZReportRecord*> records;
    for (const ZReportRecord& record : state.fiscalMemory) {
        if (record.date >= from && record.date <= to) {
            records.push_back(&record);
        }
    }
    PrintPeriodic(state, DateText(from) + u" - " + DateText(to), text.substr(0, 4) == u"FIRP",
                  records);
    return Ready();
}

// "IREN" (short) or "FIRN" (full) and two Z-report numbers of four digits, the smaller first.
// A range that begins after the last Z report holds nothing the register could report.
Replies PeriodicByNumbers(std::u16string_view text, RegisterState& state) {
    const std::u16string_view argument = handlers::Argument(text);
    const auto from = DigitsAt(argument, 0, 4);
    const auto to = DigitsAt(argument, 4, 4);
    if (argument.size() != 8 || !from || !to || *from < 1 || *from > *to ||
        *from > state.counters.lastZReportNumber) {
        return BadParameter();
    }
    if (const std::u16string refusal = ReportRefusal(state, KeyNeed::FiscalMemoryReport);
        !refusal.empty()) {
        return Token(refusal);
    }
    FillFiscalMemory(state);
    std::vector<const ZReportRecord*> records;
    for (const ZReportRecord& record : state.fiscalMemory) {
        if (record.number >= *from && record.number <= *to) {
            records.push_back(&record);
        }
    }
    PrintPeriodic(state, u"Z № " + Digits(*from, 4) + u" - " + Digits(*to, 4),
                  text.substr(0, 4) == u"FIRN", records);
    return Ready();
}

}  // namespace

void RegisterReportCommands(CommandRegistry& registry) {
    registry.Register(u"ZREP", XReport);
    registry.Register(u"NREP", ZReport);
    registry.Register(u"nrep", ZeroZReport);
    registry.Register(u"ARTZ", ArticleReport);
    registry.Register(u"DIZV", DiscountReport);
    registry.Register(u"NULL", ZeroReceipt);
    registry.Register(u"HDZV", HardwareState);
    registry.Register(u"IREP", PeriodicByDates);
    registry.Register(u"FIRP", PeriodicByDates);
    registry.Register(u"IREN", PeriodicByNumbers);
    registry.Register(u"FIRN", PeriodicByNumbers);
}

}  // namespace orvik::sim
