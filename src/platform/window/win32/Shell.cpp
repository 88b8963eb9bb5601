// Opening documents on Windows: the program the system registers for a file (FindExecutable),
// started through the shell (ShellExecuteEx) with its arguments each in quotation marks, and
// watched through its process handle; compiled help through the HTML Help viewer.
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

// Starts the program through the shell; its process handle, or null.
HANDLE Start(const std::string& program, const std::vector<std::string>& arguments) {
    const std::wstring file = Widened(program);
    const std::wstring parameters = Parameters(arguments);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    info.lpVerb = L"open";
    info.lpFile = file.c_str();
    info.lpParameters = parameters.c_str();
    info.nShow = SW_SHOWNORMAL;
    return ShellExecuteExW(&info) ? info.hProcess : nullptr;
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
    HANDLE process = Start(program, arguments);
    if (process == nullptr) {
        return false;
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

bool OpenCompiledHelp(const std::string& file, const std::string& request) {
    if (!IsDocument(file)) {
        return false;
    }
    return HtmlHelpW(GetDesktopWindow(), Widened(request).c_str(), HH_DISPLAY_TOPIC, 0) != nullptr;
}

}  // namespace platform
