#include "console/z_report_sequence.h"

#include "device/link/message_container.h"

namespace orvik::console {

ZReportOutcome RunZReport(device::COrvikCore& core, ZReportKind kind) {
    ZReportOutcome outcome;
    if (kind == ZReportKind::Zero && !(core.deviceFamily == 1 && core.deviceModel == 8)) {
        // Only that register knows the command: nothing is sent to any other.
        return outcome;
    }
    core.Queue().BlankTexts();
    outcome.result = kind == ZReportKind::Zero ? core.PrintZeroZReport() : core.PrintZReport();
    device::DocumentCounters counters;
    outcome.countersRead = !core.QueryDocumentCounters(counters).empty();
    return outcome;
}

}  // namespace orvik::console
