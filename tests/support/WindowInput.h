// What a user does to a running dialog, and what the window system shows of it, for window tests:
// the same calls on every backend of the window system.
#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "platform/window/Dialog.h"
#include "platform/window/DialogUnits.h"

namespace testsupport {

// Presses a key (a virtual-key code, as platform/window/Keys.h names them; digits and letters
// are their own codes) on the dialog's focused control, or the window.
void PressKey(platform::Dialog& dialog, int virtualKey,
              unsigned modifiers = platform::ModifierNone);
// Types text into a control, key by key.
void TypeText(platform::Dialog& dialog, int controlId, const std::string& text);
// Pastes `text` from the clipboard into a field where its caret stands, over its selection if any.
void PasteAtCaret(platform::Dialog& dialog, int controlId, const std::string& text);
// Focuses a field, selects its text and pastes `text` over it from the clipboard.
inline void PasteText(platform::Dialog& dialog, int controlId, const std::string& text) {
    dialog.FocusItem(controlId);
    dialog.SelectItemText(controlId);
    PasteAtCaret(dialog, controlId, text);
}
// The text on the clipboard, lines ending in LF.
std::string ClipboardText();
// Clicks a push button.
void Click(platform::Dialog& dialog, int controlId);
// Triggers the menu item with this text (mnemonics included, as in the menu template).
void TriggerMenuItem(platform::Dialog& dialog, const std::string& text);
// Clicks the window's close box.
void CloseWindow(platform::Dialog& dialog);
// Resizes the window as a drag of its bottom right corner would.
void ResizeWindow(platform::Dialog& dialog, int width, int height);
// Moves the window's top left corner.
void MoveWindow(platform::Dialog& dialog, int left, int top);

bool IsShown(const platform::Dialog& dialog);
// Whether a text control shows all of its text: no line cut off at the right, nothing to scroll;
// whether a button has room for its text within its border.
bool ShowsWholeText(const platform::Dialog& dialog, int controlId);
// The lowest row of the control's text as drawn, in its dialog's client area: for a text without
// descenders the row just above its baseline; -1 when nothing is drawn.
int TextBottom(const platform::Dialog& dialog, int controlId);
// The dialog units of the system font, which a template that names no font is laid out in.
platform::DialogUnits SystemFontDialogUnits();
// The work area of the primary screen.
platform::PixelRect ScreenWorkArea();
// What a screen reader calls the control; control 0 is the window itself.
std::string AccessibleName(const platform::Dialog& dialog, int controlId);
// Whether a screen reader announces the window as an alert.
bool IsAnnouncedAsAlert(const platform::Dialog& dialog);
// Whether the cursor over the windows is the wait cursor.
bool ShowsWaitCursor();

// Runs the window system's events until `done` holds; false when it still does not after
// `timeout`.
bool WaitUntil(const std::function<bool()>& done,
               std::chrono::milliseconds timeout = std::chrono::seconds(30));

}  // namespace testsupport
