// What the window system's portable parts ask of its backend (Qt on Linux, the Windows API on
// Windows): each backend defines all of these in its own folder. Not for code outside the platform.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/window/Dialog.h"
#include "platform/window/DialogUnits.h"
#include "platform/window/Sound.h"

namespace platform::backend {

// The speaker's alert sound.
void SystemBeep(BeepSound sound);

// The units and the line height of the font that dialogs use unless a template says otherwise.
DialogUnits DefaultDialogUnits();
int DefaultLineHeight();

// A text as a read-only text control lays it out in the default dialog font, in pixels: without
// margins, words broken at blanks and, when one is longer than a line, anywhere. The ideal width
// is that of its longest line, unbroken.
int IdealTextWidth(std::string_view text);
int TextHeight(std::string_view text, int width);

// The work area of the screen that a dialog opens on: its owner's if that shows, else the
// primary one; empty without a screen.
PixelRect WorkAreaFor(const Dialog* owner);

// Puts `text` on the clipboard, lines ending as the system's programs expect.
void CopyToClipboard(std::string_view text);

// The string or accelerator table of this id in the program file itself, where the system keeps
// resources there (Windows); none where it does not (Qt), nor when the file has none of that id.
std::optional<std::string> ProgramFileString(unsigned id);
std::optional<AcceleratorTable> ProgramFileAccelerators(int id);

// Shows the normal cursor while it lives, when the wait cursor is shown: a window that waits for
// the user does not look busy while the command that opened it still works.
class NormalCursor {
  public:
    NormalCursor();
    ~NormalCursor();
    NormalCursor(const NormalCursor&) = delete;
    NormalCursor& operator=(const NormalCursor&) = delete;

  private:
    bool active;
};

}  // namespace platform::backend
