#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "sim/report_settings_state.h"

// How the simulated register prints its multi-line footer and its logo at the end of a
// receipt, as text lines of the tape's width:
//
// - a footer line in double width has its letters spaced out ("С П А С И Б О"); one in double
//   height takes two lines of the tape;
// - the logo is a block of shaded characters ("░▒▓█"), each character standing for a cell of
//   dots: as many dots across as make the logo fit the tape, two or four rows down.
namespace orvik::sim {

std::vector<std::u16string> FooterLinePrintout(const FooterLine& line, std::size_t width);

// The rows 1 to logoHeight of the loaded logo; nothing when the logo is switched off.
std::vector<std::u16string> LogoPrintout(const ProgrammedSettings& settings, std::size_t width);

}  // namespace orvik::sim
