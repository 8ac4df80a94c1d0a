#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "sim/register_state.h"

// The register's key switch as its commands see it. A command that prints or changes
// something runs only in its key position: receipts in registration (R), the X report and the
// reports that do not close the day in X, the Z report and the fiscal memory reports in Z, the
// settings in programming (P). Otherwise the register refuses it with the token that asks for
// the right position, and in the off position (O) with "SOFTSYSLOCK". Queries answer in every
// position.
//
// Family 1 model 7 has no key: its access level, set by the console with "SVSL", stands for
// it. Level 0 is off; level 1, the cashier's, allows everything but the X, Z, article and
// discount reports; levels 2 and 3 allow those as well.
//
// The simulator starts in service mode, in which the key is not checked at all, so that a
// person trying the console can do everything without turning it. Turning the key (the --key
// option or a "key" control line) puts the checks in force.
namespace orvik::sim {

// What a command needs of the key. The fiscal memory reports need the Z position and the
// hardware state report the X position, as the day reports do, but on model 7 the cashier's
// level 1 allows them: the console switches the level only for the X, Z, article and discount
// reports.
enum class KeyNeed {
    Registration,
    XReport,
    ZReport,
    HardwareReport,
    FiscalMemoryReport,
    Programming
};

// The status token that refuses a command with this need in the register's present key
// position (or access level), or the empty text when the command may run.
std::u16string KeyRefusal(const RegisterState& state, KeyNeed need);

// For the receipt commands: "SOFTSLWORK" outside registration, empty when a receipt may be
// printed.
inline std::u16string RegistrationRefusal(const RegisterState& state) {
    return KeyRefusal(state, KeyNeed::Registration);
}

// The key letters R, X, Z, P and O (either case).
std::optional<KeyPosition> KeyFromLetter(std::string_view letter);
char KeyLetter(KeyPosition key);

// Turns the key and puts the key checks in force. On family 1 model 7 the access level is set
// instead: 0 for O, 1 for R, 2 for X and Z, 3 for P.
void TurnKey(RegisterState& state, KeyPosition key);
// Back to service mode: no command checks the key.
void LeaveKeyUnchecked(RegisterState& state);

// "R", "X", "Z", "P" or "O" and whether it is checked, for a person; on family 1 model 7 the
// access level.
std::string DescribeKey(const RegisterState& state);

}  // namespace orvik::sim
