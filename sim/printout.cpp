#include "sim/printout.h"

#include "sim/tape.h"
#include "support/text_codec.h"

namespace orvik::sim {

namespace {

// The narrowest tape the register has.
constexpr std::size_t kNarrowestTape = 18;

struct ModelLineWidth {
    int family;
    int model;
    std::size_t width;
};

constexpr ModelLineWidth kHeaderLineWidths[] = {
    {0, 0, 18}, {0, 1, 18}, {1, 0, 36}, {1, 1, 36}, {1, 2, 36}, {1, 3, 43},
    {1, 4, 43}, {1, 5, 43}, {1, 6, 43}, {1, 7, 43}, {1, 8, 43},
};

std::size_t TapeWidth(const RegisterState& state) {
    const std::size_t width = HeaderLineWidth(state);
    return width >= kNarrowestTape ? width : kNarrowestTape;
}

std::u16string TwoDigits(int value) {
    return {static_cast<char16_t>(u'0' + (value / 10) % 10),
            static_cast<char16_t>(u'0' + value % 10)};
}

std::u16string Trimmed(std::u16string_view text) {
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(u' ');
    return std::u16string(text.substr(first, last - first + 1));
}

}  // namespace

std::size_t HeaderLineWidth(const RegisterState& state) {
    for (const ModelLineWidth& row : kHeaderLineWidths) {
        if (row.family == state.identity.family && row.model == state.identity.model) {
            return row.width;
        }
    }
    // A register the table does not know prints nothing of a header.
    return 0;
}

Printout::Printout(const RegisterState& state) : m_width(TapeWidth(state)) {
    Rule(u'=');
    for (const std::u16string_view line :
         {std::u16string_view(state.header), std::u16string_view(state.identity.ownerLine1),
          std::u16string_view(state.identity.ownerLine2)}) {
        const std::u16string text = Trimmed(line);
        if (!text.empty()) {
            Centered(text);
        }
    }
}

void Printout::Centered(std::u16string_view text) {
    text = text.substr(0, m_width);
    m_lines.push_back(std::u16string((m_width - text.size()) / 2, u' ') + std::u16string(text));
}

void Printout::Row(std::u16string_view label, std::u16string_view value) {
    value = value.substr(0, m_width);
    // At least one blank between the two.
    const std::size_t room = m_width > value.size() ? m_width - value.size() - 1 : 0;
    label = label.substr(0, room);
    std::u16string line(label);
    line.resize(m_width - value.size(), u' ');
    line += value;
    m_lines.push_back(std::move(line));
}

void Printout::Row(std::u16string_view label, std::int64_t number) {
    Row(label, Number(number));
}

void Printout::Line(std::u16string_view text) {
    m_lines.emplace_back(text.substr(0, m_width));
}

void Printout::Rule(char16_t ch) {
    m_lines.emplace_back(m_width, ch);
}

void Printout::PrintOn(const RegisterState& state) {
    Rule();
    Row(u"ЗН " + state.identity.serialNumber, u"ФН " + state.identity.fiscalNumber);
    const support::LocalDateTime now = state.clock.Now();
    Row(DateText(now), TimeText(now));
    Rule(u'=');
    if (state.tape) {
        for (const std::u16string& line : m_lines) {
            state.tape->Print(line);
        }
    }
}

std::u16string Amount(std::int64_t minor, int decimalPoint) {
    const bool negative = minor < 0;
    std::u16string digits = Number(negative ? -minor : minor);
    if (decimalPoint > 0) {
        const auto places = static_cast<std::size_t>(decimalPoint);
        if (digits.size() <= places) {
            digits.insert(0, places + 1 - digits.size(), u'0');
        }
        digits.insert(digits.size() - places, 1, u'.');
    }
    return negative ? u"-" + digits : digits;
}

std::u16string DateText(const support::LocalDateTime& when) {
    return TwoDigits(when.day) + u"." + TwoDigits(when.month) + u"." +
           support::FromUtf8(std::to_string(when.year));
}

std::u16string TimeText(const support::LocalDateTime& when) {
    return TwoDigits(when.hour) + u":" + TwoDigits(when.minute) + u":" + TwoDigits(when.second);
}

std::u16string DateText(std::u16string_view digits) {
    if (digits.size() != 8) {
        return std::u16string(digits);
    }
    return std::u16string(digits.substr(6, 2)) + u"." + std::u16string(digits.substr(4, 2)) + u"." +
           std::u16string(digits.substr(0, 4));
}

std::u16string Number(std::int64_t value) {
    return support::FromUtf8(std::to_string(value));
}

}  // namespace orvik::sim
