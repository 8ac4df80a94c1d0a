#pragma once

#include "device/prompt.h"

namespace orvik::gui {

// The device core's messages as message boxes titled "Орвик-683": errors with the error icon,
// the refused password with the warning icon, the unanswered register as a Retry/Cancel
// question. The boxes are application-modal and show the arrow cursor while they wait.
class MessageBoxPrompt : public device::IPrompt {
  public:
    void ShowError(const std::u16string& text) override;
    void ShowWarning(const std::u16string& text) override;
    void ShowInformation(const std::u16string& text) override;
    bool AskRetry(const std::u16string& text) override;
};

}  // namespace orvik::gui
