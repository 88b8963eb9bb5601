// Icons at any size: the program file's icon resources hold images of several sizes, and so do
// the system's message icons.
#include "platform/window/win32/Win32Icon.h"

namespace platform {
namespace {

const wchar_t* SystemIconName(SystemIcon icon) {
    switch (icon) {
        case SystemIcon::Stop:
            return IDI_HAND;
        case SystemIcon::Exclamation:
            return IDI_EXCLAMATION;
        case SystemIcon::Information:
            return IDI_ASTERISK;
        case SystemIcon::None:
            break;
    }
    return nullptr;
}

}  // namespace

HICON MakeHicon(const Icon& icon, int side) {
    if (icon.ResourceId() != 0) {
        return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                             MAKEINTRESOURCEW(icon.ResourceId()), IMAGE_ICON, side,
                                             side, LR_DEFAULTCOLOR));
    }
    const wchar_t* name = SystemIconName(icon.System());
    if (name == nullptr) {
        return nullptr;
    }
    // The system's icons load shared, at one size; a copy made from their resource has the size
    // asked for, and is the caller's.
    HANDLE shared = LoadImageW(nullptr, name, IMAGE_ICON, 0, 0, LR_SHARED | LR_DEFAULTSIZE);
    return static_cast<HICON>(CopyImage(shared, IMAGE_ICON, side, side, LR_COPYFROMRESOURCE));
}

}  // namespace platform
