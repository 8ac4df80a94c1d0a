#pragma once

#include <string>
#include <vector>

#include "device/prompt.h"

namespace orvik::console {

// Shows the core's messages on standard error and answers every Retry/Cancel question with
// Cancel, so that nothing run without an operator (the command line, the window's test
// driver) can hang on a register that does not answer. Each message is one line:
// "LABEL: text", or "LABEL (warning): text"; the label is the box title "Орвик-683" unless
// another is given.
class StderrPrompt : public device::IPrompt {
  public:
    StderrPrompt();
    explicit StderrPrompt(std::string label) : m_label(std::move(label)) {}

    void ShowError(const std::u16string& text) override;
    void ShowWarning(const std::u16string& text) override;
    void ShowInformation(const std::u16string& text) override;
    bool AskRetry(const std::u16string& text) override;

    // Whether any message has been printed.
    bool ShownAny() const { return m_shown > 0; }

    // Every message printed by any prompt of this process, in order, for a program that reports
    // them once more at its end (orvik-cli --json). kind: "error", "warning", "information" or
    // "question".
    struct Printed {
        const char* kind;
        std::u16string text;
    };
    static const std::vector<Printed>& AllPrinted();

    // A progress line left open on standard error (it ends in "\r", not a line end): a
    // message printed meanwhile first clears it. EndOpenLine clears it.
    static void SetLineOpen(bool open);
    static void EndOpenLine();

  private:
    void Print(const char* kind, const char* recordedKind, const std::u16string& text);

    std::string m_label;
    int m_shown = 0;
    // The texts printed so far: the cancel that follows a refusal often meets the same
    // condition again, and a script's reader wants each message once.
    std::vector<std::u16string> m_printed;
};

}  // namespace orvik::console
