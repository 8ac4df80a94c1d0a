#include "cli/stderr_prompt.h"

#include <cstdio>

#include "support/text_codec.h"

namespace orvik::cli {

void StderrPrompt::Print(const char* kind, const std::u16string& text) {
    ++m_shown;
    std::fprintf(stderr, "%s%s: %s\n", orvik::support::ToUtf8(device::kPromptTitle).c_str(), kind,
                 orvik::support::ToUtf8(text).c_str());
}

void StderrPrompt::ShowError(const std::u16string& text) {
    Print("", text);
}

void StderrPrompt::ShowWarning(const std::u16string& text) {
    Print(" (warning)", text);
}

void StderrPrompt::ShowInformation(const std::u16string& text) {
    Print("", text);
}

bool StderrPrompt::AskRetry(const std::u16string& text) {
    Print("", text);
    return false;
}

}  // namespace orvik::cli
