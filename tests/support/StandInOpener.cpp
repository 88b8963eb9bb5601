// What the recording stand-in program left behind, on every system.
#include "support/StandInOpener.h"

#include <chrono>
#include <fstream>
#include <thread>

namespace testsupport {

namespace fs = std::filesystem;

bool StandInOpener::WasStarted() const {
    return fs::exists(log);
}

std::vector<std::string> StandInOpener::WaitForArguments() {
    std::vector<std::string> lines;
    {
        // A loaded machine may take seconds to start a program under Wine, and on Windows the log
        // opens only once the stand-in has let go of it after renaming it.
        std::ifstream in;
        for (int i = 0; i < 3000 && !in.is_open(); ++i) {
            in.open(log);
            if (!in.is_open()) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        }
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
    }
    // Closed first: Windows removes no open file.
    fs::remove(log);
    return lines;
}

}  // namespace testsupport
