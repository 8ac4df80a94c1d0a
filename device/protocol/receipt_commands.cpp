#include "device/protocol/receipt_commands.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace orvik::device {

namespace {

constexpr int kShortNameWidth = 12;
constexpr int kLongNameWidth = 24;
constexpr std::size_t kQuantityWidth = 5;
constexpr std::size_t kLongQuantityWidth = 6;
constexpr std::size_t kSumWidth = 9;
constexpr std::size_t kCloseFieldWidth = 10;
// The continuation of a long name: how much of a divisible good's overflow is laid out, and
// the line width of the register's tape that it is laid out on.
constexpr std::size_t kDivisibleOverflowLimit = 80;
constexpr std::size_t kTapeLineWidth = 30;
constexpr std::size_t kTapeLineStart = 12;
// Payments that miss the amount due by less than this are taken as paying it exactly.
constexpr std::int64_t kPaymentTolerance = 2;
constexpr std::size_t kBarcodeMinLength = 4;
constexpr std::size_t kBarcodeMaxLength = 17;
constexpr int kMaxCompoundTaxSlot = 6;
// The receipt's department as the register prints it.
constexpr std::u16string_view kDepartment = u"СЕРВІС";

bool IsWhiteSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f';
}

char16_t LetterOf(std::u16string_view taxLetters, int slot) {
    if (!IsTaxSlot(slot) || static_cast<std::size_t>(slot) > taxLetters.size()) {
        return u'0';
    }
    return taxLetters[static_cast<std::size_t>(slot - 1)];
}

// Text padded on the right with spaces to width, or cut to it.
std::u16string Fitted(std::u16string_view text, std::size_t width) {
    std::u16string out(text.substr(0, std::min(text.size(), width)));
    out.resize(width, u' ');
    return out;
}

// The six characters of a taxed slot: letter, kind and the rate's four digits.
std::u16string TaxGroup(const TaxTable& slots, std::u16string_view taxLetters, int slot) {
    const TaxSlot& tax = slots[static_cast<std::size_t>(slot - 1)];
    std::u16string group(1, LetterOf(taxLetters, slot));
    group += tax.kind.empty() ? u'0' : tax.kind.front();
    std::u16string digits = tax.rateDigits.substr(0, 4);
    digits.insert(0, 4 - digits.size(), u'0');
    return group + digits;
}

std::u16string TaxFields(const RegisterCapabilities& caps, const TaxTable& slots,
                         std::u16string_view taxLetters, int slot1, int slot2) {
    if (caps.articleMode == 2) {
        return {LetterOf(taxLetters, slot1), LetterOf(taxLetters, slot2)};
    }
    std::u16string fields;
    for (int slot = 1; slot <= CPrinterInfo::kTaxSlotCount; ++slot) {
        fields += (slot == slot1 || slot == slot2) ? TaxGroup(slots, taxLetters, slot)
                                                   : std::u16string(6, u'0');
    }
    return fields;
}

std::u16string ArticleField(const RegisterCapabilities& caps, std::int32_t maxArticleNumber,
                            std::int32_t article) {
    const bool known = article >= 1 && article <= maxArticleNumber;
    if (caps.codedArticles) {
        return known ? FormatNumber(article, 9) : std::u16string(9, u'0');
    }
    return known ? FormatArticleCode(article) : std::u16string(4, u'0');
}

std::u16string Continuation(const RegisterCapabilities& caps, const ReceiptLineRequest& line,
                            std::u16string overflow, std::size_t nameWidth) {
    // How much of a long name the register takes after the line.
    const std::size_t limit = caps.nameContinuationLimit;
    if (limit == 0) {
        // No continuation (family 0): the rest of a long name is dropped.
        return {};
    }
    if (caps.weighedNameInTapeLines && line.divisible &&
        line.name.size() > static_cast<std::size_t>(kShortNameWidth)) {
        // A weighed good's name goes on in whole tape lines.
        overflow.resize(std::min(overflow.size(), kDivisibleOverflowLimit));
        while ((nameWidth + overflow.size()) % kTapeLineWidth != kTapeLineStart) {
            overflow += u' ';
        }
        overflow.resize(std::min(overflow.size(), limit));
        if (!overflow.empty() && overflow.back() == u' ') {
            overflow.back() = u'.';
        }
    }
    overflow.resize(std::min(overflow.size(), limit));
    return overflow;
}

