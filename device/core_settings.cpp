// The register's programmable settings and the queries that read them back.
#include "device/orvik_core.h"
#include "device/protocol/settings_commands.h"

namespace orvik::device {

namespace {

HRESULT RunCommand(COrvikCore& core, std::u16string_view command) {
    core.SendCommand(command);
    return core.WaitForReady(core.Timings().replyTimeout);
}

// For a command only some registers know (has: the register is one): E_FAIL without sending
// anywhere else.
HRESULT RunOptionalCommand(COrvikCore& core, bool has, std::u16string_view command) {
    return has ? RunCommand(core, command) : E_FAIL;
}

// A question only some registers understand: the empty answer without sending anywhere else.
std::u16string QueryOptionalValue(COrvikCore& core, bool has, std::u16string_view tag) {
    return has ? core.QueryValue(tag, tag) : std::u16string();
}

}  // namespace

HRESULT COrvikCore::SetClock(const orvik::support::LocalDateTime& time) {
    // Two digits a field: an hour of 123 would otherwise set the clock to 12 o'clock.
    if (!orvik::support::IsClockTime(time.hour, time.minute, time.second)) {
        return E_INVALIDARG;
    }
    return RunCommand(*this, orvik::device::BuildClockCommand(time));
}

std::u16string COrvikCore::QueryDateTime() {
    return QueryValue(u"GETD", u"GETD");
}

std::u16string COrvikCore::QueryCutterOptions() {
    return QueryOptionalValue(*this, Capabilities().cutterQuery, u"CUTR");
}

HRESULT COrvikCore::SetCutterAndBeeper(std::int32_t cutter, std::int32_t beeper,
                                       std::int32_t partialCut) {
    if (!Capabilities().cutter) {
        return E_FAIL;
    }
    const std::optional<std::int32_t> partial =
        Capabilities().partialCut ? std::optional<std::int32_t>(partialCut) : std::nullopt;
    return RunCommand(*this, orvik::device::BuildCutterCommand(cutter, beeper, partial));
}

HRESULT COrvikCore::SetArticleMode(std::int32_t mode) {
    const HRESULT result = RunCommand(*this, orvik::device::BuildArticleModeCommand(mode));
    if (Succeeded(result)) {
        // The register's own answer decides the mode the line commands are then built for.
        DocumentCounters counters;
        QueryDocumentCounters(counters);
    }
    return result;
}

HRESULT COrvikCore::SetHeaderText(std::u16string_view text) {
    const std::optional<std::size_t> limit = Capabilities().headerTextWidth;
    if (!limit) {
        // An empty line would erase the register's header.
        return E_FAIL;
    }
    const HRESULT result = RunCommand(*this, orvik::device::BuildHeaderTextCommand(text, *limit));
    if (Succeeded(result)) {
        // The record of the header follows what the register now prints, so that a later
        // refresh shows this line rather than the one read at connect.
        printerInfo.ownerLine3 = std::u16string(text.substr(0, *limit));
    }
    return result;
}

HRESULT COrvikCore::SetFooterText(std::u16string_view text) {
    const std::optional<std::size_t> limit = Capabilities().headerTextWidth;
    if (!limit) {
        return E_FAIL;
    }
    return RunCommand(*this, orvik::device::BuildFooterTextCommand(text, *limit));
}

HRESULT COrvikCore::SetTaxCalculationMode(std::int32_t perItem) {
    return RunCommand(*this, orvik::device::BuildTaxCalculationCommand(perItem));
}

HRESULT COrvikCore::SetTaxPrintMode(std::int32_t onTotal) {
    return RunCommand(*this, orvik::device::BuildTaxPrintCommand(onTotal));
}

HRESULT COrvikCore::SetMessageSet(std::int32_t set) {
    return RunCommand(*this, orvik::device::BuildMessageSetCommand(set));
}

HRESULT COrvikCore::SetDepartmentMnemonic(std::u16string_view text) {
    const std::u16string command = orvik::device::BuildDepartmentCommand(text);
    if (command.size() > orvik::device::kMaxSentCommandText) {
        // Its frame's length byte would wrap; the register would not read the command whole.
        return E_INVALIDARG;
    }
    return RunCommand(*this, command);
}

HRESULT COrvikCore::SetDiscountPrintMode(std::int32_t mode) {
    return RunOptionalCommand(*this, Capabilities().discountPrintMode,
                              orvik::device::BuildDiscountPrintCommand(mode));
}

HRESULT COrvikCore::LoadLogoLine(std::int32_t lineIndex, std::u16string_view hexText) {
    return RunOptionalCommand(*this, Capabilities().logo,
                              orvik::device::BuildLogoLineCommand(lineIndex, hexText));
}

HRESULT COrvikCore::SetLogoHeight(std::int32_t lines) {
    return RunOptionalCommand(*this, Capabilities().logo,
                              orvik::device::BuildLogoHeightCommand(lines));
}

HRESULT COrvikCore::SetLineSpacing(std::int32_t value) {
    return RunOptionalCommand(*this, Capabilities().lineSpacing,
                              orvik::device::BuildLineSpacingCommand(value));
}

std::u16string COrvikCore::QueryDiscountPrintMode() {
    return QueryOptionalValue(*this, Capabilities().discountPrintMode, u"NPDI");
}

std::u16string COrvikCore::QueryLineSpacing() {
    return QueryOptionalValue(*this, Capabilities().lineSpacing, u"BLFI");
}

}  // namespace orvik::device
