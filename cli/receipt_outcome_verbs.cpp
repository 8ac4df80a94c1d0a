#include "cli/receipt_outcome_verbs.h"

#include <cstdio>

#include "device/orvik_core.h"

namespace orvik::cli {

std::string OutcomeLine(const console::PrintOutcome& outcome) {
    const device::CloseOutcome& close = outcome.lastClose;
    switch (close.outcome) {
        case device::ReceiptOutcome::Registered:
            return close.receiptNumber > 0
                       ? "outcome: registered " + std::to_string(close.receiptNumber)
                       : "outcome: registered";
        case device::ReceiptOutcome::Unknown:
            return "outcome: unknown";
        case device::ReceiptOutcome::None:
        case device::ReceiptOutcome::NotRegistered:
            break;
    }
    // A copy that ended before its close was not registered either.
    return "outcome: not registered";
}

int PrintExitStatus(const console::PrintOutcome& outcome, int copies) {
    if (outcome.lastClose.outcome == device::ReceiptOutcome::Unknown) {
        return kExitOutcomeUnknown;
    }
    return outcome.copiesPrinted == copies ? 0 : 1;
}

void AddReceiptOutcomeVerbs(CoreVerbTable& table) {
    table["cancel-receipt"] = [](const std::vector<std::string>& arguments) -> VerbPlan {
        if (!arguments.empty()) {
            return Refuse("cancel-receipt takes no arguments");
        }
        return {[](device::COrvikCore& core) {
                    if (!device::Succeeded(core.CancelReceipt())) {
                        return 1;
                    }
                    std::printf("no receipt is open on the register now\n");
                    return 0;
                },
                {}};
    };
}

}  // namespace orvik::cli
