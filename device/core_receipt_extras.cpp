// The receipt's auxiliary commands and the cash drawer.
#include <string>

#include "device/orvik_core.h"
#include "device/protocol/receipt_commands.h"
#include "support/text_codec.h"

namespace orvik::device {

HRESULT COrvikCore::SetReceiptNumber(std::int32_t number) {
    SendCommand(u"BCHN" + orvik::support::FromUtf8(std::to_string(number)));
    return WaitForReady(m_timings.replyTimeout);
}

HRESULT COrvikCore::SetTapeMode(std::int32_t mode) {
    if (!Capabilities().tapeMode) {
        return E_FAIL;
    }
    SendCommand(u"NCDC" + orvik::device::FormatNumber(mode, 1));
    return WaitForReady(m_timings.replyTimeout);
}

std::u16string COrvikCore::QueryTapeMode() {
    if (!Capabilities().tapeMode) {
        return {};
    }
    return QueryValue(u"NCDC", u"NCDC");
}

HRESULT COrvikCore::SetCompoundTax(int firstSlot, int secondSlot) {
    if (!Capabilities().compoundTax) {
        return E_FAIL;
    }
    const std::u16string command =
        orvik::device::BuildCompoundTaxCommand(TaxLetters(), firstSlot, secondSlot);
    if (command.empty()) {
        return E_FAIL;
    }
    SendCommand(command);
    return WaitForReady(m_timings.replyTimeout);
}

HRESULT COrvikCore::PrintBarcode(std::u16string_view text) {
    if (!Capabilities().barcode) {
        return E_FAIL;
    }
    SendCommand(orvik::device::BuildBarcodeCommand(text));
    return WaitForReady(m_timings.replyTimeout);
}

HRESULT COrvikCore::MoveCash(bool cashIn, std::int32_t amount) {
    SendCommand(orvik::device::BuildCashMoveCommand(cashIn, amount));
    return WaitForReady(m_timings.replyTimeout);
}

std::u16string COrvikCore::QueryCash() {
    return QueryValue(u"CCAS", u"CCAS");
}

}  // namespace orvik::device
