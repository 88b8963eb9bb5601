// What each system does for RunProgram: start a program on files for its standard streams and
// wait for it, and read an output file back as the program meant its text.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

struct StreamFiles {
    std::filesystem::path in;
    std::filesystem::path out;
    std::filesystem::path err;
};

// The exit status, or on Linux 128 + the signal that ended it.
int RunWithStreams(const std::filesystem::path& program, const std::vector<std::string>& args,
                   const StreamFiles& streams, const std::vector<std::string>& environment);

std::string ReadBackOutput(const std::filesystem::path& path);

}  // namespace testsupport
