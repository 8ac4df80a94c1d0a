#pragma once

#include <initializer_list>
#include <string>

// The console's messages with their blanks filled in.
namespace orvik::console {

// The string-table text with %1, %2 ... replaced by the arguments in order (each blank once).
std::u16string FormatText(int id, std::initializer_list<std::u16string> arguments);

}  // namespace orvik::console
