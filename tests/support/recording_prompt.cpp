#include "tests/support/recording_prompt.h"

#include <algorithm>

void RecordingPrompt::ShowError(const std::u16string& text) {
    entries.push_back({Kind::Error, text});
}

void RecordingPrompt::ShowWarning(const std::u16string& text) {
    entries.push_back({Kind::Warning, text});
}

void RecordingPrompt::ShowInformation(const std::u16string& text) {
    entries.push_back({Kind::Information, text});
}

bool RecordingPrompt::AskRetry(const std::u16string& text) {
    entries.push_back({Kind::Question, text});
    if (retryAnswers.empty()) {
        return false;
    }
    const bool answer = retryAnswers.front();
    retryAnswers.erase(retryAnswers.begin());
    return answer;
}

int RecordingPrompt::Count(Kind kind) const {
    return static_cast<int>(std::count_if(entries.begin(), entries.end(),
                                          [kind](const Entry& e) { return e.kind == kind; }));
}
