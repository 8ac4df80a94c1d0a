#pragma once

#include <cstdint>
#include <string_view>

#include "device/protocol/receipt_commands.h"
#include "device/receipt_outcome.h"
#include "device/result_codes.h"

namespace orvik::device {
class COrvikCore;
}

namespace orvik::console {

// The operations of the device core that printing a composed receipt and its total use. The
// console and the command line run them on the connected COrvikCore; tests record them.

class IReceiptRegister {
  public:
    virtual ~IReceiptRegister() = default;

    virtual device::HRESULT SetReceiptNumber(std::int32_t number) = 0;
    virtual device::HRESULT SetTapeMode(std::int32_t mode) = 0;
    virtual device::HRESULT OpenReceipt() = 0;
    virtual device::HRESULT CancelReceipt() = 0;
    virtual device::HRESULT SetCompoundTax(int firstSlot, int secondSlot) = 0;
    virtual device::HRESULT AddReceiptLine(const orvik::device::ReceiptLineRequest& line,
                                           std::int32_t& lineTotal) = 0;
    virtual device::HRESULT PrintBarcode(std::u16string_view text) = 0;
    // beforeSend is called just before the close is sent (see COrvikCore::CloseReceipt).
    virtual device::HRESULT CloseReceipt(std::int32_t cash, std::int32_t payment1,
                                         std::int32_t payment2, std::int32_t payment3,
                                         std::int32_t& total,
                                         const device::BeforeCloseSent& beforeSend) = 0;
    // What became of the last close sent: registered (with the register's number), refused,
    // or unknown when its answer never came.
    virtual device::CloseOutcome LastCloseOutcome() const { return {}; }
    // The register's serial number, which the journal files its copies under.
    virtual std::u16string SerialNumber() const { return {}; }
    // Settles a close the register still owes an outcome for (see COrvikCore).
    virtual void SettleUnsettledClose() {}

    // The receipt state the printing sequence reads and sets.
    virtual bool ReceiptOpen() const = 0;
    virtual bool ReturnMode() const = 0;
    virtual void SetReturnMode(bool on) = 0;
    // The amount due of the open receipt from its sums as they stand.
    virtual std::int64_t CurrentAmountDue() const = 0;

    // For the receipt total: one line's amounts without the register, and the tax table.
    virtual device::HRESULT PreviewLineAmounts(const orvik::device::ReceiptLineRequest& line,
                                               device::LineAmounts& amounts) = 0;
    virtual const device::TaxTable& TaxSlots() const = 0;
};

// The connected device core as a receipt register.
class CoreReceiptRegister final : public IReceiptRegister {
  public:
    explicit CoreReceiptRegister(device::COrvikCore& core) : m_core(core) {}

    device::HRESULT SetReceiptNumber(std::int32_t number) override;
    device::HRESULT SetTapeMode(std::int32_t mode) override;
    device::HRESULT OpenReceipt() override;
    device::HRESULT CancelReceipt() override;
    device::HRESULT SetCompoundTax(int firstSlot, int secondSlot) override;
    device::HRESULT AddReceiptLine(const orvik::device::ReceiptLineRequest& line,
                                   std::int32_t& lineTotal) override;
    device::HRESULT PrintBarcode(std::u16string_view text) override;
    device::HRESULT CloseReceipt(std::int32_t cash, std::int32_t payment1, std::int32_t payment2,
                                 std::int32_t payment3, std::int32_t& total,
                                 const device::BeforeCloseSent& beforeSend) override;
    device::CloseOutcome LastCloseOutcome() const override;
    std::u16string SerialNumber() const override;
    void SettleUnsettledClose() override;
    bool ReceiptOpen() const override;
    bool ReturnMode() const override;
    void SetReturnMode(bool on) override;
    std::int64_t CurrentAmountDue() const override;
    device::HRESULT PreviewLineAmounts(const orvik::device::ReceiptLineRequest& line,
                                       device::LineAmounts& amounts) override;
    const device::TaxTable& TaxSlots() const override;

  private:
    device::COrvikCore& m_core;
};

}  // namespace orvik::console
