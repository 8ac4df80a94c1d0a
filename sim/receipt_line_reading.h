#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "sim/register_state.h"

// How the simulated register reads a receipt line command ("FISC", "BFIS", "FICD", "BFCD"):
// field by field at the widths its own model and article mode give, as a register that knows
// nothing of the console does. A text laid out for another model or mode does not read.
//
//   name         4    the command
//   goods name   12, or 24 in article mode 2
//   line sum     9    price times quantity, before any discount
//   price        9
//   quantity     5, or 6 in article mode 2 (pieces, or thousandths of a divisible good)
//   unit         1    "0" divisible, "1" pieces
//   reserved     1    "0"
//   taxes        48   eight groups of six, one per slot: letter, kind, rate digits, or zeros;
//                2    in article mode 2: the letters of up to two slots, "0" for none
//   article      4    up to 9999 in digits, then a letter for the tens of thousands (A 10 ...
//                     K 20) and three digits; "0000" none;
//                9    accounting codes (family 1 models 5, 6, 8 in article mode 2)
//   discount     23   "-" discount or "+" surcharge, name 13, amount 9; or "0" and 22 zeros
//                     standing in for it before a continuation; absent when neither follows
//   continuation      the rest of a long name (family 1 only): at most 24 characters on
//                     models below 3, 104 with accounting codes, 29 otherwise
namespace orvik::sim {

struct LineCommand {
    bool isReturn = false;
    std::u16string name;  // the goods name field without its trailing blanks
    std::int64_t lineSum = 0;
    std::int64_t price = 0;
    std::int64_t quantity = 0;
    bool divisible = false;
    std::array<int, 2> taxSlots{};  // in the order the command gives them; 0 for none
    std::int64_t article = 0;       // 0: none
    LineDiscountKind discountKind = LineDiscountKind::None;
    std::u16string discountName;  // without trailing blanks
    std::int64_t discountAmount = 0;
    std::u16string continuation;
    // The whole name as the register prints it: the name field and the continuation, without
    // the blanks (and the full stop after them) that lay a weighed good's name out on the
    // register's own lines.
    std::u16string printedName;
};

struct LineReading {
    std::optional<LineCommand> line;
    // Why it does not read: "SOFTCOMMAN" for a command this register does not know,
    // "SOFTARTMODE" for the other article mode's command, "SOFTPARAM" for a field that is not
    // what its place holds, "SOFTCHECK" for a line sum or tax group that differs from the
    // register's own, "SOFTBADART" for an article it cannot take.
    std::u16string refusal;
};

LineReading ReadLineCommand(std::u16string_view text, const RegisterState& state);

// The article a four-character code names, or nothing when it is no code.
std::optional<std::int64_t> ReadArticleCode(std::u16string_view code);

}  // namespace orvik::sim
