#include "res/language.h"

#include <cstdlib>

namespace orvik {
namespace {

// The language of a locale name ("uk_UA.UTF-8", "en", "ru_RU@euro"), if it is one of ours.
std::optional<Language> LocaleLanguage(std::string_view locale) {
    const auto end = locale.find_first_of("_.@");
    const std::string_view code = locale.substr(0, end);
    if (code == "ru") {
        return Language::Russian;
    }
    if (code == "uk") {
        return Language::Ukrainian;
    }
    if (code == "en") {
        return Language::English;
    }
    return std::nullopt;
}

std::string_view Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view();
}

}  // namespace

std::optional<Language> ParseLanguage(std::string_view code) {
    if (code == "pseudo") {
        return Language::Pseudo;
    }
    if (code == "ru" || code == "uk" || code == "en") {
        return LocaleLanguage(code);
    }
    return std::nullopt;
}

const char* LanguageCode(Language language) {
    switch (language) {
        case Language::Ukrainian:
            return "uk";
        case Language::English:
            return "en";
        case Language::Pseudo:
            return "pseudo";
        case Language::Russian:
            break;
    }
    return "ru";
}

Language LanguageFromLocale(std::string_view language, std::string_view lcAll,
                            std::string_view lcMessages, std::string_view lang) {
    if (!language.empty()) {
        while (!language.empty()) {
            const auto colon = language.find(':');
            if (const auto found = LocaleLanguage(language.substr(0, colon))) {
                return *found;
            }
            language =
                colon == std::string_view::npos ? std::string_view() : language.substr(colon + 1);
        }
        return Language::Russian;
    }
    for (const std::string_view locale : {lcAll, lcMessages, lang}) {
        if (!locale.empty()) {
            return LocaleLanguage(locale).value_or(Language::Russian);
        }
    }
    return Language::Russian;
}

Language LanguageFromEnvironment() {
    return LanguageFromLocale(Variable("LANGUAGE"), Variable("LC_ALL"), Variable("LC_MESSAGES"),
                              Variable("LANG"));
}

}  // namespace orvik
