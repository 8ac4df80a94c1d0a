#include "sim/receipt_line_reading.h"

#include "sim/handler_helpers.h"
#include "sim/receipt_figures.h"

namespace orvik::sim {

namespace {

using handlers::DigitsAt;

constexpr std::size_t kShortName = 12;
constexpr std::size_t kLongName = 24;
constexpr std::size_t kSumWidth = 9;
constexpr std::size_t kTaxGroupWidth = 6;
constexpr std::size_t kDiscountNameWidth = 13;
constexpr std::size_t kDiscountBlock = 1 + kDiscountNameWidth + kSumWidth;
// The thousands letters of article codes: "A" is 10 thousand ... "K" 20 thousand.
constexpr std::u16string_view kThousands = u"ABCDEFGHIJK";
constexpr std::int64_t kFirstLetterThousands = 10;

LineReading Refuse(std::u16string token) {
    return {std::nullopt, std::move(token)};
}

// Reads the fields one after the other.
class CFieldReader {
  public:
    explicit CFieldReader(std::u16string_view text) : m_text(text) {}

    bool Take(std::size_t width, std::u16string_view& field) {
        if (m_text.size() - m_position < width) {
            return false;
        }
        field = m_text.substr(m_position, width);
        m_position += width;
        return true;
    }
    std::optional<std::int64_t> Number(std::size_t width) {
        std::u16string_view field;
        if (!Take(width, field)) {
            return std::nullopt;
        }
        return DigitsAt(field, 0, width);
    }
    std::u16string_view Rest() const { return m_text.substr(m_position); }

