// The wait cursor on Windows: set at once, and kept by the dialogs' WM_SETCURSOR while it shows.
#include "platform/window/WaitCursor.h"

#include <windows.h>

#include "platform/window/Backend.h"
#include "platform/window/win32/Win32Window.h"

namespace platform {
namespace {

bool shown = false;
int normalDepth = 0;

void Show(const wchar_t* cursor) {
    SetCursor(LoadCursorW(nullptr, cursor));
}

}  // namespace

void ShowWaitCursor() {
    shown = true;
    Show(normalDepth > 0 ? IDC_ARROW : IDC_WAIT);
}

void HideWaitCursor() {
    if (shown) {
        shown = false;
        Show(IDC_ARROW);
    }
}

bool IsWaitCursorShown() {
    return shown;
}

int NormalCursorDepth() {
    return normalDepth;
}

namespace backend {

NormalCursor::NormalCursor() : active(IsWaitCursorShown()) {
    if (active) {
        ++normalDepth;
        Show(IDC_ARROW);
    }
}

NormalCursor::~NormalCursor() {
    if (active) {
        --normalDepth;
        if (shown && normalDepth == 0) {
            Show(IDC_WAIT);
        }
    }
}

}  // namespace backend
}  // namespace platform
