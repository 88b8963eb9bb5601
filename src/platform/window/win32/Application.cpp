// The entry point on Windows, and what the application tells the system about itself.
#include "platform/window/Application.h"

#include <windows.h>
// These need the base declarations first.
#include <commctrl.h>
#include <objbase.h>
#include <shobjidl.h>

#include "platform/module/win32/WideText.h"
#include "platform/window/win32/Win32Window.h"

namespace platform {

// The taskbar groups the program's windows, and its shortcut, by this id.
void Application::SetDesktopFileName(const std::string& name) {
    SetCurrentProcessExplicitAppUserModelID(Widened(name).c_str());
}

// The system's own texts (an edit field's context menu) are in the user's language already.
void Application::LoadStandardTexts(const std::string& /*language*/) {
}

int RunApplication(int /*argc*/, char** /*argv*/, Application& application,
                   std::string_view /*noDisplayMessage*/) {
    // Screen readers' questions and the clipboard want the thread in an apartment.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    application.AttachModule(ModuleInstance::OfProcess());
    if (application.InitInstance()) {
        MSG message{};
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            HandleMessage(message);
        }
    }
    const int code = application.ExitInstance();
    CloseCompiledHelp();
    CoUninitialize();
    return code;
}

}  // namespace platform
