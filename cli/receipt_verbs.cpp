// The verbs that print receipts and move cash, as the receipt page and its cash dialog do:
// print-receipt loads a receipt file as "Загрузить чек" does, works out the cash as the page
// does and prints the copies as "&Печатать чек" does; cash, cash-in and cash-out show the
// drawer and move cash as the dialog "Внесение наличности/инкассация" does.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <limits>
#include <optional>

#include "cli/core_verb.h"
#include "cli/interrupt.h"
#include "cli/receipt_outcome_verbs.h"
#include "cli/verb_arguments.h"
#include "console/receipt_file.h"
#include "console/receipt_numbers.h"
#include "console/receipt_printing.h"
#include "console/receipt_total.h"
#include "device/orvik_core.h"
#include "support/text_codec.h"

namespace orvik::cli {

namespace {

// The limits of the receipt page's fields.
constexpr std::int32_t kMaxCopies = 100;
constexpr std::int32_t kMaxReceiptNumber = 99999;
constexpr std::size_t kMoneyFieldLength = 10;  // "Наличные: " and "Оплата 1:" to "Оплата 3:"
constexpr std::size_t kBarcodeLength = 17;

std::string Utf8(std::u16string_view text) {
    return orvik::support::ToUtf8(text);
}

std::u16string Trimmed(std::u16string_view text) {
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) {
        return {};
    }
    return std::u16string(text.substr(first, text.find_last_not_of(u' ') - first + 1));
}

struct PrintOptions {
    std::string path;
    std::int32_t copies = 1;
    std::int32_t number = 0;
    std::optional<std::u16string> cash;
    std::optional<std::int32_t> tapeMode;
    std::optional<int> barcodeType;  // 0 CODEA, 1 CODEB, 2 CODEC
    std::u16string barcode;
    bool compoundTax = false;
};

// The barcode as the page keeps it: upper case as typed.
std::u16string UpperCase(std::u16string text) {
    for (char16_t& ch : text) {
        if (ch >= u'a' && ch <= u'z') {
            ch = static_cast<char16_t>(ch - u'a' + u'A');
        }
    }
    return text;
}

// Reads the options of print-receipt; the usage error, or empty.
std::string ReadPrintOptions(const std::vector<std::string>& arguments, PrintOptions& options) {
    const std::string verb = "print-receipt";
    std::vector<std::string> given;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        if (name.rfind("--", 0) != 0) {
            if (!options.path.empty()) {
                return verb + " takes one FILE; \"" + name + "\" is one too many";
            }
            options.path = name;
            continue;
        }
        if (std::find(given.begin(), given.end(), name) != given.end()) {
            return verb + ": " + name + " is given twice";
        }
        given.push_back(name);
        if (name == "--compound-tax") {
            options.compoundTax = true;
            continue;
        }
        const bool known = name == "--copies" || name == "--number" || name == "--cash" ||
                           name == "--tape-mode" || name == "--barcode-type" || name == "--barcode";
        if (!known) {
            return verb + ": unknown argument \"" + name + "\"";
        }
        if (i + 1 >= arguments.size()) {
            return verb + ": " + name + " needs a value";
        }
        const std::string& value = arguments[++i];
        const std::string quoted = " \"" + value + "\"";
        if (name == "--copies") {
            const auto copies = ParseNumberInRange(value, 1, kMaxCopies);
            if (!copies) {
                return verb + ": --copies" + quoted + " is not a number from 1 to 100";
            }
            options.copies = *copies;
        } else if (name == "--number") {
            const auto number = ParseNumberInRange(value, 0, kMaxReceiptNumber);
            if (!number) {
                return verb + ": --number" + quoted + " is not a number from 0 to 99999";
            }
            options.number = *number;
        } else if (name == "--cash") {
            const std::u16string cash = orvik::support::FromUtf8(value);
            if (!console::ReadDecimal(cash).complete) {
                return verb + ": --cash" + quoted + " is not an amount";
            }
            if (cash.size() > kMoneyFieldLength) {
                return verb + ": --cash" + quoted + " is longer than 10 characters";
            }
            options.cash = cash;
        } else if (name == "--tape-mode") {
            const auto mode = ParseNumberInRange(value, 0, 1);
            if (!mode || value.size() != 1) {
                return verb + ": --tape-mode" + quoted + " is neither 0 nor 1";
            }
            options.tapeMode = *mode;
        } else if (name == "--barcode-type") {
            const char letter =
                value.size() == 1
                    ? static_cast<char>(std::toupper(static_cast<unsigned char>(value[0])))
                    : '\0';
            const auto type = std::string_view("ABC").find(letter);
            if (letter == '\0' || type == std::string_view::npos) {
                return verb + ": --barcode-type" + quoted + " is none of A, B, C";
            }
            options.barcodeType = static_cast<int>(type);
        } else {
            const auto text = RegisterText(value);
            if (!text || text->empty()) {
                return verb + ": --barcode" + quoted +
                       " is empty or has characters the register cannot print";
            }
            if (text->size() > kBarcodeLength) {
                return verb + ": --barcode" + quoted + " is longer than 17 characters";
            }
            options.barcode = UpperCase(*text);
        }
    }
    if (options.path.empty()) {
        return verb + " needs a receipt FILE";
    }
    if (options.barcodeType && options.barcode.empty()) {
        return verb + ": --barcode-type needs --barcode TEXT";
    }
    return {};
}

