// The window handles of the Windows backend are HWNDs; and the one way a message of the thread
// is handled, by a dialog's modal loop and by anything else that runs the messages (tests).
#pragma once

#include <windows.h>

#include <memory>
#include <string_view>
#include <type_traits>

#include "platform/window/Dialog.h"
#include "platform/window/DialogUnits.h"

namespace platform {

inline HWND ToHwnd(WindowHandle handle) {
    return reinterpret_cast<HWND>(handle);
}

inline WindowHandle ToHandle(HWND hwnd) {
    return reinterpret_cast<WindowHandle>(hwnd);
}

// Handles one message as a running dialog does: a key for one of its windows goes to the
// dialog's key hook first, then to dialog navigation, then to the window it was sent to.
void HandleMessage(MSG& message);

// Handles the messages that are waiting, without waiting for more.
void HandlePendingMessages();

// How many modal runs that began over the wait cursor are going on: the innermost dialog then
// shows the normal cursor, the others the wait cursor.
int NormalCursorDepth();

// How wide `text` is in `font` on one line as a button or a title bar draws it, an ampersand
// marking the next letter's key.
int OneLineTextWidth(HFONT font, std::string_view text);

struct FontDeleter {
    void operator()(HFONT font) const { DeleteObject(font); }
};
using OwnedFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

// Closes every window of the HTML Help viewer, if it was ever loaded: at the program's end.
void CloseCompiledHelp();

// The font that dialog templates name, at a resolution.
OwnedFont MakeDialogFont(int dpi);
// The dialog units of a font, as the system works them out for a dialog in it.
DialogUnits DialogUnitsOf(HFONT font);

}  // namespace platform
