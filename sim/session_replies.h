#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "sim/register_state.h"
#include "support/local_time.h"

// The data replies the register gives about itself, laid out character by character as the
// console reads them: each begins with its four-letter tag, and a field has a fixed position
// and width (texts padded with blanks, numbers with leading zeros).
namespace orvik::sim {

// A text cut or padded with blanks to the width.
std::u16string Padded(std::u16string_view text, std::size_t width);
// A number with leading zeros; one too large for the width reads as all nines.
std::u16string Digits(std::int64_t value, std::size_t width);
// YYYYMMDD and HHMMSS.
std::u16string DateDigits(const support::LocalDateTime& when);
std::u16string TimeDigits(const support::LocalDateTime& when);
// The digit by which the register reports its key: '1' R, '2' X, '4' Z, '8' P, '0' off.
char16_t KeyCode(KeyPosition key);

// "CONf"/"CONF": identification, clock, key, Z counters, software, header and currency.
std::u16string ConfigurationReply(const RegisterState& state);
// "CNAL": eight tax records of 14 characters.
std::u16string TaxTableReply(const RegisterState& state);
// "CNAM": eight tax names of 19 characters.
std::u16string TaxNamesReply(const RegisterState& state);
// "CRES": four numbers of 10 digits.
std::u16string ConfigCountersReply(const RegisterState& state);
// "GLCN": receipt, document and service document numbers, article mode, Z-report flag and
// number.
std::u16string DocumentCountersReply(const RegisterState& state);
// "GETD": the clock as YYYYMMDDhhmmss.
std::u16string ClockReply(const RegisterState& state);
// "dset": the option digits.
std::u16string DeviceOptionsReply(const RegisterState& state);

}  // namespace orvik::sim
