// The recording stand-in for the browser on Windows: a copy of stand_in_program in a folder of
// its own, registered for .html pages while the stand-in lives.
#include "support/StandInOpener.h"

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "platform/module/win32/WideText.h"
#include "support/TestFiles.h"
#include "support/WindowInput.h"

namespace testsupport {
namespace {

namespace fs = std::filesystem;

// In the classes root, which Wine reads for associations (it keeps no per-user classes).
constexpr wchar_t kExtensionKey[] = L".html";
constexpr wchar_t kProgramKey[] = L"SchattwerkTest.StandIn";
constexpr wchar_t kCommandKey[] = L"SchattwerkTest.StandIn\\shell\\open\\command";

void SetDefaultValue(const wchar_t* key, const std::wstring& value) {
    RegSetKeyValueW(HKEY_CLASSES_ROOT, key, nullptr, REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

// The files "pid-<process id>" that each start of the stand-in leaves.
std::vector<fs::path> PidFiles(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        if (entry.path().filename().string().starts_with("pid-")) {
            files.push_back(entry.path());
        }
    }
    return files;
}

}  // namespace

StandInOpener::StandInOpener(std::string name, int exitStatus) : name(std::move(name) + ".exe") {
    folder = NewTemporaryFolder();
    log = folder / "arguments.log";
    fs::copy_file(STAND_IN_PROGRAM, Program());
    std::ofstream(folder / "status") << exitStatus;
    // Tests that use it never run at the same time (their CTest resource lock), so the one
    // association of the user is theirs while they run.
    SetDefaultValue(kExtensionKey, kProgramKey);
    SetDefaultValue(kCommandKey, L"\"" + Program().wstring() + L"\" \"%1\"");
    wchar_t path[32767] = {};
    GetEnvironmentVariableW(L"PATH", path, 32767);
    oldPath = platform::Narrowed(path);
}

StandInOpener::~StandInOpener() {
    SetEnvironmentVariableW(L"PATH", platform::Widened(oldPath).c_str());
    RegDeleteTreeW(HKEY_CLASSES_ROOT, kProgramKey);
    RegDeleteTreeW(HKEY_CLASSES_ROOT, kExtensionKey);
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

bool StandInOpener::WaitUntilReaped(std::size_t starts) {
    WaitForArguments();
    // A process stays while anyone holds a handle to it: once the watcher has let its handle go,
    // it cannot be opened any more.
    const bool reaped = WaitUntil([this, starts] {
        const std::vector<fs::path> started = PidFiles(folder);
        return started.size() >= starts &&
               std::none_of(started.begin(), started.end(), [](const fs::path& file) {
                   HANDLE process = OpenProcess(
                       SYNCHRONIZE, FALSE,
                       static_cast<DWORD>(std::stoul(file.filename().string().substr(4))));
                   if (process != nullptr) {
                       CloseHandle(process);
                   }
                   return process != nullptr;
               });
    });
    for (const fs::path& file : PidFiles(folder)) {
        std::error_code ignored;
        fs::remove(file, ignored);
    }
    return reaped;
}

void StandInOpener::SearchOnlyHere() const {
    SetEnvironmentVariableW(L"PATH", folder.wstring().c_str());
}

}  // namespace testsupport
