#pragma once

#include <cstdint>
#include <string_view>

namespace orvik::device {

// Which register the console talks to, told from its serial number and software, and the
// article limit that follows from it (the table of models is in register_capabilities.h).

struct FamilyAndModel {
    std::int32_t family = 1;
    std::int32_t model = 4;
};

// The three characters of the serial number that name the model: characters 2 to 4 when the
// number begins with a letter, otherwise its first three (shorter when the number is short).
std::u16string_view ModelCode(std::u16string_view serialNumber);

// Family 1 model 4 unless a rule of the table names the register; a later rule wins.
// firmwareDate is the rewritten date, MM/DD/YY.
FamilyAndModel DeriveFamilyAndModel(std::u16string_view serialNumber,
                                    std::u16string_view firmwareName,
                                    std::u16string_view firmwareDate);

// The highest article number the line command accepts on this register (the capabilities'
// articleLimit); current is kept where the model sets no limit of its own.
std::int32_t ModelArticleLimit(std::int32_t family, std::int32_t model, std::int32_t articleMode,
                               std::int32_t current);

}  // namespace orvik::device
