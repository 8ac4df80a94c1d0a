#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sim/register_state.h"
#include "support/local_time.h"

// A document the simulated register prints on its tape: lines as wide as the register's paper
// (18 characters on family 0, 36 or 43 on family 1), with the register's header at the top and
// its numbers, date and time at the bottom, so that a person reading the tape sees a report as
// the register would print it.
namespace orvik::sim {

// The longest header or footer line the register prints, which is also the width of its paper
// in characters: 18 on family 0, 36 on family 1 models 0 to 2, 43 on family 1 models 3 to 8.
// The simulated register keeps this table of its own, so that it checks the console's limits
// instead of repeating them.
std::size_t HeaderLineWidth(const RegisterState& state);

class Printout {
  public:
    // Starts a document of the register: a rule, then its header line and owner lines.
    explicit Printout(const RegisterState& state);

    std::size_t Width() const { return m_width; }

    void Centered(std::u16string_view text);
    // The label on the left and the value on the right; a label too long is cut.
    void Row(std::u16string_view label, std::u16string_view value);
    void Row(std::u16string_view label, std::int64_t number);
    void Line(std::u16string_view text);
    void Rule(char16_t ch = u'-');

    // Ends the document: the serial and fiscal numbers, the register's date and time, and a
    // rule; then prints every line on the register's tape.
    void PrintOn(const RegisterState& state);

    const std::vector<std::u16string>& Lines() const { return m_lines; }

  private:
    std::size_t m_width;
    std::vector<std::u16string> m_lines;
};

// An amount of minor units with the currency's decimal point: 12345 with 2 gives "123.45".
std::u16string Amount(std::int64_t minor, int decimalPoint);
// "05.03.2009" and "14:07:09".
std::u16string DateText(const support::LocalDateTime& when);
std::u16string TimeText(const support::LocalDateTime& when);
// A date kept as YYYYMMDD written as DD.MM.YYYY.
std::u16string DateText(std::u16string_view digits);
std::u16string Number(std::int64_t value);

}  // namespace orvik::sim
