// The register's reports and test documents.
#include "device/orvik_core.h"
#include "device/protocol/report_commands.h"

namespace orvik::device {

namespace {

enum class CancelFirst { No, Yes };

HRESULT RunCommand(COrvikCore& core, std::u16string_view command) {
    core.SendCommand(command);
    return core.WaitForReady(core.Timings().replyTimeout);
}

// A report that a register with access levels (family 1 model 7, which has no key) prints at
// level 2. A failing level switch does not stop the report, and the register is put back to
// level 1 even when the report failed, so that it is never left at the higher level.
HRESULT RunLeveledReport(COrvikCore& core, std::u16string_view command, CancelFirst cancel) {
    if (cancel == CancelFirst::Yes && core.ReceiptOpen()) {
        // A refused cancel has shown its message; whether the report may run is the
        // register's to judge.
        core.CancelReceipt();
    }
    const bool switchLevel = core.Capabilities().accessLevels;
    if (switchLevel) {
        core.SetAccessLevel(2);
    }
    const HRESULT result = RunCommand(core, command);
    if (switchLevel) {
        core.SetAccessLevel(1);
    }
    return result;
}

}  // namespace

HRESULT COrvikCore::PrintXReport() {
    return RunLeveledReport(*this, u"ZREP1", CancelFirst::No);
}

HRESULT COrvikCore::PrintZReport() {
    return RunLeveledReport(*this, u"NREP", CancelFirst::Yes);
}

HRESULT COrvikCore::PrintZeroZReport() {
    if (!Capabilities().zeroZReport) {
        return E_FAIL;
    }
    return RunCommand(*this, u"nrep");
}

HRESULT COrvikCore::PrintArticleReport() {
    return RunLeveledReport(*this, u"ARTZ", CancelFirst::Yes);
}

HRESULT COrvikCore::PrintDiscountReport() {
    return RunLeveledReport(*this, u"DIZV", CancelFirst::Yes);
}

HRESULT COrvikCore::PrintZeroReceipt() {
    return RunCommand(*this, u"NULL");
}

HRESULT COrvikCore::PrintHardwareState() {
    return RunCommand(*this, u"HDZV");
}

HRESULT COrvikCore::PrintPeriodicReportByDates(const orvik::support::LocalDateTime& from,
                                               const orvik::support::LocalDateTime& to, bool full) {
    // The register would read a day that does not exist as some other range.
    if (!orvik::device::IsReportDate(from) || !orvik::device::IsReportDate(to)) {
        return E_INVALIDARG;
    }
    return RunCommand(*this, orvik::device::BuildPeriodicReportByDatesCommand(from, to, full));
}

HRESULT COrvikCore::PrintPeriodicReportByNumbers(std::int32_t from, std::int32_t to, bool full) {
    return RunCommand(*this, orvik::device::BuildPeriodicReportByNumbersCommand(from, to, full));
}

}  // namespace orvik::device