std::int32_t Narrow(std::int64_t value) {
    return static_cast<std::int32_t>(value);
}

}  // namespace

int LineNameWidth(std::int32_t articleMode) {
    return articleMode == 2 ? kLongNameWidth : kShortNameWidth;
}

std::u16string_view TrimWhiteSpace(std::u16string_view text) {
    while (!text.empty() && IsWhiteSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsWhiteSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

PreparedLine PrepareReceiptLine(const RegisterProfile& profile, const TaxTable& slots,
                                std::u16string_view taxLetters, bool returnMode,
                                const ReceiptLineRequest& line) {
    return PrepareReceiptLine(profile.Capabilities(), profile.maxArticleNumber, slots, taxLetters,
                              returnMode, line);
}

PreparedLine PrepareReceiptLine(const RegisterCapabilities& caps, std::int32_t maxArticleNumber,
                                const TaxTable& slots, std::u16string_view taxLetters,
                                bool returnMode, const ReceiptLineRequest& line) {
    PreparedLine prepared;
    prepared.lineSum = LineSum(line.quantity, line.price, line.divisible);
    prepared.discount = EffectiveDiscount(line.discountKind, line.discountAmount, prepared.lineSum);

    const auto nameWidth = static_cast<std::size_t>(LineNameWidth(caps.articleMode));
    const std::u16string_view name = TrimWhiteSpace(line.name);
    std::u16string overflow;
    if (name.size() > nameWidth) {
        overflow = name.substr(nameWidth);
    }

    std::u16string& command = prepared.command;
    if (caps.codedArticles) {
        command = returnMode ? u"BFCD" : u"FICD";
    } else {
        command = returnMode ? u"BFIS" : u"FISC";
    }
    command += Fitted(name, nameWidth);
    command += FormatNumber(Narrow(prepared.lineSum), kSumWidth);
    command += FormatNumber(line.price, kSumWidth);
    command += FormatNumber(std::max(line.quantity, 0),
                            caps.articleMode == 2 ? kLongQuantityWidth : kQuantityWidth);
    command += line.divisible ? u'0' : u'1';
    command += u'0';
    command += TaxFields(caps, slots, taxLetters, line.taxSlot1, line.taxSlot2);
    command += ArticleField(caps, maxArticleNumber, line.article);

    const bool discountBlock = prepared.discount.kind != kNoDiscount;
    if (discountBlock) {
        command += prepared.discount.kind == kDiscount ? u'-' : u'+';
        command += Fitted(line.discountName, kDiscountNameWidth);
        command += FormatNumber(Narrow(prepared.discount.amount), kSumWidth);
    }
    const std::u16string rest = Continuation(caps, line, std::move(overflow), nameWidth);
    if (!rest.empty()) {
        if (!discountBlock) {
            // The register finds the continuation after a discount block, so an empty one
            // stands in for it.
            command += std::u16string(1 + kDiscountNameWidth + kSumWidth, u'0');
        }
        command += rest;
    }
    return prepared;
}

std::int64_t ReadReplyAmount(std::u16string_view reply) {
    std::u16string_view text = reply.substr(std::min<std::size_t>(4, reply.size()));
    while (!text.empty() && IsWhiteSpace(text.front())) {
        text.remove_prefix(1);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text.remove_prefix(1);
    }
    constexpr std::int64_t kLimit = std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') {
            break;
        }
        value = std::min(value * 10 + (c - u'0'), kLimit);
    }
    return negative ? -value : value;
}

