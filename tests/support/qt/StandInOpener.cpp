// The recording stand-in for the desktop's opener on Linux: a script first on the search path.
#include "support/StandInOpener.h"

#include <signal.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>

#include "support/TestFiles.h"
#include "support/WindowInput.h"

namespace testsupport {

namespace fs = std::filesystem;

StandInOpener::StandInOpener(std::string name, int exitStatus) : name(std::move(name)) {
    folder = NewTemporaryFolder();
    log = folder / "arguments.log";
    // Its own search path, since a test may leave nothing else on the caller's.
    std::ofstream(Program()) << "#!/bin/sh\nPATH=/usr/bin:/bin\necho $$ >> '" << folder.string()
                             << "/pids'\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '"
                             << log.string() << ".tmp' && mv '" << log.string() << ".tmp' '"
                             << log.string() << "'\nexit " << exitStatus << "\n";
    fs::permissions(Program(), fs::perms::owner_all);
    const char* path = std::getenv("PATH");
    oldPath = path == nullptr ? "" : path;
    setenv("PATH", (folder.string() + ":" + oldPath).c_str(), 1);
}

StandInOpener::~StandInOpener() {
    setenv("PATH", oldPath.c_str(), 1);
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

bool StandInOpener::WaitUntilReaped(std::size_t starts) {
    WaitForArguments();
    const fs::path pids = folder / "pids";
    // kill(pid, 0) reaches a zombie too; only a reaped process is gone.
    const bool reaped = WaitUntil([&pids, starts] {
        std::ifstream in(pids);
        std::size_t started = 0;
        for (pid_t pid = 0; in >> pid; ++started) {
            if (::kill(pid, 0) == 0 || errno != ESRCH) {
                return false;
            }
        }
        return started >= starts;
    });
    std::error_code ignored;
    fs::remove(pids, ignored);
    return reaped;
}

void StandInOpener::SearchOnlyHere() const {
    setenv("PATH", folder.c_str(), 1);
}

}  // namespace testsupport
