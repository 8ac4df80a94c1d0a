#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orvik::device {
class COrvikCore;
}

// The cash dialog ("Внесение наличности/инкассация", opened by "Наличность" on the receipt
// page) without its window: the drawer it shows, the amount and direction typed, whether
// "&Печатать чек" may be pressed, and the move itself. The dialog and orvik-cli's cash verbs
// both use it.
namespace orvik::console {

// The register the dialog works on.
class ICashRegister {
  public:
    virtual ~ICashRegister() = default;
    // The register's cash report after its key; empty when it reported none (its message has
    // been shown).
    virtual std::u16string QueryCash() = 0;
    // Puts cash into the drawer or takes it out; false when the register refused (its message
    // has been shown).
    virtual bool MoveCash(bool cashIn, std::int32_t units) = 0;
    // Decimals of the register's currency, and its name as the register reports it.
    virtual int MoneyDecimals() const = 0;
    virtual std::u16string CurrencyName() const = 0;
};

// The connected register behind the device core.
class CoreCashRegister final : public ICashRegister {
  public:
    explicit CoreCashRegister(device::COrvikCore& core) : m_core(core) {}
    std::u16string QueryCash() override;
    bool MoveCash(bool cashIn, std::int32_t units) override;
    int MoneyDecimals() const override;
    std::u16string CurrencyName() const override;

  private:
    device::COrvikCore& m_core;
};

// The drawer as the dialog shows it, "123.45 ГРН"; nothing when the register did not report it.
std::optional<std::u16string> ReadDrawer(ICashRegister& reg);

class CashDialogState {
  public:
    // Reads the drawer of the connected register at once; without one (nullptr) the drawer
    // shows "0.00" and nothing can be moved.
    explicit CashDialogState(ICashRegister* reg);

    const std::u16string& Drawer() const { return m_drawer; }
    void SetAmount(std::u16string text) { m_amount = std::move(text); }
    void SetCashOut(bool cashOut) { m_cashOut = cashOut; }

    // The amount in minor units as it will be sent.
    std::int64_t AmountUnits() const;
    // An amount above 0 that the register's 32-bit field holds and, for a cash out, the drawer
    // holds.
    bool PrintEnabled() const;
    // Has the register move the cash, when the button may be pressed: true when the dialog is
    // to close, whatever the register answered (it shows its refusal itself).
    bool Perform();

  private:
    int Decimals() const;

    ICashRegister* m_register;  // not owned; nullptr without a register
    std::u16string m_drawer = u"0.00";
    std::u16string m_amount;
    bool m_cashOut = false;
};

}  // namespace orvik::console
