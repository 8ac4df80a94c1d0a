#pragma once

#include <string>
#include <vector>

#include "device/prompt.h"

// Records every box the core would show; answers Retry/Cancel questions from a script.
class RecordingPrompt : public orvik::device::IPrompt {
  public:
    enum class Kind { Error, Warning, Information, Question };
    struct Entry {
        Kind kind;
        std::u16string text;
    };

    void ShowError(const std::u16string& text) override;
    void ShowWarning(const std::u16string& text) override;
    void ShowInformation(const std::u16string& text) override;
    bool AskRetry(const std::u16string& text) override;

    // Answers for the coming questions, in order; once used up, questions are cancelled.
    std::vector<bool> retryAnswers;
    std::vector<Entry> entries;

    int Count(Kind kind) const;
};
