#pragma once

#include <string>
#include <vector>

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

    // A progress line left open on standard error (it ends in "\r", not a line end): a
    // message printed meanwhile first clears it. EndOpenLine clears it.
    static void SetLineOpen(bool open);
    static void EndOpenLine();

  private:
    void Print(const char* kind, const std::u16string& text);

    int m_shown = 0;
    // The texts printed so far: the cancel that follows a refusal often meets the same
    // condition again, and a script's reader wants each message once.
    std::vector<std::u16string> m_printed;
};

}  // namespace orvik::cli
