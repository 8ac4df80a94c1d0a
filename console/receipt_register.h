#pragma once

#include <cstdint>
#include <string_view>

#include "device/protocol/receipt_commands.h"
#include "device/result_codes.h"

class COrvikCore;

// The operations of the device core that printing a composed receipt and its total use. The
// console and the command line run them on the connected COrvikCore; tests record them.
namespace orvik::receipt {

class IReceiptRegister {
  public:
    virtual ~IReceiptRegister() = default;

    virtual HRESULT SetReceiptNumber(std::int32_t number) = 0;
    virtual HRESULT SetTapeMode(std::int32_t mode) = 0;
    virtual HRESULT OpenReceipt() = 0;
    virtual HRESULT SetCompoundTax(int firstSlot, int secondSlot) = 0;
    virtual HRESULT AddReceiptLine(const orvik::ReceiptLineRequest& line,
                                   std::int32_t& lineTotal) = 0;
    virtual HRESULT PrintBarcode(std::u16string_view text) = 0;
    virtual HRESULT CloseReceipt(std::int32_t cash, std::int32_t payment1, std::int32_t payment2,
                                 std::int32_t payment3, std::int32_t& total) = 0;

    // The receipt state the printing sequence reads and sets.
    virtual bool ReceiptOpen() const = 0;
    virtual bool ReturnMode() const = 0;
    virtual void SetReturnMode(bool on) = 0;
    // The amount due of the open receipt from its sums as they stand.
    virtual std::int64_t CurrentAmountDue() const = 0;

    // For the receipt total: one line's amounts without the register, and the tax table.
    virtual HRESULT PreviewLineAmounts(const orvik::ReceiptLineRequest& line,
                                       LineAmounts& amounts) = 0;
    virtual const TaxTable& TaxSlots() const = 0;
};

// The connected device core as a receipt register.
class CCoreReceiptRegister final : public IReceiptRegister {
  public:
    explicit CCoreReceiptRegister(COrvikCore& core) : m_core(core) {}

    HRESULT SetReceiptNumber(std::int32_t number) override;
    HRESULT SetTapeMode(std::int32_t mode) override;
    HRESULT OpenReceipt() override;
    HRESULT SetCompoundTax(int firstSlot, int secondSlot) override;
    HRESULT AddReceiptLine(const orvik::ReceiptLineRequest& line, std::int32_t& lineTotal) override;
    HRESULT PrintBarcode(std::u16string_view text) override;
    HRESULT CloseReceipt(std::int32_t cash, std::int32_t payment1, std::int32_t payment2,
                         std::int32_t payment3, std::int32_t& total) override;
    bool ReceiptOpen() const override;
    bool ReturnMode() const override;
    void SetReturnMode(bool on) override;
    std::int64_t CurrentAmountDue() const override;
    HRESULT PreviewLineAmounts(const orvik::ReceiptLineRequest& line,
                               LineAmounts& amounts) override;
    const TaxTable& TaxSlots() const override;

  private:
    COrvikCore& m_core;
};

}  // namespace orvik::receipt
