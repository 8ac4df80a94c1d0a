#include "console/receipt_register.h"

#include "device/orvik_core.h"

namespace orvik::receipt {

HRESULT CCoreReceiptRegister::SetReceiptNumber(std::int32_t number) {
    return m_core.SetReceiptNumber(number);
}

HRESULT CCoreReceiptRegister::SetTapeMode(std::int32_t mode) {
    return m_core.SetTapeMode(mode);
}

HRESULT CCoreReceiptRegister::OpenReceipt() {
    return m_core.OpenReceipt();
}

HRESULT CCoreReceiptRegister::SetCompoundTax(int firstSlot, int secondSlot) {
    return m_core.SetCompoundTax(firstSlot, secondSlot);
}

HRESULT CCoreReceiptRegister::AddReceiptLine(const orvik::ReceiptLineRequest& line,
                                             std::int32_t& lineTotal) {
    return m_core.AddReceiptLine(line.quantity, line.name, line.price, line.divisible,
                                 line.taxSlot1, line.taxSlot2, line.article, line.discountKind,
                                 line.discountName, line.discountAmount, lineTotal);
}

HRESULT CCoreReceiptRegister::PrintBarcode(std::u16string_view text) {
    return m_core.PrintBarcode(text);
}

HRESULT CCoreReceiptRegister::CloseReceipt(std::int32_t cash, std::int32_t payment1,
                                           std::int32_t payment2, std::int32_t payment3,
                                           std::int32_t& total) {
    return m_core.CloseReceipt(cash, payment1, payment2, payment3, total);
}

bool CCoreReceiptRegister::ReceiptOpen() const {
    return m_core.receiptOpen;
}

bool CCoreReceiptRegister::ReturnMode() const {
    return m_core.returnMode;
}

void CCoreReceiptRegister::SetReturnMode(bool on) {
    m_core.returnMode = on;
}

std::int64_t CCoreReceiptRegister::CurrentAmountDue() const {
    return m_core.CurrentAmountDue();
}

HRESULT CCoreReceiptRegister::PreviewLineAmounts(const orvik::ReceiptLineRequest& line,
                                                 LineAmounts& amounts) {
    return m_core.PreviewLineAmounts(line.quantity, line.price, line.divisible, line.taxSlot1,
                                     line.taxSlot2, line.discountKind, line.discountAmount,
                                     amounts);
}

const TaxTable& CCoreReceiptRegister::TaxSlots() const {
    return m_core.printerInfo.taxSlots;
}

}  // namespace orvik::receipt
