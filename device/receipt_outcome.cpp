#include "device/receipt_outcome.h"

namespace orvik::device {

CloseOutcome SettleFromCounters(std::int32_t numberBefore, std::int32_t numberNow) {
    CloseOutcome settled;
    settled.byCounter = true;
    if (numberNow == numberBefore) {
        settled.outcome = ReceiptOutcome::NotRegistered;
    } else if (numberBefore < INT32_MAX && numberNow == numberBefore + 1) {
        settled.outcome = ReceiptOutcome::Registered;
        settled.receiptNumber = numberNow;
    } else {
        settled.outcome = ReceiptOutcome::Unknown;
    }
    return settled;
}

}  // namespace orvik::device
