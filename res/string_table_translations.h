#pragma once

#include <span>

#include "res/string_table.h"

// The string table's texts in the other languages, generated at build time from the .ts files
// under res/translations/ (ts_to_table.py): the finished translations only, sorted by id.
namespace orvik {

struct TranslatedString {
    int id;
    const char16_t* text;
};

// Empty for Russian (the table's own language) and for the pseudo-language.
std::span<const TranslatedString> TranslatedStrings(Language language);

}  // namespace orvik
