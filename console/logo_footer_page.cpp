#include "console/logo_footer_page.h"

#include <algorithm>
#include <cstdio>

#include "device/orvik_core.h"
#include "res/string_table.h"
#include "support/text_codec.h"

namespace orvik::console {

std::u16string LineSpacingText(std::int32_t value) {
    char text[32];
    std::snprintf(text, sizeof(text), "%.3f", value * 0.125);
    std::u16string result = LoadString(kStrLineSpacingMillimetres);
    if (const std::size_t at = result.find(u"%1"); at != std::u16string::npos) {
        result.replace(at, 2, support::FromUtf8(text));
    }
    return result;
}

std::vector<LineSpacingEntry> LineSpacingEntries() {
    std::vector<LineSpacingEntry> entries;
    for (std::int32_t value = kMinLineSpacing; value <= kMaxLineSpacing; ++value) {
        entries.push_back({value, LineSpacingText(value)});
    }
    return entries;
}

std::optional<std::int32_t> LineSpacingFromAnswer(std::u16string_view answer) {
    std::int32_t value = 0;
    std::size_t digits = 0;
    for (; digits < 2 && digits < answer.size(); ++digits) {
        const char16_t ch = answer[digits];
        if (ch < u'0' || ch > u'9') {
            break;
        }
        value = value * 10 + (ch - u'0');
    }
    if (digits == 0 || value < kMinLineSpacing || value > kMaxLineSpacing) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::size_t> LineSpacingIndexFromAnswer(std::u16string_view answer) {
    const auto value = LineSpacingFromAnswer(answer);
    if (!value) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(*value - kMinLineSpacing);
}

std::optional<std::int32_t> DiscountPrintModeFromAnswer(std::u16string_view answer) {
    if (answer.empty() || (answer[0] != u'0' && answer[0] != u'1')) {
        return std::nullopt;
    }
    return answer[0] - u'0';
}

LogoFooterControls EnabledLogoFooterControls(const device::RegisterCapabilities& caps,
                                             bool connected, bool haveLogo,
                                             const FooterList& footer, bool spacingChosen) {
    const bool logo = caps.logo && connected;
    const bool spacing = caps.lineSpacing && connected;
    const bool discounts = caps.discountPrintMode && connected;
    return LogoFooterControls{
        .loadLogo = true,
        .printLogoBox = logo,
        .setLogo = logo && haveLogo,
        .addLine = footer.CanAdd(),
        .changeLine = footer.CanChange(),
        .deleteLine = footer.CanChange(),
        .moveUp = footer.CanMoveUp(),
        .moveDown = footer.CanMoveDown(),
        .setFooter = true,
        .spacingList = spacing,
        .setSpacing = spacing && spacingChosen,
        .discountModes = discounts,
        .setDiscounts = discounts,
    };
}

device::HRESULT CCoreLogoFooterRegister::LoadLogoLine(std::int32_t lineIndex,
                                                      std::u16string_view hexText) {
    return m_core.LoadLogoLine(lineIndex, hexText);
}

device::HRESULT CCoreLogoFooterRegister::SetLogoHeight(std::int32_t lines) {
    return m_core.SetLogoHeight(lines);
}

device::HRESULT CCoreLogoFooterRegister::RunCommand(std::u16string_view command) {
    m_core.SendCommand(command);
    return m_core.WaitForReady(m_core.Timings().replyTimeout);
}

std::u16string CCoreLogoFooterRegister::QueryLineSpacing() {
    return m_core.QueryLineSpacing();
}

std::u16string CCoreLogoFooterRegister::QueryDiscountPrintMode() {
    return m_core.QueryDiscountPrintMode();
}

device::HRESULT CCoreLogoFooterRegister::SetLineSpacing(std::int32_t value) {
    return m_core.SetLineSpacing(value);
}

device::HRESULT CCoreLogoFooterRegister::SetDiscountPrintMode(std::int32_t mode) {
    return m_core.SetDiscountPrintMode(mode);
}

bool CCoreLogoFooterRegister::ServiceSession() const {
    return m_core.ServiceSession();
}

LogoSendResult SendLogo(ILogoFooterRegister& device, const MonoBitmap* logo, bool print) {
    std::int32_t rows = 0;
    if (print) {
        if (!logo || logo->width <= 0 || logo->height <= 0 || logo->bits.empty()) {
            return LogoSendResult::NoBits;
        }
        // Never a row past the register's last: it would overwrite that one.
        rows = std::min(logo->height, kMaxLogoHeight);
        for (std::int32_t row = 0; row < rows; ++row) {
            if (!device::Succeeded(device.LoadLogoLine(row, LogoRowText(*logo, row)))) {
                return LogoSendResult::Failed;
            }
        }
    }
    return device::Succeeded(device.SetLogoHeight(rows)) ? LogoSendResult::Sent
                                                         : LogoSendResult::Failed;
}

bool SendFooter(ILogoFooterRegister& device, std::span<const FooterLine> rows) {
    for (const std::u16string& command : FooterCommands(rows)) {
        if (!device::Succeeded(device.RunCommand(command))) {
            return false;
        }
    }
    return true;
}

void LogoFooterPage::Refresh(const device::RegisterCapabilities& caps, ILogoFooterRegister* reg) {
    m_caps = caps;
    if (!reg) {
        return;
    }
    if (m_caps.lineSpacing) {
        m_spacing = LineSpacingIndexFromAnswer(reg->QueryLineSpacing());
    }
    if (m_caps.discountPrintMode) {
        // An answer that is no mode leaves the choice as it was.
        if (const auto mode = DiscountPrintModeFromAnswer(reg->QueryDiscountPrintMode())) {
            m_discountMode = *mode;
        }
    }
}

LogoFooterControls LogoFooterPage::Controls(bool connected) const {
    return EnabledLogoFooterControls(m_caps, connected, m_logo.width > 0 && m_logo.height > 0,
                                     m_footer, m_spacing.has_value());
}

void LogoFooterPage::TakeLogo(MonoBitmap logo) {
    m_logo = std::move(logo);
    m_printLogo = true;
}

void LogoFooterPage::DropLogo(MonoBitmap builtIn) {
    m_logo = std::move(builtIn);
    m_printLogo = false;
}

void LogoFooterPage::ChooseSpacing(std::optional<std::size_t> index) {
    m_spacing = index && *index < LineSpacingEntries().size() ? index : std::nullopt;
}

LogoSendResult LogoFooterPage::SendLogo(ILogoFooterRegister& reg) const {
    if (!m_caps.logo) {
        return LogoSendResult::Failed;
    }
    return console::SendLogo(reg, &m_logo, m_printLogo);
}

FooterSendResult LogoFooterPage::SendFooter(ILogoFooterRegister* reg) const {
    if (!reg || !reg->ServiceSession()) {
        return FooterSendResult::NeedsServiceLogin;
    }
    return console::SendFooter(*reg, m_footer.Rows()) ? FooterSendResult::Sent
                                                      : FooterSendResult::Failed;
}

bool LogoFooterPage::SendLineSpacing(ILogoFooterRegister& reg) const {
    if (!m_spacing) {
        return false;
    }
    return device::Succeeded(reg.SetLineSpacing(LineSpacingEntries()[*m_spacing].value));
}

bool LogoFooterPage::SendDiscountMode(ILogoFooterRegister& reg) const {
    return device::Succeeded(reg.SetDiscountPrintMode(m_discountMode));
}

}  // namespace orvik::console
