// Our dialog templates as the in-memory extended dialog templates of the Windows API, in dialog
// units and with the template's font, so that the system maps the units itself.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/window/Resources.h"

namespace platform {

// The font that every dialog names in its template.
inline constexpr wchar_t kDialogFontName[] = L"MS Sans Serif";
inline constexpr WORD kDialogFontPoints = 8;

// The window and extended styles of a control of this kind and these styles.
struct ControlStyles {
    DWORD style = 0;
    DWORD exStyle = 0;
    WORD classAtom = 0;  // 0x80 button, 0x81 edit, 0x82 static
};
ControlStyles StylesOf(const ControlTemplate& control);

// The dialog's window styles; the window is made hidden and shown by the modal run.
DWORD DialogStyleOf(const DialogTemplate& dialog);
DWORD DialogExStyleOf(const DialogTemplate& dialog);

// A DLGTEMPLATEEX with its controls, DWORD-aligned as the system wants it.
std::vector<DWORD> WriteDialogTemplate(const DialogTemplate& dialog);

}  // namespace platform
