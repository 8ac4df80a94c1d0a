#include "device/protocol/number_format.h"

namespace orvik::device {

std::u16string FormatNumber(std::int32_t value, std::size_t width) {
    std::uint32_t rest = static_cast<std::uint32_t>(value);
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + rest % 10));
        rest /= 10;
    } while (rest != 0);
    if (digits.size() < width) {
        digits.insert(0, width - digits.size(), u'0');
    }
    digits.resize(width);
    return digits;
}

}  // namespace orvik::device
