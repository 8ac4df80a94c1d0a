#pragma once

#include <QLocale>
#include <QString>

#include <string>
#include <string_view>

#include "res/string_table.h"

// Between the core's UTF-16 texts and Qt's: the one place the window converts them.
namespace orvik::gui {

inline QString Qt16(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u16string Std16(const QString& text) {
    return text.toStdU16String();
}

// A text of the string table.
inline QString LoadText(int stringId) {
    return Qt16(orvik::LoadString(stringId));
}

// The locale of the console's language, for the dates it writes out (the pseudo-language's
// dates are Russian: they are values, not texts).
inline QLocale ConsoleLocale() {
    switch (CurrentLanguage()) {
        case Language::Ukrainian:
            return QLocale(QLocale::Ukrainian, QLocale::Ukraine);
        case Language::English:
            return QLocale(QLocale::English, QLocale::UnitedKingdom);
        case Language::Russian:
        case Language::Pseudo:
            break;
    }
    return QLocale(QLocale::Russian, QLocale::Russia);
}

}  // namespace orvik::gui