// The file as "Загрузить чек" reads it; the reason it cannot be printed, or empty.
std::string LoadForPrinting(const std::string& path, console::ReceiptFileLoad& load) {
    load = console::LoadReceiptFile(path);
    const std::string where = "print-receipt: " + path;
    switch (load.status) {
        case console::LoadStatus::Loaded:
            break;
        case console::LoadStatus::CannotOpen:
            return where + ": cannot open it: " + Utf8(load.error);
        case console::LoadStatus::ReadError:
            // Only part of the receipt was read: printing it would register another receipt.
            return where + ": cannot read it whole: " + Utf8(load.error);
        case console::LoadStatus::NotAReceipt:
            return where + ": not a receipt file: " + Utf8(load.error);
    }
    if (load.rows.empty()) {
        return where + ": the receipt has no lines to print";
    }
    return {};
}

// As the page's refresh: family 1 model 8 tells its tape mode; others print on ordinary tape.
std::int32_t RegisterTapeMode(device::COrvikCore& core) {
    if (core.deviceFamily != 1 || core.deviceModel != 8) {
        return 0;
    }
    const std::u16string answer = core.QueryValue(u"NCDC", u"NCDC");
    return !answer.empty() && answer[0] == u'1' ? 1 : 0;
}

int PrintFile(const PrintOptions& options, const console::ReceiptFileLoad& load,
              device::COrvikCore& core) {
    for (const std::u16string& warning : load.warnings) {
        PrintProblem(options.path + ": " + Utf8(warning));
    }
    if (load.warningCount > load.warnings.size()) {
        PrintProblem(options.path + ": and " +
                     std::to_string(load.warningCount - load.warnings.size()) + " more such lines");
    }
    const int decimals = core.printerInfo.decimalPointPosition;
    console::CoreReceiptRegister reg(core);
    const std::int64_t total = console::ComputeReceiptTotal(load.rows, decimals, &reg);
    const console::CashFields fields = console::RecalculateCash(total, load.payments, decimals);
    const std::u16string cash =
        options.cash ? console::NormalizeNumberText(*options.cash, decimals, false) : fields.cash;
    // What the page would refuse to print: a field longer than it holds.
    const std::array<std::pair<const char*, const std::u16string*>, 4> checked{
        {{"the cash", &cash},
         {"payment 1", &fields.payments[0]},
         {"payment 2", &fields.payments[1]},
         {"payment 3", &fields.payments[2]}}};
    for (const auto& [what, text] : checked) {
        if (text->size() > kMoneyFieldLength) {
            PrintProblem("print-receipt: " + std::string(what) + " " + Utf8(*text) +
                         " is longer than the receipt page's 10 characters; nothing printed");
            return 1;
        }
    }

    console::PrintRequest request;
    request.copies = options.copies;
    request.receiptNumber = options.number;
    request.tapeMode = options.tapeMode ? *options.tapeMode : RegisterTapeMode(core);
    request.cash = cash;
    request.payment1 = fields.payments[0];
    request.payment2 = fields.payments[1];
    request.payment3 = fields.payments[2];
    request.compoundTaxBox = options.compoundTax;
    request.barcodeType = options.barcodeType.value_or(0);
    request.barcode = options.barcode;
    request.moneyDecimals = decimals;
    std::printf("total: %s\ncash: %s\n", Utf8(console::MinorUnitsToMoney(total, decimals)).c_str(),
                Utf8(cash).c_str());
    std::fflush(stdout);

    console::PrintProgress progress;
    // A signal lets the command in flight finish and starts nothing new; the receipt left open
    // is cancelled by the disconnect.
    progress.stopRequested = [] { return Interrupted(); };
    const console::PrintOutcome outcome = console::PrintReceipt(reg, load.rows, request, progress);
    std::printf("copiesPrinted: %d of %d\n%s\n", outcome.copiesPrinted, options.copies,
                OutcomeLine(outcome).c_str());
    return PrintExitStatus(outcome, options.copies);
}

