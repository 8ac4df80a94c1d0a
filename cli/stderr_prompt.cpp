#include "cli/stderr_prompt.h"

#include <cstdio>

#include "support/text_codec.h"

void CStderrPrompt::Print(const char* kind, const std::u16string& text) {
    ++m_shown;
    std::fprintf(stderr, "%s%s: %s\n", orvik::ToUtf8(kPromptTitle).c_str(), kind,
                 orvik::ToUtf8(text).c_str());
}

void CStderrPrompt::ShowError(const std::u16string& text) {
    Print("", text);
}

void CStderrPrompt::ShowWarning(const std::u16string& text) {
    Print(" (warning)", text);
}

bool CStderrPrompt::AskRetry(const std::u16string& text) {
    Print("", text);
    return false;
}
