// Cancelling the register's open receipt.
#include "device/orvik_core.h"

namespace orvik::device {

HRESULT COrvikCore::CancelReceipt() {
    // The cancel runs to its answer even after a stop: the register is not left with a receipt
    // open.
    const StopHold hold(*this);
    if (Capabilities().pauseBeforeCancel) {
        // Family 0 registers need a pause before they take "CANC".
        Pause(m_timings.cancelPause);
    }
    SendCommand(u"CANC");
    // WaitForReady discards what follows "READY".
    if (!Succeeded(WaitForReady(m_timings.replyTimeout))) {
        return E_FAIL;
    }
    receiptOpen = false;
    return S_OK;
}

}  // namespace orvik::device
