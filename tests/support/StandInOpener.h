// A stand-in for the desktop's opener: an `xdg-open` first on the search path that records the
// arguments it is started with.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

class StandInOpener {
  public:
    StandInOpener();
    ~StandInOpener();
    StandInOpener(const StandInOpener&) = delete;
    StandInOpener& operator=(const StandInOpener&) = delete;

    const std::filesystem::path& Folder() const { return folder; }
    std::filesystem::path Program() const { return folder / "xdg-open"; }
    // The arguments of the last start, waiting a while for the started process to write them.
    std::vector<std::string> WaitForArguments();
    bool WasStarted() const;

  private:
    std::filesystem::path folder;
    std::filesystem::path log;
    std::string oldPath;
};

}  // namespace testsupport
