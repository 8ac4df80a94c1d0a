#include "console/device_settings_page.h"

#include <utility>

#include "device/protocol/settings_commands.h"
#include "res/string_table.h"

namespace orvik::console {

namespace {

using device::Succeeded;

std::u16string Cut(std::u16string_view text, std::size_t limit) {
    return std::u16string(text.substr(0, limit));
}

// The register's configuration pads its header line with spaces to the field's width.
std::u16string WithoutTrailingSpaces(std::u16string_view text) {
    const std::size_t end = text.find_last_not_of(u' ');
    return std::u16string(end == std::u16string_view::npos ? std::u16string_view()
                                                           : text.substr(0, end + 1));
}

std::optional<std::u16string> SuccessText(device::HRESULT result, int stringId) {
    if (!Succeeded(result)) {
        return std::nullopt;
    }
    return LoadString(stringId);
}

}  // namespace

DeviceSettingsState::DeviceSettingsState(std::function<support::LocalDateTime()> now)
    : m_now(std::move(now)) {
    values.clock = m_now();
}

void DeviceSettingsState::SetHeader(std::u16string_view text) {
    values.header = Cut(text, kMaxHeaderFooterLength);
}

void DeviceSettingsState::SetFooter(std::u16string_view text) {
    values.footer = Cut(text, kMaxHeaderFooterLength);
}

void DeviceSettingsState::SetDepartment(std::u16string_view text) {
    values.department = Cut(text, kMaxDepartmentLength);
}

support::LocalDateTime DeviceSettingsState::Now(const device::COrvikCore* core) const {
    return core && core->LocalClock() ? core->LocalClock()() : m_now();
}

void DeviceSettingsState::TakeCurrentTime(const device::COrvikCore* core) {
    values.clock = Now(core);
}

void DeviceSettingsState::Refresh(device::COrvikCore* core) {
    m_capabilities = {};
    if (!core) {
        return;
    }
    m_capabilities = core->Capabilities();
    ReadClock(*core);
    if (m_capabilities.cutterQuery) {
        if (const auto options = device::ParseCutterOptions(core->QueryCutterOptions())) {
            values.cutter = options->cutter != 0;
            values.beeper = options->beeper != 0;
            values.partialCut = options->partialCut != 0;
        }
    }
    values.articleMode = core->ArticleMode();
    SetHeader(WithoutTrailingSpaces(core->PrinterInfo().ownerLine3));
}

void DeviceSettingsState::ReadClock(device::COrvikCore& core) {
    const std::u16string answer = core.QueryDateTime();
    if (answer.empty()) {
        return;
    }
    // A clock that reads as no real date and time (month 13, say) is not shown: the picker
    // offers this computer's time instead.
    values.clock = device::ParseRegisterDateTime(answer).value_or(Now(&core));
}

bool DeviceSettingsState::SetHeaderAndFooter(device::COrvikCore& core) {
    // The footer goes only once the header is in: a refused header leaves both as they were.
    if (!Succeeded(core.SetHeaderText(values.header)) ||
        !Succeeded(core.SetFooterText(values.footer))) {
        return false;
    }
    // A register with less room takes only the first characters. The fields show what it now
    // prints (the core's record of the header already follows it).
    if (const auto limit = core.Capabilities().headerTextWidth) {
        values.header = Cut(values.header, *limit);
        values.footer = Cut(values.footer, *limit);
    }
    return true;
}

std::optional<std::u16string> DeviceSettingsState::Press(device::COrvikCore& core,
                                                         SettingsButton button) {
    switch (button) {
        case SettingsButton::ReadClock:
            ReadClock(core);
            return std::nullopt;
        case SettingsButton::CurrentTime:
            TakeCurrentTime(&core);
            return std::nullopt;
        case SettingsButton::SetClock:
            if (Succeeded(core.SetClock(values.clock))) {
                ReadClock(core);
            }
            return std::nullopt;
        case SettingsButton::SetCutter:
            // Family 0 has neither: the core sends nothing and fails, and nothing is shown.
            return SuccessText(
                core.SetCutterAndBeeper(values.cutter, values.beeper, values.partialCut),
                kStrCutterSet);
        case SettingsButton::SetHeaderFooter:
            return SetHeaderAndFooter(core) ? std::optional(LoadString(kStrHeaderFooterSet))
                                            : std::nullopt;
        case SettingsButton::SetArticleMode:
            return SuccessText(core.SetArticleMode(values.articleMode), kStrArticleModeSet);
        case SettingsButton::SetTaxCalculation:
            return SuccessText(core.SetTaxCalculationMode(values.taxCalculationMode),
                               kStrTaxCalculationSet);
        case SettingsButton::SetTaxPrint:
            return SuccessText(core.SetTaxPrintMode(values.taxPrintMode), kStrTaxPrintSet);
        case SettingsButton::SetMessageSet:
            return SuccessText(core.SetMessageSet(values.messageSet), kStrMessageSetSet);
        case SettingsButton::SetDepartment:
            return SuccessText(core.SetDepartmentMnemonic(values.department), kStrDepartmentSet);
    }
    return std::nullopt;
}

}  // namespace orvik::console
