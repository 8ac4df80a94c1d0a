// The verbs that show and move cash as the receipt page's cash dialog does: cash, cash-in and
// cash-out show the drawer and move cash as "Внесение наличности/инкассация" does.
#include <cstdio>
#include <limits>
#include <optional>

#include "cli/cli_verbs.h"
#include "cli/core_verb.h"
#include "cli/verb_arguments.h"
#include "console/cash_dialog.h"
#include "console/receipt_checks.h"
#include "console/receipt_numbers.h"
#include "device/orvik_core.h"
#include "support/text_codec.h"

namespace orvik::cli {

namespace {

std::string Utf8(std::u16string_view text) {
    return orvik::support::ToUtf8(text);
}

int DecimalsOf(const device::COrvikCore& core) {
    return core.PrinterInfo().decimalPointPosition;
}

// The drawer as the cash dialog shows it, "123.45 ГРН"; nothing when the register did not
// report it (its message has been shown).
std::optional<std::u16string> DrawerText(device::COrvikCore& core) {
    console::CoreCashRegister reg(core);
    return console::ReadDrawer(reg);
}

VerbPlan CashVerb(const std::vector<std::string>& arguments) {
    if (!arguments.empty()) {
        return Refuse("cash takes no arguments");
    }
    return {[](device::COrvikCore& core) {
                const auto drawer = DrawerText(core);
                if (!drawer) {
                    PrintProblem("cash: the register did not report its cash");
                    return 1;
                }
                std::printf("%s\n", Utf8(*drawer).c_str());
                return 0;
            },
            {}};
}

// cash-in AMOUNT, cash-out AMOUNT: the amount as the dialog's "Сумма:" field takes it. What
// cannot be meant (not a number, 0 or less, more decimals than a currency has, more than the
// command carries) is a usage error before connecting; once the register is known, an amount
// with more decimals than its currency has is one too (exit 2), and a cash out above the
// drawer is refused (exit 1). Nothing is sent in either case.
VerbPlan CashMoveVerb(const std::vector<std::string>& arguments, bool cashIn) {
    const std::string verb = cashIn ? "cash-in" : "cash-out";
    if (arguments.size() != 1) {
        return Refuse(verb + " needs one AMOUNT");
    }
    const std::u16string amount = orvik::support::FromUtf8(arguments[0]);
    const std::string quoted = "\"" + arguments[0] + "\"";
    const console::DecimalNumber number = console::ReadDecimal(amount);
    if (!number.complete) {
        return Refuse(verb + ": " + quoted + " is not an amount");
    }
    if (number.millionths <= 0) {
        return Refuse(verb + ": " + quoted + " is not above 0");
    }
    if (console::SignificantDecimals(amount) > kMaxCurrencyDecimals) {
        return Refuse(verb + ": " + quoted + " has more than 2 decimals");
    }
    if (console::MoneyTextToUnits(amount, kMaxCurrencyDecimals) >
        std::numeric_limits<std::int32_t>::max()) {
        return Refuse(verb + ": " + quoted + " is more than the register takes");
    }
    return {[verb, amount, quoted, cashIn](device::COrvikCore& core) {
                const int decimals = DecimalsOf(core);
                if (console::SignificantDecimals(amount) > decimals) {
                    PrintProblem(verb + ": " + quoted + " has more decimals than the register's " +
                                 "currency (" + std::to_string(decimals) + "); nothing sent");
                    return kExitUsage;
                }
                const std::int64_t units = console::MoneyTextToUnits(amount, decimals);
                const std::string shown = Utf8(console::MinorUnitsToMoney(units, decimals));
                if (units > std::numeric_limits<std::int32_t>::max()) {
                    PrintProblem(verb + ": the amount " + shown +
                                 " is more than the register takes; nothing sent");
                    return kExitUsage;
                }
                if (!cashIn) {
                    const auto drawer = DrawerText(core);
                    if (!drawer) {
                        PrintProblem(verb + ": the register did not report its cash; nothing sent");
                        return kExitFailed;
                    }
                    if (!console::CashMoveAllowed(amount, true, *drawer, decimals)) {
                        PrintProblem(verb + ": the drawer holds " + Utf8(*drawer) + ", less than " +
                                     shown + "; nothing sent");
                        return kExitFailed;
                    }
                }
                const device::HRESULT moved =
                    core.MoveCash(cashIn, static_cast<std::int32_t>(units));
                if (!device::Succeeded(moved)) {
                    return kExitFailed;
                }
                if (const auto drawer = DrawerText(core)) {
                    std::printf("%s\n", Utf8(*drawer).c_str());
                }
                return kExitOk;
            },
            {}};
}

}  // namespace

void AddReceiptVerbs(CoreVerbTable& table) {
    AddPrintReceiptVerb(table);
    table["cash"] = CashVerb;
    table["cash-in"] = [](const std::vector<std::string>& arguments) {
        return CashMoveVerb(arguments, true);
    };
    table["cash-out"] = [](const std::vector<std::string>& arguments) {
        return CashMoveVerb(arguments, false);
    };
}

}  // namespace orvik::cli
