#include "console/text_format.h"

#include "res/string_table.h"

namespace orvik::console {

std::u16string FormatText(int id, std::initializer_list<std::u16string> arguments) {
    const std::u16string pattern = LoadString(id);
    std::u16string text;
    text.reserve(pattern.size());
    // One pass over the pattern, so that an argument holding "%2" stays as it is.
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char16_t next = i + 1 < pattern.size() ? pattern[i + 1] : u'\0';
        const auto index = static_cast<std::size_t>(next - u'1');
        if (pattern[i] == u'%' && next >= u'1' && next <= u'9' && index < arguments.size()) {
            text += *(arguments.begin() + index);
            ++i;
            continue;
        }
        text += pattern[i];
    }
    return text;
}

}  // namespace orvik::console
