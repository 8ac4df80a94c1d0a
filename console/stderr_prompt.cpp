#include "console/stderr_prompt.h"

#include <algorithm>
#include <cstdio>

#include "res/string_table.h"
#include "support/text_codec.h"

namespace orvik::console {

namespace {
bool g_lineOpen = false;
}  // namespace

StderrPrompt::StderrPrompt() : m_label(support::ToUtf8(LoadString(kStrPromptTitle))) {}

void StderrPrompt::SetLineOpen(bool open) {
    g_lineOpen = open;
}

void StderrPrompt::EndOpenLine() {
    if (g_lineOpen) {
        // Back to the start of the line and erase it.
        std::fputs("\r\033[K", stderr);
        g_lineOpen = false;
    }
}

namespace {

std::vector<StderrPrompt::Printed>& Record() {
    static std::vector<StderrPrompt::Printed> printed;
    return printed;
}

}  // namespace

const std::vector<StderrPrompt::Printed>& StderrPrompt::AllPrinted() {
    return Record();
}

void StderrPrompt::Print(const char* kind, const char* recordedKind, const std::u16string& text) {
    ++m_shown;
    if (std::find(m_printed.begin(), m_printed.end(), text) != m_printed.end()) {
        return;
    }
    m_printed.push_back(text);
    Record().push_back({recordedKind, text});
    EndOpenLine();
    std::fprintf(stderr, "%s%s: %s\n", m_label.c_str(), kind,
                 support::EscapeControls(support::ToUtf8(text)).c_str());
}

void StderrPrompt::ShowError(const std::u16string& text) {
    Print("", "error", text);
}

void StderrPrompt::ShowWarning(const std::u16string& text) {
    Print(" (warning)", "warning", text);
}

void StderrPrompt::ShowInformation(const std::u16string& text) {
    Print("", "information", text);
}

bool StderrPrompt::AskRetry(const std::u16string& text) {
    Print("", "question", text);
    return false;
}

}  // namespace orvik::console
