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
};

class CCoreLogoFooterRegister final : public ILogoFooterRegister {
  public:
    explicit CCoreLogoFooterRegister(device::COrvikCore& core) : m_core(core) {}
    device::HRESULT LoadLogoLine(std::int32_t lineIndex, std::u16string_view hexText) override;
    device::HRESULT SetLogoHeight(std::int32_t lines) override;
    device::HRESULT RunCommand(std::u16string_view command) override;

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

}  // namespace orvik::console
