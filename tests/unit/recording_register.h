#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "console/receipt_register.h"
#include "device/protocol/receipt_math.h"
#include "tests/unit/print_helpers.h"

// A receipt register that records the operations it is asked for, in the words of the device
// core, and keeps the receipt's sums with the core's own arithmetic. Failures are chosen by
// call number.
class RecordingRegister : public orvik::console::IReceiptRegister {
  public:
    std::vector<std::string> calls;
    orvik::device::TaxTable taxes{};
    std::int32_t maxQuantity = 99999;
    // Which calls fail, counted from 1 over all calls of that operation.
    std::vector<int> failingOpens;
    std::vector<int> failingLines;
    std::vector<int> failingCloses;
    bool tapeModeThrows = false;
    // The register's last receipt number, handed to the journal before each close; moved on
    // by each close registered.
    std::optional<std::int32_t> counter;
    std::u16string serialNumber = u"ОР00000001";

    bool receiptOpen = false;
    bool returnMode = false;
    orvik::device::ReceiptTotals totals;

    orvik::device::HRESULT SetReceiptNumber(std::int32_t number) override {
        calls.push_back("BCHN " + std::to_string(number));
        return orvik::device::S_OK;
    }
    orvik::device::HRESULT SetTapeMode(std::int32_t mode) override {
        calls.push_back("NCDC " + std::to_string(mode));
        if (tapeModeThrows) {
            throw std::runtime_error("tape");
        }
        return orvik::device::E_FAIL;
    }
    orvik::device::HRESULT OpenReceipt() override {
        calls.push_back("PREP");
        if (Fails(failingOpens, ++m_opens)) {
            return orvik::device::E_ABORT;
        }
        receiptOpen = true;
        totals = orvik::device::ReceiptTotals{};
        return orvik::device::S_OK;
    }
    orvik::device::HRESULT CancelReceipt() override {
        calls.push_back("CANC");
        receiptOpen = false;
        return orvik::device::S_OK;
    }
    orvik::device::HRESULT SetCompoundTax(int firstSlot, int secondSlot) override {
        calls.push_back("NLPR " + std::to_string(firstSlot) + " " + std::to_string(secondSlot));
        return orvik::device::S_OK;
    }
    orvik::device::HRESULT AddReceiptLine(const orvik::device::ReceiptLineRequest& line,
                                          std::int32_t& lineTotal) override {
        calls.push_back(std::string(returnMode ? "BFIS " : "FISC ") + Utf8(line.name) + " q" +
                        std::to_string(line.quantity) + " p" + std::to_string(line.price) +
                        (line.divisible ? " div" : "") + " t" + std::to_string(line.taxSlot1) +
                        "," + std::to_string(line.taxSlot2) + " a" + std::to_string(line.article) +
                        " d" + std::to_string(line.discountKind) + ":" + Utf8(line.discountName) +
                        ":" + std::to_string(line.discountAmount));
        if (!receiptOpen || Fails(failingLines, ++m_lines)) {
            return orvik::device::E_FAIL;
        }
        const std::int64_t sum = orvik::device::LineSum(line.quantity, line.price, line.divisible);
        const std::int64_t after = orvik::device::ApplyDiscount(
            sum, orvik::device::EffectiveDiscount(line.discountKind, line.discountAmount, sum));
        lineTotal = orvik::device::RegisterLineInTotals(totals, taxes, returnMode, line.taxSlot1,
                                                        line.taxSlot2, after, 0);
        return orvik::device::S_OK;
    }
    orvik::device::HRESULT PrintBarcode(std::u16string_view text) override {
        calls.push_back("PCOD " + Utf8(text));
        return orvik::device::E_FAIL;
    }
    orvik::device::HRESULT CloseReceipt(std::int32_t cash, std::int32_t payment1,
                                        std::int32_t payment2, std::int32_t payment3,
                                        std::int32_t& total,
                                        const orvik::device::BeforeCloseSent& beforeSend) override {
        if (beforeSend && !beforeSend(counter)) {
            calls.push_back("CANC");
            receiptOpen = false;
            return orvik::device::E_FAIL;
        }
        calls.push_back("COMP " + std::to_string(cash) + " " + std::to_string(payment1) + " " +
                        std::to_string(payment2) + " " + std::to_string(payment3));
        if (Fails(failingCloses, ++m_closes)) {
            return orvik::device::E_FAIL;
        }
        if (counter) {
            ++*counter;
        }
        total = static_cast<std::int32_t>(orvik::device::AmountDue(totals));
        receiptOpen = false;
        return orvik::device::S_OK;
    }
    std::u16string SerialNumber() const override { return serialNumber; }
    bool ReceiptOpen() const override { return receiptOpen; }
    bool ReturnMode() const override { return returnMode; }
    void SetReturnMode(bool on) override {
        if (on != returnMode) {
            calls.push_back(on ? "returns" : "sales");
        }
        returnMode = on;
    }
    std::int64_t CurrentAmountDue() const override { return orvik::device::AmountDue(totals); }
    orvik::device::HRESULT PreviewLineAmounts(const orvik::device::ReceiptLineRequest& line,
                                              orvik::device::LineAmounts& amounts) override {
        if (line.quantity > maxQuantity) {
            return orvik::device::E_FAIL;
        }
        amounts = orvik::device::PreviewLine(taxes, line.quantity, line.price, line.divisible,
                                             line.taxSlot1, line.taxSlot2, line.discountKind,
                                             line.discountAmount);
        return orvik::device::S_OK;
    }
    const orvik::device::TaxTable& TaxSlots() const override { return taxes; }

  private:
    static bool Fails(const std::vector<int>& failing, int call) {
        for (int f : failing) {
            if (f == call) {
                return true;
            }
        }
        return false;
    }
    int m_opens = 0;
    int m_lines = 0;
    int m_closes = 0;
};
