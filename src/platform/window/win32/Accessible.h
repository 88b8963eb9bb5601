// What screen readers hear of a window: a name that the program gives it, and a window that is
// an alert, answered through MSAA's IAccessible on top of the system's own object for it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace platform {

// From now on the window's accessible name is what `name` gives when asked; its role stays.
void NameForScreenReaders(HWND window, std::function<std::string()> name);

// The window is announced as an alert whose name is `text`.
void AnnounceAsAlert(HWND window, std::string text);

}  // namespace platform
