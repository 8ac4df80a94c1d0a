#include "console/z_report_sequence.h"

namespace orvik::console {

ZReportOutcome RunZReport(device::COrvikCore& core, ZReportKind kind) {
    ZReportOutcome outcome;
    if (kind == ZReportKind::Zero && !core.Capabilities().zeroZReport) {
        // Only a register with the zero Z report knows the command: nothing is sent to any
        // other.
        return outcome;
    }
    core.BlankQueuedReplies();
    outcome.result = kind == ZReportKind::Zero ? core.PrintZeroZReport() : core.PrintZReport();
    device::DocumentCounters counters;
    outcome.countersRead = !core.QueryDocumentCounters(counters).empty();
    return outcome;
}

}  // namespace orvik::console
