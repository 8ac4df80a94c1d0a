// print-receipt: loads a receipt file as "Загрузить чек" does, but strictly; puts every row and
// the payments through the checks the receipt page runs; works out the cash as the page does
// and prints the copies as "&Печатать чек" does. Whatever is refused is refused before a
// receipt command is sent.
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>
#include <optional>

#include "cli/cli_verbs.h"
#include "cli/core_verb.h"
#include "cli/interrupt.h"
#include "cli/receipt_outcome_verbs.h"
#include "cli/verb_arguments.h"
#include "console/field_checks.h"
#include "console/journal_table.h"
#include "console/receipt_checks.h"
#include "console/receipt_file.h"
#include "console/receipt_numbers.h"
#include "console/receipt_printing.h"
#include "console/receipt_total.h"
#include "console/sales_page.h"
#include "console/stderr_prompt.h"
#include "device/orvik_core.h"
#include "support/text_codec.h"

namespace orvik::cli {

namespace {

// The limits of the receipt page's fields.
using console::field_checks::kBarcodeLength;
using console::field_checks::kMaxPrintCount;
using console::field_checks::kMaxReceiptNumber;
using console::field_checks::kMoneyLength;

std::string Utf8(std::u16string_view text) {
    return orvik::support::ToUtf8(text);
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
    bool again = false;  // print even a receipt the journal holds from an unknown outcome
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
        if (name == "--compound-tax" || name == "--again") {
            (name == "--again" ? options.again : options.compoundTax) = true;
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
            const auto copies = ParseNumberInRange(value, 1, kMaxPrintCount);
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
            if (cash.size() > kMoneyLength) {
                return verb + ": --cash" + quoted + " is longer than 10 characters";
            }
            // The register would be told the amount, and give change the drawer never took.
            if (console::ReadDecimal(cash).millionths < 0) {
                return verb + ": --cash" + quoted + " is below 0";
            }
            if (console::SignificantDecimals(cash) > kMaxCurrencyDecimals) {
                return verb + ": --cash" + quoted + " has more than 2 decimals";
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
    // The type decides how the register encodes the text: never chosen for the user.
    if (!options.barcode.empty() && !options.barcodeType) {
        return verb + ": --barcode needs --barcode-type A, B or C";
    }
    return {};
}

// The file read strictly; the reason it cannot be printed, or empty.
std::string LoadForPrinting(const std::string& path, console::ReceiptFileLoad& load) {
    load = console::LoadReceiptFile(path, console::ReadMode::Strict);
    const std::string where = "print-receipt: " + path;
    const std::string line = load.errorLine > 0 ? ":" + std::to_string(load.errorLine) : "";
    switch (load.status) {
        case console::LoadStatus::Loaded:
            break;
        case console::LoadStatus::CannotOpen:
            return where + ": cannot open it: " + Utf8(load.error);
        case console::LoadStatus::ReadError:
            // Only part of the receipt was read: printing it would register another receipt.
            return where + ": cannot read it whole: " + Utf8(load.error);
        case console::LoadStatus::NotAReceipt:
            return where + line + ": not a receipt file: " + Utf8(load.error);
        case console::LoadStatus::Malformed:
            return where + line + ": " + Utf8(load.error) + " Nothing sent.";
    }
    if (load.rows.empty()) {
        return where + ": the receipt has no lines to print";
    }
    return {};
}

// As the page's refresh: a register with tape modes (family 1 model 8) tells its tape mode;
// others print on ordinary tape.
std::int32_t RegisterTapeMode(device::COrvikCore& core) {
    if (!core.Capabilities().tapeMode) {
        return 0;
    }
    return console::TapeModeFromAnswer(core.QueryTapeMode()).value_or(0);
}

// Where a refused payment came from: the --cash option, the cash worked out from the file, or
// the file's header.
std::string PaymentSource(console::ReceiptField field, const PrintOptions& options,
                          const console::ReceiptFileLoad& load) {
    if (field != console::ReceiptField::Cash) {
        return options.path + ":" + std::to_string(load.headerLine);
    }
    return options.cash ? "--cash" : "the cash (the total less the file's payments)";
}

// "line K of N, copy C of M" on standard error while the receipt prints, when that is a
// terminal; each line is cleared once its row is registered.
console::PrintProgress TerminalProgress(std::size_t rows, int copies) {
    console::PrintProgress progress;
    // A signal lets the command in flight finish and starts nothing new; the receipt left open
    // is cancelled by the disconnect.
    progress.stopRequested = [] { return Interrupted(); };
    if (::isatty(STDERR_FILENO) != 1) {
        return progress;
    }
    auto copy = std::make_shared<int>(0);
    progress.copiesRemaining = [copy, copies](int remaining) { *copy = copies - remaining + 1; };
    progress.rowSelected = [copy, copies, rows](std::size_t row) {
        std::fprintf(stderr, "\rline %zu of %zu, copy %d of %d", row + 1, rows, *copy, copies);
        std::fflush(stderr);
        console::StderrPrompt::SetLineOpen(true);
    };
    progress.rowUnselected = [](std::size_t) { console::StderrPrompt::EndOpenLine(); };
    return progress;
}

std::string Money(std::int64_t units, int decimals) {
    return Utf8(console::MinorUnitsToMoney(units, decimals));
}

// Why the receipt was not printed: the journal holds it from a close whose answer never came.
std::string HeldReason(const console::JournalCopy& held) {
    const std::string sent = Utf8(console::JournalTime(held.time));
    if (held.outcome == console::JournalOutcome::Registered) {
        return "print-receipt: this receipt was sent to the register at " + sent +
               ", its close went unanswered, and the register registered it as receipt " +
               (held.number ? std::to_string(*held.number) : std::string("(no number)")) +
               ". It is not printed again; --again prints it anyway.";
    }
    return "print-receipt: this receipt was sent to the register at " + sent +
           " and whether the register registered it is still unknown: check the register's "
           "tape. It is not printed again; --again prints it anyway.";
}

int PrintFile(const PrintOptions& options, const console::ReceiptFileLoad& load,
              device::COrvikCore& core, const JournalSession& session) {
    const console::ItemLimits limits =
        console::RegisterItemLimits(core.PrinterInfo(), core.Capabilities());
    const int decimals = limits.moneyDecimals;
    console::PrintRequest request;
    request.copies = options.copies;
    request.receiptNumber = options.number;
    request.tapeMode = options.tapeMode ? *options.tapeMode : RegisterTapeMode(core);
    request.cash = options.cash.value_or(u"");
    request.cashIsRest = !options.cash;
    request.payment1 = load.payments[0];
    request.payment2 = load.payments[1];
    request.payment3 = load.payments[2];
    request.compoundTaxBox = options.compoundTax;
    request.barcodeType = options.barcodeType.value_or(0);
    request.barcode = options.barcode;
    request.moneyDecimals = decimals;
    request.rowLimits = limits;
    request.journal = {&session.journal, session.operatorName, options.again};

    console::PrintProgress progress = TerminalProgress(load.rows.size(), options.copies);
    // What the register is told, before it is told: the cash of a refund as its amount.
    progress.checked = [&options, decimals](std::int64_t total, const console::Payments& sent) {
        std::printf("total: %s\n", Money(total, decimals).c_str());
        if (!options.compoundTax) {
            std::printf("cash: %s\n", Money(sent.cash, decimals).c_str());
            if (sent.payment1 != 0 || sent.payment2 != 0 || sent.payment3 != 0) {
                std::printf("payments: %s %s %s\n", Money(sent.payment1, decimals).c_str(),
                            Money(sent.payment2, decimals).c_str(),
                            Money(sent.payment3, decimals).c_str());
            }
        }
        std::fflush(stdout);
    };
    console::CoreReceiptRegister reg(core);
    const console::PrintOutcome outcome = console::PrintReceipt(reg, load.rows, request, progress);
    if (outcome.refusedRow) {
        PrintProblem("print-receipt: " + options.path + ":" +
                     std::to_string(load.rowLines[outcome.refusedRow->row]) + ": " +
                     Utf8(outcome.refusedRow->failure.message) + " Nothing sent.");
        return kExitUsage;
    }
    if (outcome.refusedPayments) {
        PrintProblem(
            "print-receipt: " + PaymentSource(outcome.refusedPayments->field, options, load) +
            ": " + Utf8(outcome.refusedPayments->message) + " Nothing sent.");
        return kExitUsage;
    }
    if (outcome.heldBy) {
        const console::JournalCopy& held = *outcome.heldBy;
        std::string line = "held: unknown";
        if (held.outcome == console::JournalOutcome::Registered) {
            line = held.number ? "held: registered " + std::to_string(*held.number)
                               : "held: registered";
        }
        std::printf("%s\n", line.c_str());
        PrintProblem(HeldReason(*outcome.heldBy));
        return kExitHeld;
    }
    if (!outcome.journalError.empty()) {
        PrintProblem(
            Utf8(console::JournalUnusableText(session.journal.Path(), outcome.journalError)));
    }
    if (options.compoundTax) {
        // Paid in cash with the amount due the core kept while the lines were registered.
        const std::int32_t cash = outcome.lastPayments.cash;
        std::printf("cash: %s\n", Money(cash < 0 ? -std::int64_t{cash} : cash, decimals).c_str());
    }
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
    VerbPlan plan;
    plan.journalAction = [options, load](device::COrvikCore& core, const JournalSession& session) {
        return PrintFile(options, load, core, session);
    };
    return plan;
}

}  // namespace

void AddPrintReceiptVerb(CoreVerbTable& table) {
    table["print-receipt"] = PrintReceiptVerb;
}

}  // namespace orvik::cli
