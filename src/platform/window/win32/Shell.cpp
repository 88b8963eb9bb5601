// Opening documents on Windows: the program the system registers for a file (FindExecutable),
// started through the shell (ShellExecuteEx) with its arguments each in quotation marks, and
// watched through its process handle; compiled help through the HTML Help viewer, loaded when
// first asked for.
#include "platform/window/Shell.h"

#include <windows.h>
// These need the base declarations first.
#include <htmlhelp.h>
#include <shellapi.h>

#include <filesystem>
#include <map>
#include <system_error>

#include "platform/module/Paths.h"
#include "platform/module/win32/WideText.h"
#include "platform/window/Dialog.h"
#include "platform/window/win32/Win32Window.h"

namespace platform {
namespace {

constexpr UINT kProcessEnded = WM_APP + 1;

bool IsDocument(const std::string& file) {
    std::error_code error;
    return std::filesystem::is_regular_file(FileSystemPath(file), error);
}

// One argument as the C runtime splits a command line: in quotation marks, with a backslash
// before each quotation mark and the backslashes that come before one doubled.
std::wstring Quoted(std::string_view argument) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : Widened(argument)) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, L'\\');
    return quoted + L"\"";
}

std::wstring Parameters(const std::vector<std::string>& arguments) {
    std::wstring line;
    for (const std::string& argument : arguments) {
        line += (line.empty() ? L"" : L" ") + Quoted(argument);
    }
    return line;
}

// A started program's handle turns signalled when it ends; the system's wait thread then posts to
// a window of the UI thread, which reports there and lets the handle go.
struct Watch {
    HANDLE process;
    HANDLE wait = nullptr;
    std::function<void(bool)> onEnded;
};

LRESULT CALLBACK WatchWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kProcessEnded) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    auto* watch = reinterpret_cast<Watch*>(lParam);
    DWORD code = 1;
    GetExitCodeProcess(watch->process, &code);
    UnregisterWaitEx(watch->wait, INVALID_HANDLE_VALUE);
    CloseHandle(watch->process);
    // The report may run a modal message box; the watch is done before it.
    const std::function<void(bool)> report = std::move(watch->onEnded);
    delete watch;
    report(code == 0);
    return 0;
}

HWND WatchWindow() {
    static HWND window = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &WatchWindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"SchattwerkProgramWatch";
        RegisterClassW(&windowClass);
        return CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                               nullptr, windowClass.hInstance, nullptr);
    }();
    return window;
}

void CALLBACK ProcessEnded(void* context, BOOLEAN /*timedOut*/) {
    PostMessageW(WatchWindow(), kProcessEnded, 0, reinterpret_cast<LPARAM>(context));
}

// Starts the program through the shell: its process handle, or null when the shell handed the
// start to a program already running; nothing when it failed.
std::optional<HANDLE> Start(const std::string& program, const std::vector<std::string>& arguments) {
    const std::wstring file = Widened(program);
    const std::wstring parameters = Parameters(arguments);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    info.lpVerb = L"open";
    info.lpFile = file.c_str();
    info.lpParameters = parameters.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&info)) {
        return std::nullopt;
    }
    return info.hProcess;
}

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

// The viewer's entry, once it has been asked for; null when it is not installed.
HtmlHelpFunction viewer = nullptr;
bool viewerLookedFor = false;

HtmlHelpFunction Viewer() {
    if (!viewerLookedFor) {
        viewerLookedFor = true;
        if (HMODULE library = LoadLibraryW(L"hhctrl.ocx")) {
            // Through the one function type that every other converts from without a warning.
            viewer = reinterpret_cast<HtmlHelpFunction>(
                reinterpret_cast<void (*)()>(GetProcAddress(library, "HtmlHelpW")));
        }
    }
    return viewer;
}

}  // namespace

std::optional<std::string> FindOpener(const std::string& file) {
    if (!IsDocument(file)) {
        return std::nullopt;
    }
    wchar_t program[MAX_PATH] = {};
    const auto found =
        reinterpret_cast<INT_PTR>(FindExecutableW(Widened(file).c_str(), nullptr, program));
    return found > 32 ? std::optional(Narrowed(program)) : std::nullopt;
}

bool StartWatched(const std::string& program, const std::vector<std::string>& arguments,
                  std::function<void(bool exitedWithZero)> onEnded) {
    const std::optional<HANDLE> started = Start(program, arguments);
    if (!started) {
        return false;
    }
    // A running program took the document: it is shown, and there is no process to watch.
    HANDLE process = *started;
    if (process == nullptr) {
        return true;
    }
    WatchWindow();
    auto* watch = new Watch{process, nullptr, std::move(onEnded)};
    if (!RegisterWaitForSingleObject(&watch->wait, process, &ProcessEnded, watch, INFINITE,
                                     WT_EXECUTEONLYONCE)) {
        // Unwatched, the program runs all the same.
        CloseHandle(process);
        delete watch;
    }
    return true;
}

bool OpenCompiledHelp(const std::string& file, const std::string& request, const Dialog* owner) {
    if (!IsDocument(file) || Viewer() == nullptr) {
        return false;
    }
    HWND ownerWindow = owner != nullptr ? ToHwnd(owner->Handle()) : nullptr;
    return viewer(ownerWindow != nullptr ? ownerWindow : GetDesktopWindow(),
                  Widened(request).c_str(), HH_DISPLAY_TOPIC, 0) != nullptr;
}

void CloseCompiledHelp() {
    if (viewer != nullptr) {
        viewer(nullptr, nullptr, HH_CLOSE_ALL, 0);
    }
}

}  // namespace platform
