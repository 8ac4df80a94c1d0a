#pragma once

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

}  // namespace orvik::gui
