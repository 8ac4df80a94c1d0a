#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "device/orvik_core.h"
#include "support/local_time.h"

// The device settings page without its widgets: its values and their defaults, the length
// limits of its text fields, how it reads the register's clock and options, what each button
// sends and which success text follows.
namespace orvik::console {

// The receipt header and footer fields take this many characters; the register prints as many
// of them as its model has room for.
inline constexpr std::size_t kMaxHeaderFooterLength = 43;
// The department mnemonic field.
inline constexpr std::size_t kMaxDepartmentLength = 5;
inline constexpr char16_t kDefaultDepartment[] = u"Відд.";

struct DeviceSettingsValues {
    support::LocalDateTime clock;  // the register's clock; only the time of day is ever sent
    bool cutter = false;
    bool beeper = false;
    bool partialCut = false;  // where the register has it (family 1 model 8)
    std::u16string header;
    std::u16string footer;
    int articleMode = 0;         // 0 new articles registered, 1 programmed, 2 accounting codes
    int taxCalculationMode = 0;  // 0 on the receipt total, 1 on each item
    int taxPrintMode = 0;        // 0 after each line, 1 on the receipt's total turnover
    int messageSet = 0;          // 0 to 3
    std::u16string department = kDefaultDepartment;
};

// The page's buttons.
enum class SettingsButton {
    ReadClock,        // "Обновить"
    CurrentTime,      // "Текущее время"
    SetClock,         // "Установить" of the clock
    SetCutter,        // of the cutter and beeper
    SetHeaderFooter,  // of the header and footer
    SetArticleMode,
    SetTaxCalculation,
    SetTaxPrint,
    SetMessageSet,
    SetDepartment,
};

class DeviceSettingsState {
  public:
    // now: this computer's local time, asked afresh whenever it is needed; while a register is
    // connected its core's local clock is asked instead.
    explicit DeviceSettingsState(
        std::function<support::LocalDateTime()> now = support::CurrentLocalDateTime);

    // After a connect and after each Z report: the register's capabilities, its clock, its
    // cutter options (where it tells them: family 1 model 8), its article mode and its header
    // line. The tax modes, the message set, the footer and the department keep the page's
    // values: the register is not asked for them. Without a register only the capabilities are
    // reset, to those of no register.
    void Refresh(device::COrvikCore* core);

    // What the register refreshed from has: the partial-cut box shows only where
    // Capabilities().partialCut (family 1 model 8).
    const device::RegisterCapabilities& Capabilities() const { return m_capabilities; }

    // Carries out a button. Answers the success text to show, as information, once the
    // register has accepted the setting; nothing when there is none or the setting failed
    // (the core has shown why). The values show what the register now holds: the clock read
    // back after it is set, the header and footer as the register took them.
    std::optional<std::u16string> Press(device::COrvikCore& core, SettingsButton button);
    // "Текущее время" needs no register.
    void TakeCurrentTime(const device::COrvikCore* core = nullptr);

    // The text fields keep at most their limits, as they do while typing.
    void SetHeader(std::u16string_view text);
    void SetFooter(std::u16string_view text);
    void SetDepartment(std::u16string_view text);

    DeviceSettingsValues values;

  private:
    support::LocalDateTime Now(const device::COrvikCore* core) const;
    void ReadClock(device::COrvikCore& core);
    bool SetHeaderAndFooter(device::COrvikCore& core);

    std::function<support::LocalDateTime()> m_now;
    device::RegisterCapabilities m_capabilities;
};

}  // namespace orvik::console
