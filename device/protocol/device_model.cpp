#include "device/protocol/device_model.h"

#include <initializer_list>

#include "device/protocol/register_capabilities.h"
#include "support/text_trim.h"

namespace orvik::device {

namespace {

bool IsOneOf(std::u16string_view value, std::initializer_list<std::u16string_view> choices) {
    for (std::u16string_view choice : choices) {
        if (value == choice) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::u16string_view ModelCode(std::u16string_view serialNumber) {
    const bool letterFirst = !serialNumber.empty() && !support::IsDigit(serialNumber.front());
    const std::size_t start = letterFirst ? 2 : 0;
    if (start >= serialNumber.size()) {
        return {};
    }
    return serialNumber.substr(start, 3);
}

FamilyAndModel DeriveFamilyAndModel(std::u16string_view serialNumber,
                                    std::u16string_view firmwareName,
                                    std::u16string_view firmwareDate) {
    const std::u16string_view code = ModelCode(serialNumber);
    FamilyAndModel result{1, 4};
    if (IsOneOf(code, {u"040", u"041", u"042"})) {
        result = {0, 0};
    }
    if (IsOneOf(code, {u"440", u"441"})) {
        result = {0, 1};
    }
    if (IsOneOf(code, {u"450", u"460"}) && firmwareName == u"vTTs") {
        result = {1, 2};
    }
    if (IsOneOf(code, {u"500", u"460"}) && IsOneOf(firmwareName, {u"UMTM", u"NFPR"})) {
        result = {1, 3};
    }
    if (code == u"510" && firmwareName == u"UMTM") {
        result = {1, 4};
    }
    if ((firmwareName == u"UMTM" &&
         (IsOneOf(firmwareDate, {u"01/31/05", u"02/08/05"}) || code == u"540")) ||
        (firmwareName == u"NFCP" && firmwareDate == u"09/27/06")) {
        result = {1, 6};
    }
    if (firmwareName == u"IMTM" && firmwareDate == u"11/22/04") {
        result = {1, 7};
    }
    if (IsOneOf(firmwareName, {u"MTMT", u"MTMP"})) {
        result = {1, 8};
    }
    return result;
}

std::int32_t ModelArticleLimit(std::int32_t family, std::int32_t model, std::int32_t articleMode,
                               std::int32_t current) {
    return CapabilitiesOf(family, model, articleMode).articleLimit.value_or(current);
}

}  // namespace orvik::device
