#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvik::support {

// Conversions between the program's UTF-16 texts and the byte encodings it meets: CP866 on
// the serial line, CP1251 in the console's own files, UTF-8 on the terminal. The single-byte
// tables are read once from iconv, so converting allocates nothing and is thread-safe.

// The byte that stands for a character the code page lacks.
inline constexpr std::uint8_t kDefaultChar = '?';

enum class CodePage { Oem866, Ansi1251 };

// One character of a single-byte code page as UTF-16 (U+FFFD where the page has no character).
char16_t DecodeByte(CodePage page, std::uint8_t byte);

// One UTF-16 unit in a single-byte code page, kDefaultChar when the page lacks it.
std::uint8_t EncodeChar(CodePage page, char16_t ch);

// Whole texts.
std::u16string Decode(CodePage page, std::string_view bytes);
std::string Encode(CodePage page, std::u16string_view text);

// UTF-8 for the terminal and command lines. Invalid input bytes become U+FFFD.
std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);

// Whether the bytes are well-formed UTF-8: no stray continuation byte, no overlong form, no
// surrogate, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// UTF-8 text as it may safely reach a terminal: every control character but the line end and
// the tab (C0, DEL and the C1 range, ESC above all, which would steer the terminal) written as
// \xNN, or \u00NN for the C1 range.
std::string EscapeControls(std::string_view utf8);

}  // namespace orvik::support
