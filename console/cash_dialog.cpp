#include "console/cash_dialog.h"

#include <limits>

#include "console/receipt_numbers.h"
#include "device/orvik_core.h"
#include "support/text_trim.h"

namespace orvik::console {

namespace {

// Decimals the dialog reckons with before any register is known.
constexpr int kDefaultDecimals = 2;

}  // namespace

std::u16string CoreCashRegister::QueryCash() {
    return m_core.QueryCash();
}

bool CoreCashRegister::MoveCash(bool cashIn, std::int32_t units) {
    return device::Succeeded(m_core.MoveCash(cashIn, units));
}

int CoreCashRegister::MoneyDecimals() const {
    return m_core.PrinterInfo().decimalPointPosition;
}

std::u16string CoreCashRegister::CurrencyName() const {
    return m_core.PrinterInfo().currencyName;
}

std::optional<std::u16string> ReadDrawer(ICashRegister& reg) {
    const std::u16string report = reg.QueryCash();
    if (report.empty()) {
        return std::nullopt;
    }
    return FormatDrawerCash(report, reg.MoneyDecimals(), support::TrimBlanks(reg.CurrencyName()));
}

CashDialogState::CashDialogState(ICashRegister* reg) : m_register(reg) {
    if (m_register) {
        if (auto drawer = ReadDrawer(*m_register)) {
            m_drawer = std::move(*drawer);
        }
    }
}

int CashDialogState::Decimals() const {
    return m_register ? m_register->MoneyDecimals() : kDefaultDecimals;
}

std::int64_t CashDialogState::AmountUnits() const {
    return CashDialogUnits(m_amount, Decimals());
}

bool CashDialogState::PrintEnabled() const {
    // An amount the register's 32-bit field cannot hold would be sent as another amount.
    return AmountUnits() <= std::numeric_limits<std::int32_t>::max() &&
           CashMoveAllowed(m_amount, m_cashOut, m_drawer, Decimals());
}

bool CashDialogState::Perform() {
    if (!PrintEnabled()) {
        return false;
    }
    if (m_register) {
        m_register->MoveCash(!m_cashOut, static_cast<std::int32_t>(AmountUnits()));
    }
    return true;
}

}  // namespace orvik::console
