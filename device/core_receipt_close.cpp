// Closing a receipt with its payments.
#include "device/orvik_core.h"
#include "device/protocol/receipt_commands.h"
#include "res/string_table.h"

namespace orvik::device {

HRESULT COrvikCore::CloseReceipt(std::int32_t cash, std::int32_t payment1, std::int32_t payment2,
                                 std::int32_t payment3, std::int32_t& total) {
    if (!receiptOpen) {
        total = 0;
        return S_OK;
    }
    if (!CheckPendingStatus()) {
        CancelReceipt();
        return E_FAIL;
    }
    const orvik::device::ClosePlan plan = orvik::device::PlanReceiptClose(
        receiptTotals, printerInfo.taxSlots, cash, payment1, payment2, payment3);
    if (plan.paidShort || plan.paymentsWrong) {
        lastMessage = orvik::LoadString(plan.paidShort ? orvik::kStrPaymentTooSmall
                                                       : orvik::kStrClosePaymentsWrong);
        if (showMessages == 1) {
            ShowWarning(lastMessage);
        }
        return E_FAIL;
    }
    SendCommand(plan.command);
    // The register answers with its receipt result ("COMP" and nine numbers) before "READY";
    // the console keeps its own sums.
    if (!Succeeded(WaitForReady(replyTimeout))) {
        return E_FAIL;
    }
    total = static_cast<std::int32_t>(plan.due);
    receiptOpen = false;
    return S_OK;
}

std::int64_t COrvikCore::CurrentAmountDue() const {
    return orvik::device::AmountDue(receiptTotals);
}

}  // namespace orvik::device
