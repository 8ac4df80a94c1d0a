#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sim/register_state.h"

// The registers the simulator can be: one per kind of register the console tells apart, each
// with a serial number and software from which the console derives that family and model, and
// with its own configuration, tax table and counters.
namespace orvik::sim {

struct RegisterProfile {
    std::string name;     // as --profile takes it, for example "f1m8"
    RegisterState state;  // the register as it is switched on
};

// The profile a simulator is unless told otherwise: family 1 model 8, the register that
// accepts the most commands.
inline constexpr std::string_view kDefaultProfileName = "f1m8";

// Every profile, in the order of the derivation table; the last one is a register the table
// does not name, which the console takes for family 1 model 4.
const std::vector<RegisterProfile>& RegisterProfiles();
// nullptr when no profile has that name.
const RegisterProfile* FindProfile(std::string_view name);

// One line for the help text: name, family and model, serial number and software.
std::string DescribeProfile(const RegisterProfile& profile);

}  // namespace orvik::sim
