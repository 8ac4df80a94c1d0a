#pragma once

#include <QString>

#include <memory>
#include <optional>
#include <vector>

#include "res/language.h"

class QTranslator;

// The console's language: chosen at start from "--lang", else the choice saved by "Вид" →
// "Язык", else the locale variables; put in force for the string table, the window's own
// texts (the .ui layouts, compiled into the program) and Qt's own dialogs (Debian's Qt
// translations).
namespace orvik::gui {

// The value of "--lang LANG" or "--lang=LANG" among the program's arguments. Nothing when the
// option is not given; error set when it is given without one of "ru", "uk" and "en".
std::optional<Language> LanguageOption(int argc, char** argv, QString* error);

// The language saved in the user's configuration (~/.config/orvik/orvik-console.conf), if any.
std::optional<Language> SavedLanguage();
void SaveLanguage(Language language);

// The language the console starts in.
Language StartLanguage(std::optional<Language> option);

// Puts a language in force while it lives: the string table's, the window's own translation and
// Qt's; then the one before it again. Made before the window: texts already shown stay as they
// are.
class LanguageScope {
  public:
    explicit LanguageScope(Language language);
    ~LanguageScope();
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;

  private:
    Language m_previous;
    std::vector<std::unique_ptr<QTranslator>> m_translators;
};

}  // namespace orvik::gui
