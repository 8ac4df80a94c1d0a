#pragma once

#include <utility>

#include "gui/document/orvik_service_doc.h"

namespace orvik::gui {

// Runs one press of a page's button on the connected register: the wait cursor shows and the
// window keeps painting while the register works (the document's idle hook), and Connect and
// Disconnect wait. Does nothing and answers false without a register, or while another
// operation is running. Clicks and keys that arrive while the register works are dropped by
// the document's input gate: a second press during a report prints nothing more.
template <class Operation>
bool RunPageOperation(COrvikServiceDoc& document, Operation&& operation) {
    device::COrvikCore* core = document.m_pCore.get();
    if (!core || document.IsBusy()) {
        return false;
    }
    const DeviceActivity activity(document);
    std::forward<Operation>(operation)(*core);
    return true;
}

}  // namespace orvik::gui
