#include "device/protocol/config_replies.h"

#include <limits>
#include <optional>

#include "support/text_trim.h"

namespace orvik::device {

namespace {

using support::IsDigit;

constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();

// Where the fields of the configuration reply lie.
constexpr std::size_t kSerialPos = 4, kSerialWidth = 10;
constexpr std::size_t kFiscalPos = 14, kFiscalWidth = 10;
constexpr std::size_t kOwner1Pos = 24, kOwner2Pos = 42, kOwner3Pos = 122, kOwnerWidth = 18;
constexpr std::size_t kDatePos = 60, kDateWidth = 8;
constexpr std::size_t kTimePos = 68, kTimeWidth = 6;
constexpr std::size_t kKeyPos = 74;
constexpr std::size_t kZReportMadePos = 81;
constexpr std::size_t kLastZReportPos = 82, kLastZReportWidth = 12;
constexpr std::size_t kFirmwareNamePos = 110, kFirmwareNameWidth = 4;
constexpr std::size_t kFirmwareDatePos = 114;
constexpr std::size_t kCurrencyDatePos = 140;
constexpr std::size_t kDecimalPointPos = 148;
constexpr std::size_t kCurrencyNamePos = 149, kCurrencyNameWidth = 3;
// Newer software reports its name and date again here; when present they win.
constexpr std::size_t kNewFirmwareNamePos = 152;
constexpr std::size_t kNewFirmwareDatePos = 156;

constexpr std::size_t kDataStart = 4;
constexpr std::size_t kTaxRecordWidth = 14;
constexpr std::size_t kTaxNameWidth = 19;
constexpr std::size_t kCounterWidth = 10;

void AppendTwoDigits(std::u16string& out, int value) {
    out.push_back(static_cast<char16_t>(u'0' + value / 10 % 10));
    out.push_back(static_cast<char16_t>(u'0' + value % 10));
}

// Three groups of two digits with a separator between them: "03/15/25", "10:20:30".
std::u16string ThreeGroups(int first, int second, int third, char16_t separator) {
    std::u16string out;
    AppendTwoDigits(out, first);
    out.push_back(separator);
    AppendTwoDigits(out, second);
    out.push_back(separator);
    AppendTwoDigits(out, third);
    return out;
}

std::u16string FormatDate(int year, int month, int day) {
    return ThreeGroups(month, day, year % 100, u'/');
}

std::u16string FormatTime(int hour, int minute, int second) {
    return ThreeGroups(hour, minute, second, u':');
}

// A group of a date or time: blanks, then nothing but digits, at least one. Anything else (a
// missing group, a stray letter) makes the whole date or time unreadable.
std::optional<int> ReadWholeNumber(std::u16string_view group) {
    while (!group.empty() && group.front() == u' ') {
        group.remove_prefix(1);
    }
    if (group.empty()) {
        return std::nullopt;
    }
    int value = 0;
    for (char16_t ch : group) {
        if (!IsDigit(ch)) {
            return std::nullopt;
        }
        value = value * 10 + (ch - u'0');
    }
    return value;
}

// The value of a single digit character; anything else is 0.
std::int32_t DigitValue(std::u16string_view field) {
    return !field.empty() && IsDigit(field.front()) ? field.front() - u'0' : 0;
}

}  // namespace

std::u16string_view ReplyField(std::u16string_view reply, std::size_t position, std::size_t width) {
    if (position >= reply.size()) {
        return {};
    }
    return reply.substr(position, width);
}

std::int32_t ReadNumber(std::u16string_view field) {
    std::size_t i = 0;
    while (i < field.size() && field[i] == u' ') {
        ++i;
    }
    std::int64_t value = 0;
    for (; i < field.size() && IsDigit(field[i]); ++i) {
        value = value * 10 + (field[i] - u'0');
        if (value > kInt32Max) {
            return kInt32Max;
        }
    }
    return static_cast<std::int32_t>(value);
}

std::u16string RewriteDate(std::u16string_view field, const support::LocalDateTime& now) {
    const std::optional<int> fullYear = ReadWholeNumber(ReplyField(field, 0, 4));
    std::optional<int> year = fullYear;
    if (fullYear && *fullYear < 2000) {
        // The register counts years within the century here.
        const std::optional<int> shortYear = ReadWholeNumber(ReplyField(field, 2, 2));
        year = shortYear ? std::optional<int>(2000 + *shortYear) : std::nullopt;
    }
    const std::optional<int> month = ReadWholeNumber(ReplyField(field, 4, 2));
    const std::optional<int> day = ReadWholeNumber(ReplyField(field, 6, 2));
    if (!year || !month || !day || *year < 1900 || !support::IsCalendarDate(*year, *month, *day)) {
        return FormatDate(now.year, now.month, now.day);
    }
    return FormatDate(*year, *month, *day);
}

std::u16string RewriteTime(std::u16string_view field, const support::LocalDateTime& now) {
    const std::optional<int> hour = ReadWholeNumber(ReplyField(field, 0, 2));
    const std::optional<int> minute = ReadWholeNumber(ReplyField(field, 2, 2));
    const std::optional<int> second = ReadWholeNumber(ReplyField(field, 4, 2));
    if (!hour || !minute || !second || !support::IsClockTime(*hour, *minute, *second)) {
        return FormatTime(now.hour, now.minute, now.second);
    }
    return FormatTime(*hour, *minute, *second);
}

char16_t KeyPositionFromCode(std::u16string_view code) {
    if (code.empty()) {
        return u'O';
    }
    switch (code.front()) {
        case u'1':
        case 1:
            return u'R';
        case u'2':
        case 2:
            return u'X';
        case u'4':
        case 3:
            return u'Z';
        case u'8':
        case 4:
            return u'P';
        default:
            return u'O';
    }
}

void ParseConfigurationReply(std::u16string_view reply, const support::LocalDateTime& now,
                             CPrinterInfo& info) {
    info.serialNumber = ReplyField(reply, kSerialPos, kSerialWidth);
    info.fiscalNumber = ReplyField(reply, kFiscalPos, kFiscalWidth);
    info.ownerLine1 = ReplyField(reply, kOwner1Pos, kOwnerWidth);
    info.ownerLine2 = ReplyField(reply, kOwner2Pos, kOwnerWidth);
    info.deviceDate = RewriteDate(ReplyField(reply, kDatePos, kDateWidth), now);
    info.deviceTime = RewriteTime(ReplyField(reply, kTimePos, kTimeWidth), now);
    info.keyPosition = KeyPositionFromCode(ReplyField(reply, kKeyPos, 1));
    info.zReportMade = ReadNumber(ReplyField(reply, kZReportMadePos, 1));
    info.lastZReportNumber = ReadNumber(ReplyField(reply, kLastZReportPos, kLastZReportWidth));

    std::u16string_view firmwareName = ReplyField(reply, kFirmwareNamePos, kFirmwareNameWidth);
    std::u16string_view firmwareDate = ReplyField(reply, kFirmwareDatePos, kDateWidth);
    const std::u16string_view newName = ReplyField(reply, kNewFirmwareNamePos, kFirmwareNameWidth);
    // Blanks there only pad the reply; they name no software.
    if (!support::Trim(newName).empty()) {
        firmwareName = newName;
        firmwareDate = ReplyField(reply, kNewFirmwareDatePos, kDateWidth);
    }
    info.firmwareName = firmwareName;
    info.firmwareDate = RewriteDate(firmwareDate, now);

    info.ownerLine3 = ReplyField(reply, kOwner3Pos, kOwnerWidth);
    info.currencyDate = RewriteDate(ReplyField(reply, kCurrencyDatePos, kDateWidth), now);
    info.decimalPointPosition = DigitValue(ReplyField(reply, kDecimalPointPos, 1));
    info.currencyName = ReplyField(reply, kCurrencyNamePos, kCurrencyNameWidth);
}

void ParseTaxRecords(std::u16string_view reply, const support::LocalDateTime& now,
                     CPrinterInfo& info) {
    for (std::size_t i = 0; i < info.taxSlots.size(); ++i) {
        const std::u16string_view record =
            ReplyField(reply, kDataStart + i * kTaxRecordWidth, kTaxRecordWidth);
        TaxSlot& slot = info.taxSlots[i];
        if (record.empty() || record.front() == u'0') {
            slot = TaxSlot{};
            continue;
        }
        slot.date = RewriteDate(ReplyField(record, 0, 8), now);
        slot.kind = ReplyField(record, 9, 1);
        slot.rateDigits = ReplyField(record, 10, 4);
        slot.rateText = slot.rateDigits;
        if (slot.rateText.size() > 2) {
            slot.rateText.insert(2, 1, u'.');
        }
    }
}

void ParseTaxNames(std::u16string_view reply, CPrinterInfo& info) {
    for (std::size_t i = 0; i < info.taxSlots.size(); ++i) {
        info.taxSlots[i].name =
            support::Trim(ReplyField(reply, kDataStart + i * kTaxNameWidth, kTaxNameWidth));
    }
}

void ParseConfigCounters(std::u16string_view reply, CPrinterInfo& info) {
    for (std::size_t i = 0; i < info.configCounters.size(); ++i) {
        info.configCounters[i] =
            ReadNumber(ReplyField(reply, kDataStart + i * kCounterWidth, kCounterWidth));
    }
}

DocumentCounters ParseDocumentCounters(std::u16string_view answer) {
    DocumentCounters counters;
    counters.lastReceiptNumber = ReadNumber(ReplyField(answer, 0, 10));
    counters.lastDocumentNumber = ReadNumber(ReplyField(answer, 10, 10));
    counters.lastServiceDocumentNumber = ReadNumber(ReplyField(answer, 20, 10));
    counters.articleMode = ReadNumber(ReplyField(answer, 30, 1));
    counters.zReportMade = ReadNumber(ReplyField(answer, 32, 1)) != 0 ? 1 : 0;
    counters.lastZReportNumber = ReadNumber(ReplyField(answer, 33, 4));
    return counters;
}

void ApplyDeviceOptions(std::u16string_view answer, CPrinterInfo& info) {
    if (answer.size() > 2) {
        info.optionDigit1 = DigitValue(answer.substr(0, 1));
        info.optionDigit2 = DigitValue(answer.substr(1, 1));
    }
}

}  // namespace orvik::device
