#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace orvik::device {

// The fixed-width numbers of command texts. The register reads each number field by its width,
// so a number is unsigned decimal, padded on the left with "0" to the width and cut to it.

// value as unsigned decimal (a negative value is taken as its 32-bit unsigned counterpart),
// left-padded with "0" to width characters; a longer number keeps only its first width
// characters. FormatNumber(7, 4) is "0007", FormatNumber(123456, 4) is "1234".
std::u16string FormatNumber(std::int32_t value, std::size_t width);

}  // namespace orvik::device