VerbPlan PrintReceiptVerb(const std::vector<std::string>& arguments) {
    PrintOptions options;
    if (const std::string problem = ReadPrintOptions(arguments, options); !problem.empty()) {
        return Refuse(problem);
    }
    console::ReceiptFileLoad load;
    if (const std::string problem = LoadForPrinting(options.path, load); !problem.empty()) {
        return Refuse(problem);
    }
    return {[options, load](device::COrvikCore& core) { return PrintFile(options, load, core); },
            {}};
}

int DecimalsOf(const device::COrvikCore& core) {
    return core.printerInfo.decimalPointPosition;
}

// The drawer as the cash dialog shows it, "123.45 ГРН"; nothing when the register did not
// report it (its message has been shown).
std::optional<std::u16string> DrawerText(device::COrvikCore& core) {
    const std::u16string report = core.QueryCash();
    if (report.empty()) {
        return std::nullopt;
    }
    return console::FormatDrawerCash(report, DecimalsOf(core),
                                     Trimmed(core.printerInfo.currencyName));
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

// cash-in AMOUNT, cash-out AMOUNT: the amount as the dialog's "Сумма:" field takes it. What the
// dialog would not print (an amount of 0 or less, a cash out above the drawer) is refused and
// nothing is sent.
VerbPlan CashMoveVerb(const std::vector<std::string>& arguments, bool cashIn) {
    const std::string verb = cashIn ? "cash-in" : "cash-out";
    if (arguments.size() != 1) {
        return Refuse(verb + " needs one AMOUNT");
    }
    const std::u16string amount = orvik::support::FromUtf8(arguments[0]);
    if (!console::ReadDecimal(amount).complete) {
        return Refuse(verb + ": \"" + arguments[0] + "\" is not an amount");
    }
    return {[verb, amount, cashIn](device::COrvikCore& core) {
                const int decimals = DecimalsOf(core);
                const std::int64_t units = console::CashDialogUnits(amount, decimals);
                const std::string shown = Utf8(console::MinorUnitsToMoney(units, decimals));
                if (units <= 0) {
                    PrintProblem(verb + ": the amount " + shown + " is not above 0; nothing sent");
                    return 1;
                }
                if (units > std::numeric_limits<std::int32_t>::max()) {
                    PrintProblem(verb + ": the amount " + shown +
                                 " is more than the register takes; nothing sent");
                    return 1;
                }
                if (!cashIn) {
                    const auto drawer = DrawerText(core);
                    if (!drawer) {
                        PrintProblem(verb + ": the register did not report its cash; nothing sent");
                        return 1;
                    }
                    if (!console::CashMoveAllowed(amount, true, *drawer, decimals)) {
                        PrintProblem(verb + ": the drawer holds " + Utf8(*drawer) + ", less than " +
                                     shown + "; nothing sent");
                        return 1;
                    }
                }
                const device::HRESULT moved =
                    core.MoveCash(cashIn, static_cast<std::int32_t>(units));
                if (!device::Succeeded(moved)) {
                    return 1;
                }
                if (const auto drawer = DrawerText(core)) {
                    std::printf("%s\n", Utf8(*drawer).c_str());
                }
                return 0;
            },
            {}};
}

}  // namespace

void AddReceiptVerbs(CoreVerbTable& table) {
    table["print-receipt"] = PrintReceiptVerb;
    table["cash"] = CashVerb;
    table["cash-in"] = [](const std::vector<std::string>& arguments) {
        return CashMoveVerb(arguments, true);
    };
    table["cash-out"] = [](const std::vector<std::string>& arguments) {
        return CashMoveVerb(arguments, false);
    };
}

}  // namespace orvik::cli
