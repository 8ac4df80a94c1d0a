#include "console/receipt_register.h"

#include "device/orvik_core.h"

namespace orvik::console {

device::HRESULT CoreReceiptRegister::SetReceiptNumber(std::int32_t number) {
    return m_core.SetReceiptNumber(number);
}

device::HRESULT CoreReceiptRegister::SetTapeMode(std::int32_t mode) {
    return m_core.SetTapeMode(mode);
}

device::HRESULT CoreReceiptRegister::OpenReceipt() {
    return m_core.OpenReceipt();
}

device::HRESULT CoreReceiptRegister::SetCompoundTax(int firstSlot, int secondSlot) {
    return m_core.SetCompoundTax(firstSlot, secondSlot);
}

device::HRESULT CoreReceiptRegister::AddReceiptLine(const orvik::device::ReceiptLineRequest& line,
                                                    std::int32_t& lineTotal) {
    return m_core.AddReceiptLine(line, lineTotal);
}

device::HRESULT CoreReceiptRegister::PrintBarcode(std::u16string_view text) {
    return m_core.PrintBarcode(text);
}

device::HRESULT CoreReceiptRegister::CancelReceipt() {
    return m_core.CancelReceipt();
}

device::HRESULT CoreReceiptRegister::CloseReceipt(std::int32_t cash, std::int32_t payment1,
                                                  std::int32_t payment2, std::int32_t payment3,
                                                  std::int32_t& total,
                                                  const device::BeforeCloseSent& beforeSend) {
    return m_core.CloseReceipt(cash, payment1, payment2, payment3, total, beforeSend);
}

std::u16string CoreReceiptRegister::SerialNumber() const {
    return m_core.PrinterInfo().serialNumber;
}

void CoreReceiptRegister::SettleUnsettledClose() {
    m_core.SettleUnsettledClose();
}

device::CloseOutcome CoreReceiptRegister::LastCloseOutcome() const {
    return m_core.LastCloseOutcome();
}

bool CoreReceiptRegister::ReceiptOpen() const {
    return m_core.ReceiptOpen();
}

bool CoreReceiptRegister::ReturnMode() const {
    return m_core.ReturnMode();
}

void CoreReceiptRegister::SetReturnMode(bool on) {
    m_core.SetReturnMode(on);
}

std::int64_t CoreReceiptRegister::CurrentAmountDue() const {
    return m_core.CurrentAmountDue();
}

device::HRESULT CoreReceiptRegister::PreviewLineAmounts(
    const orvik::device::ReceiptLineRequest& line, device::LineAmounts& amounts) {
    return m_core.PreviewLineAmounts(line, amounts);
}

const device::TaxTable& CoreReceiptRegister::TaxSlots() const {
    return m_core.PrinterInfo().taxSlots;
}

}  // namespace orvik::console
