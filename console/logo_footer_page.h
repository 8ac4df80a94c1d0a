#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "console/footer_lines.h"
#include "console/logo_bitmap.h"
#include "device/protocol/register_capabilities.h"
#include "device/result_codes.h"

namespace orvik::device {
class COrvikCore;
}

// The logo and footer page without a toolkit: the line-spacing choices, how the register's
// answers are shown, which controls may be used, and what the page's "Установить" buttons send.
// The command line sends the logo and the footer through the same code.
namespace orvik::console {

// --- Line spacing and discount printing ----------------------------------------------------

// The line spacings the register has, in eighths of a millimetre.
inline constexpr std::int32_t kMinLineSpacing = 3;
inline constexpr std::int32_t kMaxLineSpacing = 20;

struct LineSpacingEntry {
    std::int32_t value = 0;
    std::u16string text;  // the value in millimetres, "0.375 мм"
};

// The 18 choices, 3 to 20 in ascending order.
std::vector<LineSpacingEntry> LineSpacingEntries();
// "%.3f мм" of value / 8.
std::u16string LineSpacingText(std::int32_t value);

// The register's "BLFI" answer (after its tag): the number in its first two characters. Nothing
// for an empty answer or one that is no line spacing the register has, so that no choice shows
// a value the register did not report.
std::optional<std::int32_t> LineSpacingFromAnswer(std::u16string_view answer);
// The index of the choice for the register's answer, if there is one.
std::optional<std::size_t> LineSpacingIndexFromAnswer(std::u16string_view answer);

// The discount print modes: 0 on each receipt line, 1 at the end of the receipt.
inline constexpr std::int32_t kDiscountsOnEachLine = 0;
inline constexpr std::int32_t kDiscountsAtEnd = 1;
// The register's "NPDI" answer: its first character when that is a mode; nothing otherwise.
std::optional<std::int32_t> DiscountPrintModeFromAnswer(std::u16string_view answer);

// --- Which controls may be used ------------------------------------------------------------

struct LogoFooterControls {
    bool loadLogo = true;        // "Загрузить"
    bool printLogoBox = false;   // "Печатать образ"
    bool setLogo = false;        // the logo's "Установить"
    bool addLine = true;         // "Добавить"
    bool changeLine = false;     // "Изменить"
    bool deleteLine = false;     // "Удалить"
    bool moveUp = false;         // "Вверх"
    bool moveDown = false;       // "Вниз"
    bool setFooter = true;       // the footer's "Установить"
    bool spacingList = false;    // the line-spacing list
    bool setSpacing = false;     // its "Установить"
    bool discountModes = false;  // the two radio buttons
    bool setDiscounts = false;   // their "Установить"

    bool operator==(const LogoFooterControls&) const = default;
};

// caps: what the connected register has (the logo, line spacing and discount printing of
// family 1 model 8; a default value without a register). The line-spacing button also needs a
// chosen entry.
LogoFooterControls EnabledLogoFooterControls(const device::RegisterCapabilities& caps,
                                             bool connected, bool haveLogo,
                                             const FooterList& footer, bool spacingChosen);

// --- Sending -------------------------------------------------------------------------------

// The operations of the device core the page's buttons use. The console and the command line
// run them on the connected COrvikCore; tests record them.
class ILogoFooterRegister {
  public:
    virtual ~ILogoFooterRegister() = default;
    virtual device::HRESULT LoadLogoLine(std::int32_t lineIndex, std::u16string_view hexText) = 0;
    virtual device::HRESULT SetLogoHeight(std::int32_t lines) = 0;
    // Sends the command and waits for "READY" with the reply time-out.
    virtual device::HRESULT RunCommand(std::u16string_view command) = 0;
    // The register's "BLFI" and "NPDI" answers (empty without one), and setting them.
    virtual std::u16string QueryLineSpacing() = 0;
    virtual std::u16string QueryDiscountPrintMode() = 0;
    virtual device::HRESULT SetLineSpacing(std::int32_t value) = 0;
    virtual device::HRESULT SetDiscountPrintMode(std::int32_t mode) = 0;
    // The session was opened with the service log-in, which the footer needs.
    virtual bool ServiceSession() const = 0;
};

class CCoreLogoFooterRegister final : public ILogoFooterRegister {
  public:
    explicit CCoreLogoFooterRegister(device::COrvikCore& core) : m_core(core) {}
    device::HRESULT LoadLogoLine(std::int32_t lineIndex, std::u16string_view hexText) override;
    device::HRESULT SetLogoHeight(std::int32_t lines) override;
    device::HRESULT RunCommand(std::u16string_view command) override;
    std::u16string QueryLineSpacing() override;
    std::u16string QueryDiscountPrintMode() override;
    device::HRESULT SetLineSpacing(std::int32_t value) override;
    device::HRESULT SetDiscountPrintMode(std::int32_t mode) override;
    bool ServiceSession() const override;

