#include "console/stderr_prompt.h"

#include <cstdio>

#include "res/string_table.h"
#include "support/text_codec.h"

namespace orvik::console {

StderrPrompt::StderrPrompt() : m_label(support::ToUtf8(LoadString(kStrPromptTitle))) {}

void StderrPrompt::Print(const char* kind, const std::u16string& text) {
    ++m_shown;
    std::fprintf(stderr, "%s%s: %s\n", m_label.c_str(), kind, support::ToUtf8(text).c_str());
}

void StderrPrompt::ShowError(const std::u16string& text) {
    Print("", text);
}

void StderrPrompt::ShowWarning(const std::u16string& text) {
    Print(" (warning)", text);
}

bool StderrPrompt::AskRetry(const std::u16string& text) {
    Print("", text);
    return false;
}

}  // namespace orvik::console
