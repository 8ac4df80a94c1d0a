// Opening a receipt and registering its lines.
#include "device/orvik_core.h"
#include "device/protocol/receipt_commands.h"
#include "device/protocol/status_table.h"
#include "res/string_table.h"

namespace orvik::device {

using orvik::device::Contains;
using orvik::device::HasStatusWord;

std::u16string COrvikCore::FormatNumber(std::int32_t value, int width) {
    return width > 0 ? orvik::device::FormatNumber(value, static_cast<std::size_t>(width)) : u"";
}

std::u16string COrvikCore::FormatArticleCode(std::int32_t value) {
    return orvik::device::FormatArticleCode(value);
}

std::u16string COrvikCore::TaxLetters() {
    return orvik::LoadString(orvik::kStrTaxLetters);
}

HRESULT COrvikCore::OpenReceipt() {
    // A close that got no answer is settled first: the operator must know before the receipt
    // is printed again.
    SettleUnsettledClose();
    if (receiptOpen) {
        CancelReceipt();
    }
    if (!Succeeded(CheckPendingStatus())) {
        // The status has been shown; the receipt is not open, and the caller must know.
        return E_UNEXPECTED;
    }
    if (Capabilities().accessLevels) {
        SetAccessLevel(1);
    }
    for (bool firstTry = true;; firstTry = false) {
        SendCommand(orvik::device::BuildOpenCommand(Capabilities()));
        if (Capabilities().pauseAfterOpen) {
            // Family 0 registers print the receipt's head before they answer anything else.
            Pause(m_timings.openReceiptPause);
        }
        // A receipt left open on the register (by a program that died, or after a refused
        // cancel) makes it refuse with its sequence error: that receipt is cancelled and the
        // open tried once more.
        std::u16string refusal;
        const HRESULT result =
            AwaitReplies({.timeoutMs = m_timings.replyTimeout,
                          .reportSilence = true,
                          .roleOf =
                              [firstTry](std::u16string_view reply) {
                                  if (firstTry && Contains(reply, u"SOFTPROTOC")) {
                                      return ReplyRole::Refusal;
                                  }
                                  return StatusOrReady(reply);
                              }},
                         &refusal);
        if (Succeeded(result)) {
            break;
        }
        if (result != E_UNEXPECTED || refusal.empty()) {
            return result == E_ABORT ? E_ABORT : E_UNEXPECTED;
        }
        if (!Succeeded(CancelReceipt())) {
            return E_UNEXPECTED;
        }
        lastMessage = orvik::LoadString(orvik::kStrLeftOpenReceiptCancelled);
        if (showMessages == 1) {
            ShowInformation(lastMessage);
        }
    }
    receiptTotals = ReceiptTotals{};
    receiptOpen = true;
    return S_OK;
}

HRESULT COrvikCore::AddReceiptLine(const ReceiptLineRequest& request, std::int32_t& lineTotal) {
    if (!receiptOpen) {
        return E_FAIL;
    }
    if (!Succeeded(CheckPendingStatus())) {
        CancelReceipt();
        return E_FAIL;
    }
    if (request.quantity > Capabilities().maxLineQuantity) {
        ReportMessage(orvik::kStrLineQuantityTooLarge);
        CancelReceipt();
        return E_FAIL;
    }
    const orvik::device::PreparedLine line =
        orvik::device::PrepareReceiptLine(Capabilities(), printerInfo.maxArticleNumber,
                                          printerInfo.taxSlots, TaxLetters(), returnMode, request);
    if (!orvik::device::LineFitsCommand(request.price, line.lineSum, line.discount)) {
        // The command's nine-digit fields would cut the number: the register would be sent
        // another price or sum than the receipt holds.
        ReportMessage(orvik::kStrLineAmountOutOfRange);
        CancelReceipt();
        return E_FAIL;
    }

    SendCommand(line.command);
    std::int64_t deviceAmount = 0;
    if (!Succeeded(AwaitLineReply(deviceAmount))) {
        return E_FAIL;
    }
    lineTotal = orvik::device::RegisterLineInTotals(receiptTotals, printerInfo.taxSlots, returnMode,
                                                    request.taxSlot1, request.taxSlot2,
                                                    line.SumAfterDiscount(), deviceAmount);
    return S_OK;
}

HRESULT COrvikCore::AwaitLineReply(std::int64_t& deviceAmount) {
    deviceAmount = 0;
    const HRESULT result =
        AwaitReplies({.timeoutMs = m_timings.replyTimeout,
                      .reportSilence = true,
                      .roleOf = [&deviceAmount](std::u16string_view reply) {
                          if (Contains(reply, u"SOFTCOPY")) {
                              // The register's copy buffer is full: the receipt goes on
                              // without its copy.
                              return ReplyRole::Other;
                          }
                          if (HasStatusWord(reply)) {
                              return ReplyRole::Status;
                          }
                          if (Contains(reply, u"FISC")) {
                              deviceAmount = ReadReplyAmount(reply);
                              return ReplyRole::Other;
                          }
                          return Contains(reply, u"READY") ? ReplyRole::Ready : ReplyRole::Other;
                      }});
    return Succeeded(result) ? S_OK : E_FAIL;
}

HRESULT COrvikCore::PreviewLineAmounts(const ReceiptLineRequest& line, LineAmounts& amounts) {
    if (line.quantity > Capabilities().maxLineQuantity) {
        ReportMessage(orvik::kStrLineQuantityTooLarge);
        return E_FAIL;
    }
    const std::int64_t lineSum = orvik::device::LineSum(line.quantity, line.price, line.divisible);
    if (!orvik::device::LineFitsCommand(
            line.price, lineSum,
            orvik::device::EffectiveDiscount(line.discountKind, line.discountAmount, lineSum))) {
        ReportMessage(orvik::kStrLineAmountOutOfRange);
        return E_FAIL;
    }
    amounts = orvik::device::PreviewLine(printerInfo.taxSlots, line.quantity, line.price,
                                         line.divisible, line.taxSlot1, line.taxSlot2,
                                         line.discountKind, line.discountAmount);
    return S_OK;
}

}  // namespace orvik::device
