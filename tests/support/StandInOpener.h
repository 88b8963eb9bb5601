// A stand-in for a desktop program, by default the opener that help starts: on Linux `xdg-open`,
// first on the search path; on Windows the program registered for .html pages. It records the
// arguments it is started with and exits with a chosen status.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

class StandInOpener {
  public:
    explicit StandInOpener(std::string name = "xdg-open", int exitStatus = 0);
    ~StandInOpener();
    StandInOpener(const StandInOpener&) = delete;
    StandInOpener& operator=(const StandInOpener&) = delete;

    const std::filesystem::path& Folder() const { return folder; }
    std::filesystem::path Program() const { return folder / name; }
    // The arguments of the last start, waiting a while for the started process to write them.
    std::vector<std::string> WaitForArguments();
    bool WasStarted() const;
    // Takes the last start's arguments, runs the window system's events until `starts` processes
    // have been started and each has ended and been reaped by its parent (none is left as a
    // zombie), then lets the events still pending run; false after a while. The next call waits
    // for the starts that follow.
    bool WaitUntilReaped(std::size_t starts = 1);
    // Leaves only the stand-in's folder on the search path, until the stand-in is gone.
    // (Windows: `name` gets ".exe".)
    void SearchOnlyHere() const;

  private:
    std::string name;
    std::filesystem::path folder;
    std::filesystem::path log;
    std::string oldPath;
};

}  // namespace testsupport
