// `stand_in_program`: what the tests register as the browser on Windows. It leaves a file named
// for its process id and then, one per line in UTF-8, its arguments beside itself, and exits with
// the status that the file "status" there names (0 without one).
#include <windows.h>
// These need the base declarations first.
#include <shellapi.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/module/win32/WideText.h"

int main() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::filesystem::path folder = std::filesystem::path(self).parent_path();
    // A file of its own, since several may start at once.
    std::ofstream(folder / ("pid-" + std::to_string(GetCurrentProcessId())));
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    {
        std::ofstream log(folder / "arguments.log.tmp", std::ios::binary);
        for (int i = 1; i < count; ++i) {
            log << platform::Narrowed(arguments[i]) << '\n';
        }
    }
    LocalFree(arguments);
    // Whole or not at all: the test waits for the log to appear.
    std::filesystem::rename(folder / "arguments.log.tmp", folder / "arguments.log");
    int status = 0;
    std::ifstream(folder / "status") >> status;
    return status;
}