  private:
    std::u16string_view m_text;
    std::size_t m_position = 0;
};

std::u16string WithoutTrailingBlanks(std::u16string_view text) {
    const auto last = text.find_last_not_of(u' ');
    return last == std::u16string_view::npos ? std::u16string()
                                             : std::u16string(text.substr(0, last + 1));
}

bool AddSlot(std::array<int, 2>& slots, int slot) {
    if (slots[0] == 0) {
        slots[0] = slot;
    } else if (slots[1] == 0 && slots[0] != slot) {
        slots[1] = slot;
    } else {
        return false;
    }
    return true;
}

// Eight groups of six: the slot's letter, kind and rate, as the register has them, or zeros.
std::u16string ReadTaxGroups(std::u16string_view field, const RegisterState& state,
                             std::array<int, 2>& slots) {
    for (int slot = 1; slot <= static_cast<int>(kTaxSlotCount); ++slot) {
        const std::u16string_view group =
            field.substr(static_cast<std::size_t>(slot - 1) * kTaxGroupWidth, kTaxGroupWidth);
        if (group == u"000000") {
            continue;
        }
        const TaxRate& tax = state.taxes[static_cast<std::size_t>(slot - 1)];
        if (group[0] != SlotLetter(slot) || !IsProgrammed(tax) || !AddSlot(slots, slot) ||
            !DigitsAt(group, 2, 4)) {
            return u"SOFTPARAM";
        }
        if (group[1] != tax.kind || group.substr(2) != tax.rate) {
            // Taxed at a kind or rate the register does not have in that slot.
            return u"SOFTCHECK";
        }
    }
    return {};
}

// Two letters naming the slots, "0" for none.
std::u16string ReadTaxLetters(std::u16string_view field, const RegisterState& state,
                              std::array<int, 2>& slots) {
    for (const char16_t letter : field) {
        if (letter == u'0') {
            continue;
        }
        const int slot = SlotOfLetter(letter);
        if (slot == 0 || !IsProgrammed(state.taxes[static_cast<std::size_t>(slot - 1)]) ||
            !AddSlot(slots, slot)) {
            return u"SOFTPARAM";
        }
    }
    return {};
}

std::size_t ContinuationLimit(const RegisterState& state) {
    const int model = state.identity.model;
    if (model < 3 || model > 8) {
        return 24;
    }
    return UsesAccountingCodes(state) ? 104 : 29;
}

// The discount block and the continuation after the article.
std::u16string ReadTail(std::u16string_view rest, const RegisterState& state, LineCommand& line) {
    if (rest.empty()) {
        return {};
    }
    if (rest.size() < kDiscountBlock) {
        return u"SOFTPARAM";
    }
    const std::u16string_view block = rest.substr(0, kDiscountBlock);
    const char16_t sign = block[0];
    if (sign == u'-' || sign == u'+') {
        const auto amount = DigitsAt(block, 1 + kDiscountNameWidth, kSumWidth);
        if (!amount || *amount == 0) {
            return u"SOFTPARAM";
        }
        line.discountKind = sign == u'-' ? LineDiscountKind::Discount : LineDiscountKind::Surcharge;
        line.discountName = WithoutTrailingBlanks(block.substr(1, kDiscountNameWidth));
        line.discountAmount = *amount;
    } else if (block != std::u16string(kDiscountBlock, u'0')) {
        return u"SOFTPARAM";
    }
    const std::u16string_view continuation = rest.substr(kDiscountBlock);
    if (!continuation.empty() &&
        (state.identity.family != 1 || continuation.size() > ContinuationLimit(state))) {
        // Family 0 prints no continuation; a longer one than the register takes does not fit.
        return u"SOFTPARAM";
    }
    line.continuation = std::u16string(continuation);
    return {};
}

}  // namespace

std::optional<std::int64_t> ReadArticleCode(std::u16string_view code) {
    if (code.size() != 4) {
        return std::nullopt;
    }
    if (const auto digits = DigitsAt(code, 0, 4)) {
        return digits;
    }
    const auto thousands = kThousands.find(code[0]);
    const auto rest = DigitsAt(code, 1, 3);
    if (thousands == std::u16string_view::npos || !rest) {
        return std::nullopt;
    }
    return (kFirstLetterThousands + static_cast<std::int64_t>(thousands)) * 1000 + *rest;
}

LineReading ReadLineCommand(std::u16string_view text, const RegisterState& state) {
    const std::u16string_view command = text.substr(0, 4);
    const bool coded = command == u"FICD" || command == u"BFCD";
    if (coded && !KnowsAccountingCodes(state)) {
        return Refuse(u"SOFTCOMMAN");
    }
    if (coded != UsesAccountingCodes(state)) {
        return Refuse(u"SOFTARTMODE");
    }

    const bool longLayout = state.counters.articleMode == 2;
    LineCommand line;
    line.isReturn = command == u"BFIS" || command == u"BFCD";
    CFieldReader fields(text.substr(4));
    std::u16string_view name;
    std::u16string_view unit;
    std::u16string_view taxes;
    std::u16string_view article;
    if (!fields.Take(longLayout ? kLongName : kShortName, name)) {
        return Refuse(u"SOFTPARAM");
    }
    const auto lineSum = fields.Number(kSumWidth);
    const auto price = fields.Number(kSumWidth);
    const auto quantity = fields.Number(longLayout ? 6 : 5);
    if (!lineSum || !price || !quantity || !fields.Take(2, unit) ||
        !fields.Take(longLayout ? 2 : kTaxSlotCount * kTaxGroupWidth, taxes) ||
        !fields.Take(coded ? 9 : 4, article)) {
        return Refuse(u"SOFTPARAM");
    }
    if ((unit[0] != u'0' && unit[0] != u'1') || unit[1] != u'0') {
        return Refuse(u"SOFTPARAM");
    }
    line.name = WithoutTrailingBlanks(name);
    line.lineSum = *lineSum;
    line.price = *price;
    line.quantity = *quantity;
    line.divisible = unit[0] == u'0';

    const std::u16string taxProblem = longLayout ? ReadTaxLetters(taxes, state, line.taxSlots)
                                                 : ReadTaxGroups(taxes, state, line.taxSlots);
    if (!taxProblem.empty()) {
        return Refuse(taxProblem);
    }
    const auto articleNumber = coded ? DigitsAt(article, 0, 9) : ReadArticleCode(article);
    if (!articleNumber) {
        return Refuse(u"SOFTPARAM");
    }
    line.article = *articleNumber;
    if (line.article > ArticleLimit(state)) {
        return Refuse(u"SOFTBADART");
    }
    if (const std::u16string problem = ReadTail(fields.Rest(), state, line); !problem.empty()) {
        return Refuse(problem);
    }
    line.printedName = line.name;
    if (!line.continuation.empty()) {
        std::u16string whole = std::u16string(name) + line.continuation;
        if (whole.size() >= 2 && whole.back() == u'.' && whole[whole.size() - 2] == u' ') {
            whole.pop_back();
        }
        line.printedName = WithoutTrailingBlanks(whole);
    }
    if (line.lineSum != LineSumOf(line.quantity, line.price, line.divisible)) {
        // The register computes the line sum itself; one that differs is not the line.
        return Refuse(u"SOFTCHECK");
    }
    return {std::move(line), {}};
}

}  // namespace orvik::sim
