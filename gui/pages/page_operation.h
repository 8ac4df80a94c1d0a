#pragma once

#include <QCoreApplication>

#include <utility>

#include "gui/document/orvik_service_doc.h"

namespace orvik::gui {

// Runs one press of a page's button on the connected register: the wait cursor shows and the
// window keeps painting while the register works (the document's idle hook), and Connect and
// Disconnect wait. Does nothing and answers false without a register, or while another
// operation is running: a second press during a report prints nothing more.
//
// While the register works, clicks and keys are held back rather than lost; they are taken
// here, before the operation counts as ended, so that a button pressed meanwhile finds the
// console still busy and does nothing.
template <class Operation>
bool RunPageOperation(COrvikServiceDoc& document, Operation&& operation) {
    device::COrvikCore* core = document.m_pCore.get();
    if (!core || document.IsBusy()) {
        return false;
    }
    const DeviceActivity activity(document);
    std::forward<Operation>(operation)(*core);
    QCoreApplication::processEvents();
    return true;
}

}  // namespace orvik::gui
