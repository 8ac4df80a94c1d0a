#pragma once

#include <optional>
#include <string_view>

#include "res/string_table.h"

// How the programs choose the language of their texts.
namespace orvik {

// "ru", "uk", "en" (and "pseudo", the test language); nothing for any other text.
std::optional<Language> ParseLanguage(std::string_view code);
// "ru", "uk", "en" or "pseudo".
const char* LanguageCode(Language language);

// The language the locale variables ask for, in gettext's order: the first of LANGUAGE (a
// list such as "uk:en", whose first language of ours counts), LC_ALL, LC_MESSAGES and LANG that
// is set and not empty decides. Ukrainian for "uk...", English for "en...", Russian for anything
// else (Russian itself, "C", "POSIX", other languages).
Language LanguageFromLocale(std::string_view language, std::string_view lcAll,
                            std::string_view lcMessages, std::string_view lang);
// The same from this process's environment.
Language LanguageFromEnvironment();

}  // namespace orvik