ClosePlan PlanReceiptClose(ReceiptTotals& totals, const TaxTable& slots, std::int32_t cash,
                           std::int32_t payment1, std::int32_t payment2, std::int32_t payment3) {
    ClosePlan plan;
    RecomputeReceiptTaxes(totals, slots);
    plan.due = AmountDue(totals);
    plan.payment1 = payment1;
    plan.payment2 = payment2;
    plan.payment3 = payment3;

    const std::int64_t others = static_cast<std::int64_t>(payment1) + payment2 + payment3;
    std::int64_t cashAmount = cash;
    if (std::llabs(cashAmount + others - plan.due) < kPaymentTolerance) {
        // A rounding away from the amount due: the cash makes the payments add up to it.
        cashAmount = plan.due - others;
    }
    plan.cash = Narrow(cashAmount);
    const std::int64_t paid = static_cast<std::int64_t>(plan.cash) + others;

    plan.noPayment = plan.cash == 0 && payment1 == 0 && payment2 == 0 && payment3 == 0;
    if (plan.noPayment) {
        const auto byTaxSlot = totals.salesByTaxSlot;
        const auto returnsByTaxSlot = totals.returnsByTaxSlot;
        totals = ReceiptTotals{};
        totals.salesByTaxSlot = byTaxSlot;
        totals.returnsByTaxSlot = returnsByTaxSlot;
    } else if (paid < plan.due) {
        plan.paidShort = true;
        return plan;
    }
    // A payment below 0 would reach the register as a 32-bit wrap-around, and payments 1 to 3
    // above the amount due as change the drawer never took in. Only a refund's cash is given
    // below 0: it is the cash paid back, and the register is told its amount.
    const bool refund = plan.due < 0;
    const bool cashWrong = plan.cash < 0 && !refund;
    if (payment1 < 0 || payment2 < 0 || payment3 < 0 || cashWrong ||
        (refund && others > -plan.due)) {
        plan.paymentsWrong = true;
        return plan;
    }
    if (plan.cash < 0) {
        plan.cash = Narrow(-static_cast<std::int64_t>(plan.cash));
    }

    plan.command = u"COMP";
    for (std::int32_t field : {totals.salesSum, totals.returnsSum, plan.payment3, plan.payment1,
                               plan.payment2, plan.cash}) {
        plan.command += FormatNumber(field, kCloseFieldWidth);
    }
    return plan;
}

std::u16string BuildOpenCommand(const RegisterCapabilities& caps) {
    return u"PREP" + std::u16string(kDepartment.substr(
                         0, std::min(caps.departmentLength, kDepartment.size())));
}

std::u16string BuildOpenCommand(std::int32_t family) {
    // The department's length is a matter of the family alone.
    return BuildOpenCommand(CapabilitiesOf(family, -1, 0));
}

std::u16string BuildBarcodeCommand(std::u16string_view text) {
    std::u16string code(text);
    if (code.size() < kBarcodeMinLength) {
        code.insert(0, kBarcodeMinLength - code.size(), u'0');
    }
    code.resize(std::min(code.size(), kBarcodeMaxLength));
    return u"PCOD" + FormatNumber(1, 1) + FormatNumber(1, 1) + u"0" + code;
}

std::u16string BuildCompoundTaxCommand(std::u16string_view taxLetters, int firstSlot,
                                       int secondSlot) {
    const auto valid = [&](int slot) {
        return slot >= 1 && slot <= kMaxCompoundTaxSlot &&
               static_cast<std::size_t>(slot) <= taxLetters.size();
    };
    if (!valid(firstSlot) || !valid(secondSlot) || firstSlot == secondSlot) {
        return {};
    }
    return u"NLPR" +
           std::u16string{LetterOf(taxLetters, firstSlot), LetterOf(taxLetters, secondSlot)};
}

std::u16string BuildCashMoveCommand(bool cashIn, std::int32_t amount) {
    return std::u16string(u"CAIO") + (cashIn ? u'I' : u'O') + FormatNumber(amount, 10);
}

}  // namespace orvik::device
