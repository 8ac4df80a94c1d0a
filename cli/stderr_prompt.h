#pragma once

#include "device/prompt.h"

namespace orvik::cli {

// The command line shows the core's messages on standard error and answers every Retry/Cancel
// question with Cancel: a script must not hang on a register that does not answer.
class StderrPrompt : public device::IPrompt {
  public:
    void ShowError(const std::u16string& text) override;
    void ShowWarning(const std::u16string& text) override;
    void ShowInformation(const std::u16string& text) override;
    bool AskRetry(const std::u16string& text) override;

    // Whether any message has been printed.
    bool ShownAny() const { return m_shown > 0; }

  private:
    void Print(const char* kind, const std::u16string& text);

    int m_shown = 0;
};

}  // namespace orvik::cli
