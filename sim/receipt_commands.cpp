// The simulated register's receipts: it opens a receipt ("PREP"), reads each line by its own
// layout and computes the line's sum and taxes itself ("FISC", "BFIS", "FICD", "BFCD"), takes
// tax on tax ("NLPR") and barcodes ("PCOD") on family 1 model 8, numbers the next receipt for
// the shop ("BCHN") and cancels ("CANC"); the close is in receipt_close.cpp, the cash drawer in
// cash_commands.cpp. Everything it prints goes on the tape as it happens (receipt_tape.h).
// Receipts need the key in registration; what prints needs paper.
#include <algorithm>

#include "sim/handler_helpers.h"
#include "sim/printout.h"
#include "sim/receipt_figures.h"
#include "sim/receipt_handlers.h"
#include "sim/receipt_line_reading.h"
#include "sim/receipt_tape.h"
#include "sim/session_replies.h"
#include "support/text_trim.h"

namespace orvik::sim {

namespace {

using handlers::Argument;
using handlers::DigitsAt;
using handlers::IsModel8;
using handlers::Note;
using handlers::Ready;
using handlers::Token;
using receipts::FollowDay;
using receipts::kLargestSum;
using receipts::Printed;
using receipts::PrintingRefusal;

// The register keeps a copy of the first lines of a receipt; beyond them it warns that the
// copy is incomplete.
constexpr std::size_t kCopyBufferLines = 110;
constexpr std::size_t kFamily0DepartmentLength = 2;
constexpr std::size_t kDepartmentLength = 15;
constexpr std::size_t kShopNumberDigits = 9;
constexpr int kLastCompoundSlot = 6;
constexpr std::size_t kBarcodeOptions = 3;
constexpr std::size_t kBarcodeMinLength = 4;
constexpr std::size_t kBarcodeMaxLength = 17;

// Whether the paper runs out at this line command (it then stays out until put back).
bool PaperRunsOutNow(RegisterState& state) {
    std::optional<int>& countdown = state.receipt.paperRunsOutAtLine;
    if (!countdown) {
        return false;
    }
    if (*countdown > 1) {
        --*countdown;
        return false;
    }
    countdown.reset();
    state.paperOut = true;
    Note(state, u"the paper has run out");
    return true;
}

std::array<int, 2> Sorted(std::array<int, 2> slots) {
    std::sort(slots.begin(), slots.end());
    return slots;
}

bool SameGoods(const KnownArticle& a, const KnownArticle& b) {
    return a.name == b.name && Sorted(a.taxSlots) == Sorted(b.taxSlots) &&
           a.divisible == b.divisible;
}

// In article modes 0 and 1 an article stands for one kind of goods: mode 0 comes to know it at
// its first use, mode 1 takes only articles it knows.
std::u16string ArticleRefusal(const RegisterState& state, const LineCommand& line) {
    if (line.article == 0 || state.counters.articleMode == 2) {
        return {};
    }
    const auto known = state.receipt.articles.find(line.article);
    if (known == state.receipt.articles.end()) {
        return state.counters.articleMode == 1 ? u"SOFTBADART" : u"";
    }
    return SameGoods(known->second, {line.name, line.taxSlots, line.divisible}) ? u""
                                                                                : u"SOFTDIFART";
}

const TaxRate& TaxOf(const RegisterState& state, int slot) {
    return state.taxes[static_cast<std::size_t>(slot - 1)];
}

void AddTaxes(TaxFigures& to, const TaxFigures& more) {
    to.included += more.included;
    to.added += more.added;
    to.winnings += more.winnings;
}

// The line's sum after its discount, its taxes and what it adds to the slots' turnovers.
RegisteredLine Compute(const RegisterState& state, const LineCommand& command,
                       const std::optional<std::array<int, 2>>& compound, SlotAmounts& bases) {
    RegisteredLine line;
    line.isReturn = command.isReturn;
    line.name = command.printedName;
    line.quantity = command.quantity;
    line.divisible = command.divisible;
    line.price = command.price;
    line.lineSum = command.lineSum;
    line.discountKind = command.discountKind;
    line.discountName = command.discountName;
    line.discountAmount = command.discountAmount;
    line.taxSlots = command.taxSlots;
    line.article = command.article;
    line.sum = command.lineSum;
    if (command.discountKind == LineDiscountKind::Discount) {
        line.sum -= command.discountAmount;
    } else if (command.discountKind == LineDiscountKind::Surcharge) {
        line.sum += command.discountAmount;
    }

    bases.fill(0);
    const auto has = [&](int slot) {
        return slot != 0 && (command.taxSlots[0] == slot || command.taxSlots[1] == slot);
    };
    if (compound && has((*compound)[0]) && has((*compound)[1])) {
        // Tax on tax: the second slot's base holds the first slot's added tax.
        const int first = (*compound)[0];
        const int second = (*compound)[1];
        const TaxFigures firstTax = LineTaxOf(TaxOf(state, first), line.sum);
        const std::int64_t secondBase = line.sum + firstTax.added;
        AddTaxes(line.taxes, firstTax);
        AddTaxes(line.taxes, LineTaxOf(TaxOf(state, second), secondBase));
        bases[static_cast<std::size_t>(first - 1)] = line.sum;
        bases[static_cast<std::size_t>(second - 1)] = secondBase;
        line.compound = true;
        return line;
    }
    for (const int slot : command.taxSlots) {
        if (slot != 0) {
            AddTaxes(line.taxes, LineTaxOf(TaxOf(state, slot), line.sum));
            bases[static_cast<std::size_t>(slot - 1)] = line.sum;
        }
    }
    return line;
}

// "FISC", "BFIS", "FICD" or "BFCD": one line of the open receipt. Answered with "FISC" and
// the line's added tax (and tax on winnings) as the register computed it.
Replies ReceiptLine(std::u16string_view text, RegisterState& state) {
    const std::u16string_view name = CommandName(text);
    if ((name == u"FICD" || name == u"BFCD") && !KnowsAccountingCodes(state)) {
        return Token(u"SOFTCOMMAN");
    }
    if (const std::u16string refusal = RegistrationRefusal(state); !refusal.empty()) {
        return Token(refusal);
    }
    ReceiptState& kept = state.receipt;
    if (!kept.open) {
        return Token(u"SOFTPROTOC");
    }
    if (state.paperOut || PaperRunsOutNow(state)) {
        return Token(u"HARDPAPER");
    }
    FollowDay(state);
    const LineReading reading = ReadLineCommand(text, state);
    if (!reading.line) {
        Note(state, u"line refused: " + reading.refusal);
        return Token(reading.refusal);
    }
    const LineCommand& command = *reading.line;
    if (command.discountKind == LineDiscountKind::Discount &&
        command.discountAmount > command.lineSum) {
        return Token(u"SOFTBADDISC");
    }
    if (const std::u16string refusal = ArticleRefusal(state, command); !refusal.empty()) {
        return Token(refusal);
    }

    ReceiptInProgress& receipt = *kept.open;
    // The tax on tax is for this line only, whether or not the line has those slots.
    const std::optional<std::array<int, 2>> compound = receipt.compoundForNextLine;
    receipt.compoundForNextLine.reset();
    SlotAmounts bases{};
    const RegisteredLine line = Compute(state, command, compound, bases);
    std::int64_t& sideSum = line.isReturn ? receipt.returnsSum : receipt.salesSum;
    if (sideSum + line.sum > kLargestSum) {
        return Token(u"SOFTOVER");
    }

    sideSum += line.sum;
    SlotAmounts& turnovers = line.isReturn ? receipt.returnsBySlot : receipt.salesBySlot;
    for (std::size_t i = 0; i < kTaxSlotCount; ++i) {
        turnovers[i] += bases[i];
    }
    if (line.article != 0 && state.counters.articleMode != 2) {
        kept.articles.try_emplace(line.article,
                                  KnownArticle{command.name, command.taxSlots, line.divisible});
    }
    const bool firstReturn =
        line.isReturn && std::none_of(receipt.lines.begin(), receipt.lines.end(),
                                      [](const RegisteredLine& l) { return l.isReturn; });
    PrintReceiptLine(state, line, firstReturn);
    receipt.lines.push_back(line);

    Replies replies;
    if (receipt.lines.size() > kCopyBufferLines) {
        replies.emplace_back(u"SOFTCOPY");
    }
    replies.push_back(u"FISC" + Digits(line.taxes.added + line.taxes.winnings, 10));
    replies.emplace_back(u"READY");
    return Printed(state, std::move(replies));
}

// "PREP" and the department: opens a receipt and prints its head.
Replies OpenReceipt(std::u16string_view text, RegisterState& state) {
    if (const std::u16string refusal = PrintingRefusal(state); !refusal.empty()) {
        return Token(refusal);
    }
    ReceiptState& kept = state.receipt;
    if (kept.open) {
        // A receipt is open already: it must be closed or cancelled first.
        return Token(u"SOFTPROTOC");
    }
    const std::u16string_view department = Argument(text);
    const std::size_t limit =
        state.identity.family == 0 ? kFamily0DepartmentLength : kDepartmentLength;
    if (department.size() > limit) {
        return Token(u"SOFTPARAM");
    }
    FollowDay(state);
    ReceiptInProgress receipt;
    receipt.department = std::u16string(department);
    receipt.shopNumber = kept.nextShopNumber;
    kept.nextShopNumber = 0;
    PrintReceiptHead(state, receipt);
    kept.open = std::move(receipt);
    Note(state, u"receipt opened");
    return Printed(state, Ready());
}

// "CANC": cancels the open receipt; with none open there is nothing to do.
Replies CancelReceipt(std::u16string_view, RegisterState& state) {
    ReceiptState& kept = state.receipt;
    if (!kept.open) {
        return Ready();
    }
    if (const std::u16string refusal = PrintingRefusal(state); !refusal.empty()) {
        return Token(refusal);
    }
    ++state.counters.lastDocumentNumber;
    PrintReceiptCancelled(state);
    kept.open.reset();
    Note(state, u"receipt cancelled");
    return Printed(state, Ready());
}

// "BCHN" and the shop's own number for the next receipt (digits, 0 for none).
Replies ShopNumber(std::u16string_view text, RegisterState& state) {
    const std::u16string_view argument = Argument(text);
    const auto number = DigitsAt(argument, 0, argument.size());
    if (argument.empty() || argument.size() > kShopNumberDigits || !number) {
        return Token(u"SOFTPARAM");
    }
    if (const std::u16string refusal = RegistrationRefusal(state); !refusal.empty()) {
        return Token(refusal);
    }
    state.receipt.nextShopNumber = *number;
    return Ready();
}

// "NLPR" and the letters of two slots 1 to 6: the next line's second slot taxes its first
// slot's tax as well. Family 1 model 8.
Replies CompoundTax(std::u16string_view text, RegisterState& state) {
    if (!IsModel8(state)) {
        return Token(u"SOFTCOMMAN");
    }
    if (const std::u16string refusal = RegistrationRefusal(state); !refusal.empty()) {
        return Token(refusal);
    }
    ReceiptState& kept = state.receipt;
    if (!kept.open) {
        return Token(u"SOFTPROTOC");
    }
    const std::u16string_view argument = Argument(text);
    if (argument.size() != 2) {
        return Token(u"SOFTPARAM");
    }
    const int first = SlotOfLetter(argument[0]);
    const int second = SlotOfLetter(argument[1]);
    const auto usable = [&](int slot) {
        return slot >= 1 && slot <= kLastCompoundSlot && IsProgrammed(TaxOf(state, slot));
    };
    if (!usable(first) || !usable(second) || first == second) {
        return Token(u"SOFTPARAM");
    }
    kept.open->compoundForNextLine = std::array<int, 2>{first, second};
    return Ready();
}

bool IsBarcodeText(char16_t codeSet, std::u16string_view code) {
    for (const char16_t ch : code) {
        const bool digit = support::IsDigit(ch);
        const bool printable = ch >= 0x20 && ch < 0x7F;
        const bool lower = ch >= u'a' && ch <= u'z';
        if ((codeSet == u'i' && !digit) || (codeSet == u'g' && (!printable || lower)) ||
            !printable) {
            return false;
        }
    }
    return !code.empty();
}

// "PCOD", three option digits, then the code set letter ('g' A, 'h' B, 'i' C) and the code,
// padded in front with "0" to at least 4 characters. Family 1 model 8.
Replies Barcode(std::u16string_view text, RegisterState& state) {
    if (!IsModel8(state)) {
        return Token(u"SOFTCOMMAN");
    }
    const std::u16string_view argument = Argument(text);
    const std::u16string_view padded =
        argument.size() > kBarcodeOptions ? argument.substr(kBarcodeOptions) : u"";
    if (!DigitsAt(argument, 0, kBarcodeOptions) || padded.size() < kBarcodeMinLength ||
        padded.size() > kBarcodeMaxLength) {
        return Token(u"SOFTPARAM");
    }
    // The console pads a short code in front: the code set letter follows the padding.
    const std::size_t letter = padded.find_first_not_of(u'0');
    const std::u16string_view code =
        letter == std::u16string_view::npos ? std::u16string_view() : padded.substr(letter);
    if (code.empty() || (code[0] != u'g' && code[0] != u'h' && code[0] != u'i') ||
        !IsBarcodeText(code[0], code.substr(1))) {
        return Token(u"SOFTPARAM");
    }
    if (const std::u16string refusal = PrintingRefusal(state); !refusal.empty()) {
        return Token(refusal);
    }
    if (!state.receipt.open) {
        return Token(u"SOFTPROTOC");
    }
    PrintReceiptBarcode(state, code[0], code.substr(1));
    return Printed(state, Ready());
}

}  // namespace

void RegisterReceiptCommands(CommandRegistry& registry) {
    registry.Register(u"PREP", OpenReceipt);
    registry.Register(u"FISC", ReceiptLine);
    registry.Register(u"BFIS", ReceiptLine);
    registry.Register(u"FICD", ReceiptLine);
    registry.Register(u"BFCD", ReceiptLine);
    registry.Register(u"NLPR", CompoundTax);
    registry.Register(u"PCOD", Barcode);
    registry.Register(u"BCHN", ShopNumber);
    registry.Register(u"COMP", receipts::CloseReceipt);
    registry.Register(u"CANC", CancelReceipt);
    registry.Register(u"CAIO", receipts::MoveCash);
    registry.Register(u"CCAS", receipts::CashReport);
}

}  // namespace orvik::sim
