#pragma once

#include "device/orvik_core.h"

// The end-of-day Z report as the console runs it, for the reports page and the command line
// alike.
namespace orvik::console {

enum class ZReportKind {
    Ordinary,  // "Z-Отчет": closes the fiscal day
    Zero,      // "Нулевой Z-Отчет": family 1 model 8 only
};

struct ZReportOutcome {
    device::HRESULT result = device::E_FAIL;  // the report's own result
    bool countersRead = false;                // the register told its counters afterwards
};

// Blanks the replies still in the queue, so that nothing left from before is taken for the
// report's answer, prints the report, then reads the document counters whatever the report's
// result: a register that printed the report but answered late has still counted it, and the
// core's last Z-report number and "Z report made" flag must follow. The caller then refreshes
// whatever shows them.
ZReportOutcome RunZReport(device::COrvikCore& core, ZReportKind kind);

}  // namespace orvik::console
