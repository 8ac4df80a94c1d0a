// Feeds arbitrary bytes, read as a reply of the register in CP866, to every parser of the
// configuration reading: the configuration ("CONf"), the tax table ("CNAL") and names
// ("CNAM"), the configuration counters ("CRES"), the document counters ("GLCN") and the
// device options ("dset"), then derives the family, model and article limit from what was
// read. Whatever the bytes, every date must come out as a date the calendar has, every time as
// a time the clock has, every field within its width and every number within its range.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "device/protocol/config_replies.h"
#include "device/protocol/device_model.h"
#include "device/protocol/printer_info.h"
#include "fuzz/fuzz_check.h"
#include "support/local_time.h"
#include "support/text_codec.h"
#include "support/text_trim.h"

using namespace orvik::device;

namespace {

int TwoDigits(std::u16string_view text, std::size_t at) {
    Check(orvik::support::IsDigit(text[at]) && orvik::support::IsDigit(text[at + 1]));
    return (text[at] - u'0') * 10 + (text[at + 1] - u'0');
}

bool IsBlank(char16_t ch) {
    return ch == u' ' || ch == u'\t' || ch == u'\r' || ch == u'\n' || ch == u'\v' || ch == u'\f';
}

// MM/DD/YY of a day the calendar has. The century is not kept, so 29 February passes whatever
// the year.
void CheckDate(std::u16string_view date) {
    Check(date.size() == 8 && date[2] == u'/' && date[5] == u'/');
    const int month = TwoDigits(date, 0);
    const int day = TwoDigits(date, 3);
    TwoDigits(date, 6);
    Check(month >= 1 && month <= 12 && day >= 1 && day <= 31);
    Check(orvik::support::IsCalendarDate(2000, month, day));
}

void CheckTime(std::u16string_view time) {
    Check(time.size() == 8 && time[2] == u':' && time[5] == u':');
    Check(orvik::support::IsClockTime(TwoDigits(time, 0), TwoDigits(time, 3), TwoDigits(time, 6)));
}

void CheckConfiguration(const CPrinterInfo& info) {
    Check(info.serialNumber.size() <= 10 && info.fiscalNumber.size() <= 10);
    for (const std::u16string* line : {&info.ownerLine1, &info.ownerLine2, &info.ownerLine3}) {
        Check(line->size() <= 18);
    }
    Check(info.firmwareName.size() <= 4 && info.currencyName.size() <= 3);
    CheckDate(info.deviceDate);
    CheckTime(info.deviceTime);
    CheckDate(info.firmwareDate);
    CheckDate(info.currencyDate);
    Check(std::u16string_view(u"RXZPO").find(info.keyPosition) != std::u16string_view::npos);
    Check(info.zReportMade >= 0 && info.zReportMade <= 9);
    Check(info.lastZReportNumber >= 0);
    Check(info.decimalPointPosition >= 0 && info.decimalPointPosition <= 9);
}

void CheckTaxSlots(const CPrinterInfo& info) {
    for (const TaxSlot& slot : info.taxSlots) {
        Check(slot.name.size() <= 19);
        if (!slot.name.empty()) {
            Check(!IsBlank(slot.name.front()) && !IsBlank(slot.name.back()));
        }
        if (slot.date.empty()) {
            // A cleared slot: nothing of it is left.
            Check(slot.kind.empty() && slot.rateDigits.empty() && slot.rateText.empty());
            continue;
        }
        CheckDate(slot.date);
        Check(slot.kind.size() <= 1 && slot.rateDigits.size() <= 4);
        std::u16string withPoint = slot.rateDigits;
        if (withPoint.size() > 2) {
            withPoint.insert(2, 1, u'.');
        }
        Check(slot.rateText == withPoint);
    }
}

void CheckDerivation(const CPrinterInfo& info, std::int32_t articleMode) {
    const orvik::device::FamilyAndModel derived = orvik::device::DeriveFamilyAndModel(
        info.serialNumber, info.firmwareName, info.firmwareDate);
    Check(derived.family == 0 || derived.family == 1);
    if (derived.family == 0) {
        Check(derived.model == 0 || derived.model == 1);
    } else {
        // Model 5 is never derived.
        Check(derived.model >= 2 && derived.model <= 8 && derived.model != 5);
    }
    const std::int32_t limit = orvik::device::ModelArticleLimit(
        derived.family, derived.model, articleMode, CPrinterInfo::kDefaultMaxArticleNumber);
    bool known = false;
    for (const std::int32_t value : {1999, 4999, 9999, 20688, 999999999}) {
        known = known || limit == value;
    }
    Check(known);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string reply =
        orvik::support::Decode(orvik::support::CodePage::Oem866,
                               std::string_view(reinterpret_cast<const char*>(data), size));
    orvik::support::LocalDateTime now;
    now.year = 2024;
    now.month = 2;
    now.day = 29;
    now.hour = 23;
    now.minute = 59;
    now.second = 59;

    // In the order of the configuration reading, all on one record.
    CPrinterInfo info;
    orvik::device::ParseConfigurationReply(reply, now, info);
    CheckConfiguration(info);
    orvik::device::ParseTaxRecords(reply, now, info);
    orvik::device::ParseTaxNames(reply, info);
    CheckTaxSlots(info);
    orvik::device::ParseConfigCounters(reply, info);
    for (const std::int32_t value : info.configCounters) {
        Check(value >= 0);
    }
    orvik::device::ApplyDeviceOptions(reply, info);
    Check(info.optionDigit1 >= 0 && info.optionDigit1 <= 9);
    Check(info.optionDigit2 >= 0 && info.optionDigit2 <= 9);

    // The document counters come without their tag.
    const DocumentCounters counters = orvik::device::ParseDocumentCounters(
        std::u16string_view(reply).substr(reply.size() > 4 ? 4 : 0));
    Check(counters.lastReceiptNumber >= 0 && counters.lastDocumentNumber >= 0 &&
          counters.lastServiceDocumentNumber >= 0 && counters.lastZReportNumber >= 0);
    Check(counters.articleMode >= 0 && counters.articleMode <= 9);
    Check(counters.zReportMade == 0 || counters.zReportMade == 1);
    Check(counters.lastZReportNumber <= 9999);

    CheckDerivation(info, counters.articleMode);

    // A second reading of the same reply gives the same record.
    CPrinterInfo again;
    orvik::device::ParseConfigurationReply(reply, now, again);
    Check(again.serialNumber == info.serialNumber && again.deviceDate == info.deviceDate &&
          again.firmwareDate == info.firmwareDate && again.keyPosition == info.keyPosition);
    return 0;
}
