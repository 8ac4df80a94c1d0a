#pragma once

#include <string>
#include <vector>

namespace orvik::device {
class COrvikCore;
}

namespace orvik::cli {

// What the register reported about itself at connect, as the lines "name: value" that
// `orvik-cli info` prints (UTF-8): the printer information field by field, then the family,
// model, article mode and session kind, then one line per tax slot. Texts are printed as
// stored, trailing blanks included.
std::vector<std::string> PrinterInfoLines(const device::COrvikCore& core);

}  // namespace orvik::cli
