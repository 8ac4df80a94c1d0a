#include "cli/info_lines.h"

#include "device/orvik_core.h"
#include "support/text_codec.h"

namespace orvik::cli {

namespace {

std::string Line(const char* name, std::u16string_view value) {
    return std::string(name) + ": " + orvik::support::ToUtf8(value);
}

std::string Line(const char* name, std::int32_t value) {
    return std::string(name) + ": " + std::to_string(value);
}

std::string TaxSlotLine(std::size_t index, const device::TaxSlot& slot) {
    return "taxSlot" + std::to_string(index + 1) + ": kind=" + orvik::support::ToUtf8(slot.kind) +
           " rateDigits=" + orvik::support::ToUtf8(slot.rateDigits) +
           " rateText=" + orvik::support::ToUtf8(slot.rateText) +
           " date=" + orvik::support::ToUtf8(slot.date) +
           " name=" + orvik::support::ToUtf8(slot.name);
}

}  // namespace

std::vector<std::string> PrinterInfoLines(const device::COrvikCore& core) {
    const device::CPrinterInfo& info = core.PrinterInfo();
    std::u16string keyPosition;
    if (info.keyPosition != 0) {
        keyPosition.push_back(info.keyPosition);
    }
    std::string counters;
    for (const std::int32_t value : info.configCounters) {
        counters += (counters.empty() ? "" : " ") + std::to_string(value);
    }
    std::vector<std::string> lines{
        Line("serialNumber", info.serialNumber),
        Line("fiscalNumber", info.fiscalNumber),
        Line("ownerLine1", info.ownerLine1),
        Line("ownerLine2", info.ownerLine2),
        Line("ownerLine3", info.ownerLine3),
        Line("deviceDate", info.deviceDate),
        Line("deviceTime", info.deviceTime),
        Line("keyPosition", keyPosition),
        Line("firmwareName", info.firmwareName),
        Line("firmwareDate", info.firmwareDate),
        Line("currencyDate", info.currencyDate),
        Line("decimalPointPosition", info.decimalPointPosition),
        Line("currencyName", info.currencyName),
        Line("zReportMade", info.zReportMade),
        Line("lastZReportNumber", info.lastZReportNumber),
        Line("maxArticleNumber", info.maxArticleNumber),
        Line("optionDigit1", info.optionDigit1),
        Line("optionDigit2", info.optionDigit2),
        "configCounters: " + counters,
        Line("deviceFamily", core.DeviceFamily()),
        Line("deviceModel", core.DeviceModel()),
        Line("articleMode", core.ArticleMode()),
        Line("serviceSession", core.ServiceSession() ? 1 : 0),
    };
    for (std::size_t i = 0; i < info.taxSlots.size(); ++i) {
        lines.push_back(TaxSlotLine(i, info.taxSlots[i]));
    }
    return lines;
}

}  // namespace orvik::cli
