#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "support/local_time.h"

namespace orvik::device {

// The command texts of the register's programmable settings, and the readers of the settings
// queries' answers, built without a port.

// The longest command text the console sends: with it the frame's length byte is 255, and one
// character more would wrap it to 0.
inline constexpr std::size_t kMaxSentCommandText = 254;

// The logo is at most 192 lines of 432 dots, 108 hexadecimal characters a line.
inline constexpr std::int32_t kMaxLogoLines = 192;
inline constexpr std::size_t kLogoLineHexCharacters = 108;

// How many characters of a header or footer line the register prints (the capabilities'
// headerTextWidth): 18 on family 0, 43 on family 1 models 3 to 8, 36 on the other family 1
// models. Nothing for a register whose family is not known, which must not be sent a line at
// all.
std::optional<std::size_t> HeaderTextLimit(std::int32_t family, std::int32_t model);

// "CTIM" and the time of day as HHMMSS; the date is not sent. The time must pass IsClockTime.
std::u16string BuildClockCommand(const support::LocalDateTime& time);

// "CUTR", then 1 or 0 for the cutter and for the beeper (any non-zero value is 1), then the
// partial-cut digit when the register takes one.
std::u16string BuildCutterCommand(std::int32_t cutter, std::int32_t beeper,
                                  std::optional<std::int32_t> partialCut);

// "ARMO" and the article mode in decimal.
std::u16string BuildArticleModeCommand(std::int32_t mode);

// "HEAD" (header) or "BOTM" (footer) and the text cut to limit characters.
std::u16string BuildHeaderTextCommand(std::u16string_view text, std::size_t limit);
std::u16string BuildFooterTextCommand(std::u16string_view text, std::size_t limit);

// "PPMD1": added taxes calculated on each item (perItem non-zero); "PPMD": on the receipt total.
std::u16string BuildTaxCalculationCommand(std::int32_t perItem);

// "PPOD": added taxes printed on the receipt's total turnover (onTotal non-zero); "PPOD1":
// after each receipt line.
std::u16string BuildTaxPrintCommand(std::int32_t onTotal);

// "TMOD" and the message set in decimal.
std::u16string BuildMessageSetCommand(std::int32_t set);

// "DEPT" and the mnemonic as given.
std::u16string BuildDepartmentCommand(std::u16string_view mnemonic);

// "NPDI" and the discount print mode as one digit.
std::u16string BuildDiscountPrintCommand(std::int32_t mode);

// "LUPC", the line number (lineIndex + 1, at most 192) as three digits, then the first 108
// characters of hexText.
std::u16string BuildLogoLineCommand(std::int32_t lineIndex, std::u16string_view hexText);

// "AUPC" and the logo's line count (at most 192) as three digits; 0 switches the logo off.
std::u16string BuildLogoHeightCommand(std::int32_t lines);

// "BLFI" and the line spacing as two digits.
std::u16string BuildLineSpacingCommand(std::int32_t value);

// The register's clock from its "GETD" answer (the reply without its tag): fourteen digits
// YYYYMMDDhhmmss. Nothing when the answer is shorter, holds anything but digits there, or
// names no real date and time (years before 1900 included).
std::optional<support::LocalDateTime> ParseRegisterDateTime(std::u16string_view answer);

struct CutterOptions {
    std::int32_t cutter = 0;
    std::int32_t beeper = 0;
    std::int32_t partialCut = 0;
};

// The three option digits of the "CUTR" answer (the reply without its tag), each read as a
// number: a missing or unreadable digit reads 0. Nothing for an empty answer, which means the
// register did not answer.
std::optional<CutterOptions> ParseCutterOptions(std::u16string_view answer);

}  // namespace orvik::device
