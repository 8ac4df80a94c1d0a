#pragma once

#include <string>

// Every user-visible text of the program lives here under its numeric id.
namespace orvik {

// The text with the given id, or nullptr when the table has no such string.
const char16_t* FindString(int id);

// The text with the given id, or the empty text when the table has no such string.
std::u16string LoadString(int id);

// Ids the code refers to by name.
enum StringId : int {
    kStrNoAnswer = 1003,
    kStrPasswordRefused = 1004,
    kStrTaxLetters = 1017,
    kStrPortOpenFailed = 3012,
};

}  // namespace orvik
