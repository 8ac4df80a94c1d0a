#include "console/journal_table.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "console/receipt_checks.h"
#include "console/receipt_numbers.h"
#include "res/string_table.h"
#include "support/local_time.h"
#include "support/text_codec.h"

namespace orvik::console {

namespace {

std::u16string Ascii(const std::string& text) {
    return std::u16string(text.begin(), text.end());
}

std::u16string Amount(const std::optional<std::int64_t>& value, int decimals) {
    return value ? MinorUnitsToMoney(*value, decimals) : std::u16string();
}

std::u16string OutcomeText(const JournalCopy& copy, bool windowTexts) {
    const std::u16string number = copy.number ? u" " + Ascii(std::to_string(*copy.number)) : u"";
    switch (copy.outcome) {
        case JournalOutcome::Registered:
            return (windowTexts ? LoadString(kStrOutcomeRegistered) : u"registered") + number;
        case JournalOutcome::NotRegistered:
            return windowTexts ? LoadString(kStrOutcomeNotRegistered) : u"not registered";
        case JournalOutcome::Unknown:
            return windowTexts ? LoadString(kStrOutcomeUnknown) : u"unknown";
        case JournalOutcome::Cancelled:
            break;
    }
    return windowTexts ? LoadString(kStrOutcomeCancelled) : u"cancelled";
}

bool LooksLikeNumber(std::u16string_view text) {
    return ReadDecimal(text).complete;
}

}  // namespace

JournalCells JournalColumnNames(bool windowTexts) {
    JournalCells names{u"time", u"register", u"number", u"total", u"cash", u"outcome", u"copy"};
    if (windowTexts) {
        const std::u16string all = LoadString(kStrJournalColumns);
        std::size_t start = 0;
        for (std::u16string& name : names) {
            const std::size_t end = std::min(all.find(u';', start), all.size());
            name = all.substr(std::min(start, all.size()), end - std::min(start, all.size()));
            start = end + 1;
        }
    }
    return names;
}

JournalCells JournalRowCells(const JournalCopy& copy, bool windowTexts) {
    return JournalCells{JournalTime(copy.time),
                        copy.serialNumber,
                        copy.number ? Ascii(std::to_string(*copy.number)) : u"",
                        Amount(copy.total, copy.moneyDecimals),
                        Amount(copy.cash, copy.moneyDecimals),
                        OutcomeText(copy, windowTexts),
                        Ascii(std::to_string(copy.copy) + "/" + std::to_string(copy.copies))};
}

std::u16string JournalUnusableText(std::string_view path, std::string_view reason) {
    return FormatMessage(kStrJournalUnusable, {support::FromUtf8(path), support::FromUtf8(reason)});
}

std::u16string HeldReceiptText(const JournalCopy& held) {
    const std::u16string sent = JournalTime(held.time);
    if (held.outcome != JournalOutcome::Registered) {
        return FormatMessage(kStrReprintUnknown, {sent});
    }
    return FormatMessage(kStrReprintRegistered,
                         {sent, held.number ? Ascii(std::to_string(*held.number)) : u"?"});
}

std::u16string JournalTime(std::int64_t seconds) {
    const support::LocalDateTime t = support::LocalDateTimeAt(static_cast<std::time_t>(seconds));
    char text[32];
    std::snprintf(text, sizeof(text), "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return Ascii(text);
}

std::string CsvLine(std::span<const std::u16string> cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        std::string field = support::ToUtf8(cells[i]);
        if (!field.empty() &&
            std::u16string_view(u"=+-@").find(cells[i][0]) != std::u16string_view::npos &&
            !LooksLikeNumber(cells[i])) {
            field.insert(0, "'");
        }
        if (field.find_first_of(",\"\r\n") != std::string::npos) {
            std::string quoted = "\"";
            for (const char ch : field) {
                quoted += ch;
                if (ch == '"') {
                    quoted += '"';
                }
            }
            field = quoted + "\"";
        }
        line += (i > 0 ? "," : "") + field;
    }
    return line + "\r\n";
}

std::string JournalCsv(std::span<const JournalCopy> copies, bool windowTexts) {
    std::string text = CsvLine(JournalColumnNames(windowTexts));
    for (const JournalCopy& copy : copies) {
        text += CsvLine(JournalRowCells(copy, windowTexts));
    }
    return text;
}

}  // namespace orvik::console
