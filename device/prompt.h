#pragma once

#include <string>

namespace orvik::device {

// How the device core shows its own messages. The console supplies message boxes titled
// "Орвик-683", the command-line front end prints to standard error and answers Cancel, and
// tests record what would have been shown.
class IPrompt {
  public:
    virtual ~IPrompt() = default;
    // An error box with one OK button; returns once the operator has closed it.
    virtual void ShowError(const std::u16string& text) = 0;
    // The same with a warning icon (the register refused the password).
    virtual void ShowWarning(const std::u16string& text) = 0;
    // An information box: what became of a receipt whose close got no answer, a receipt left
    // open that was cancelled. A prompt without one of its own shows a warning.
    virtual void ShowInformation(const std::u16string& text) { ShowWarning(text); }
    // An error box with Retry and Cancel; true when the operator chose Retry.
    virtual bool AskRetry(const std::u16string& text) = 0;
};

}  // namespace orvik::device
