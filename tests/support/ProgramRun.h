// Runs a built program as a user would: chosen arguments, bytes on standard input, and its
// standard output and error read back, or its standard output sent to a file such as /dev/full.
// On Windows the output's lines end in LF as on Linux: the program's CR LF is read back as LF.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

struct ProgramRun {
    int exitCode = -1;  // the exit status, or on Linux 128 + the signal that ended it
    std::string out;
    std::string err;
};

// `environment` changes the test's own environment for the run: "NAME=value" sets a variable,
// "NAME" alone removes it.
ProgramRun RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                      const std::string& input = {}, const std::filesystem::path& outputFile = {},
                      const std::vector<std::string>& environment = {});

}  // namespace testsupport
