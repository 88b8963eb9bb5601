// The platform's standard message box: an icon, a text and an OK button, captioned with the
// application's name. Ctrl+C copies the box as the system's own message boxes do.
#pragma once

#include <string>
#include <string_view>

#include "platform/window/Dialog.h"

namespace platform {

class StandardMessageBox : public Dialog {
  public:
    StandardMessageBox(Dialog* owner, std::string_view text, SystemIcon icon);

  protected:
    bool OnInitDialog() override;
    bool PreTranslateKey(const KeyPress& key) override;

  private:
    SystemIcon icon;
    std::string text;
};

// Shows the box modally and returns once it is closed (1).
int ShowStandardMessage(Dialog* owner, std::string_view text, SystemIcon icon);

}  // namespace platform
