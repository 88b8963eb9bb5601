// What the window system's portable parts ask of its backend (Qt on Linux, the Windows API on
// Windows); each backend defines these in its own folder. Not for code outside the platform.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window/Dialog.h"
#include "platform/window/DialogUnits.h"
#include "platform/window/Sound.h"

namespace platform::backend {

// Which edge of a window a drag that made `before` into `after` moved; none when the size stayed.
// For window systems that report a resize only once it happened.
std::optional<SizingEdge> SizingEdgeBetween(const PixelRect& before, const PixelRect& after);

// `window` moved to the centre of `area`, then into `workArea` as far as it fits, its top left
// corner first: a window larger than its owner is not centred off the screen.
PixelRect CentredWithin(const PixelRect& window, const PixelRect& area, const PixelRect& workArea);

// The field in the row of `controls[label]` if that is a plain label: the first edit field or
// sunken label that starts at the label's top and is at least as tall. The label's text stands on
// the field's line.
std::optional<std::size_t> FieldInRow(const std::vector<ControlTemplate>& controls,
                                      std::size_t label);

// Gives texts the room they need, returning the client area's width: a control narrower than its
// `neededWidths` entry widens to the right, and the client area so far as to keep the template's
// right margin beside it; the client area is at least `captionWidth` wide, the controls centred in
// what the caption adds. Nothing becomes narrower than the template made it.
int GiveTextsRoom(std::vector<PixelRect>& controls, const std::vector<int>& neededWidths,
                  int clientWidth, int captionWidth);

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