  private:
    device::COrvikCore& m_core;
};

enum class LogoSendResult {
    Sent,
    NoBits,  // the logo is to be printed but holds no row: nothing was sent
    Failed,  // the register refused or did not answer; the rows sent so far stay loaded
};

// The logo's "Установить". With print: every row of the logo, top first (192 at most), then
// the row count as the logo's height. Without: only the height 0, which switches the logo off.
LogoSendResult SendLogo(ILogoFooterRegister& device, const MonoBitmap* logo, bool print);

// The footer's "Установить" once it may go: every command of FooterCommands, stopping at the
// first that fails. True when all were taken.
bool SendFooter(ILogoFooterRegister& device, std::span<const FooterLine> rows);

// --- The page's state ------------------------------------------------------------------------

enum class FooterSendResult {
    NeedsServiceLogin,  // not connected, or not with the service log-in: nothing sent
    Sent,
    Failed,  // the register refused a line; the lines before it are set
};

// What the page holds for the whole run, across connections: the logo and whether it is
// printed, the footer list, and the line spacing and discount print mode as the register last
// told them or the user chose them. The widgets only show it.
class LogoFooterPage {
  public:
    // logo: the built-in picture the page starts with.
    explicit LogoFooterPage(MonoBitmap logo) : m_logo(std::move(logo)) {}

    // The register's capabilities (default ones without a register). With reg, a register that
    // has line spacing or discount printing is asked for them: an answer that is no line
    // spacing shows none, one that is no mode leaves the mode as it was.
    void Refresh(const device::RegisterCapabilities& caps, ILogoFooterRegister* reg);
    const device::RegisterCapabilities& Capabilities() const { return m_caps; }
    LogoFooterControls Controls(bool connected) const;

    const MonoBitmap& Logo() const { return m_logo; }
    bool PrintLogo() const { return m_printLogo; }
    void SetPrintLogo(bool print) { m_printLogo = print; }
    // A picture file read as a logo: shown and printed from now on.
    void TakeLogo(MonoBitmap logo);
    // A picture file refused: back to the built-in logo, not printed.
    void DropLogo(MonoBitmap builtIn);

    FooterList& Footer() { return m_footer; }
    const FooterList& Footer() const { return m_footer; }
    // "Установить" with an empty list erases the register's footer: the page asks first.
    bool FooterErases() const { return m_footer.Rows().empty(); }

    // The index into LineSpacingEntries() shown, if any.
    std::optional<std::size_t> SpacingIndex() const { return m_spacing; }
    void ChooseSpacing(std::optional<std::size_t> index);
    std::int32_t DiscountMode() const { return m_discountMode; }
    void ChooseDiscountMode(std::int32_t mode) { m_discountMode = mode; }

    // The buttons. SendLogo needs the logo capability (Failed without it).
    LogoSendResult SendLogo(ILogoFooterRegister& reg) const;
    FooterSendResult SendFooter(ILogoFooterRegister* reg) const;
    // The chosen spacing; false when none is chosen or the register refused.
    bool SendLineSpacing(ILogoFooterRegister& reg) const;
    bool SendDiscountMode(ILogoFooterRegister& reg) const;

  private:
    device::RegisterCapabilities m_caps;
    MonoBitmap m_logo;
    bool m_printLogo = false;
    FooterList m_footer;
    std::optional<std::size_t> m_spacing;
    std::int32_t m_discountMode = kDiscountsOnEachLine;
};

}  // namespace orvik::console
