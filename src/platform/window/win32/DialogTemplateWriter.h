// Our dialog templates as the dialog templates of the Windows API, in dialog units and with the
// dialogs' font unless they take the system's, so that the system maps the units itself; the
// same bytes whether written here or compiled into the program file from its resource script.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/window/Resources.h"

namespace platform {

// The font that every dialog names in its template, unless it takes the system font.
inline constexpr wchar_t kDialogFontName[] = L"MS Sans Serif";
inline constexpr WORD kDialogFontPoints = 8;

// The window and extended styles of a control of this kind and these styles.
struct ControlStyles {
    DWORD style = 0;
    DWORD exStyle = 0;
    WORD classAtom = 0;  // 0x80 button, 0x81 edit, 0x82 static
};
ControlStyles StylesOf(const ControlTemplate& control);

DWORD DialogStyleOf(const DialogTemplate& dialog);
DWORD DialogExStyleOf(const DialogTemplate& dialog);

// A DLGTEMPLATEEX or a DLGTEMPLATE with its controls, each item starting on a DWORD as the system
// wants it: the menu and an icon label's icon named by their resource ids.
std::vector<WORD> WriteDialogTemplate(const DialogTemplate& dialog);

}  // namespace platform
