// Running a program with files for its standard streams, so no pipe can fill up and block it.
#include "support/ProgramRun.h"

#include <span>

#include "support/ProcessStart.h"
#include "support/TestFiles.h"

namespace testsupport {

ProgramRun RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                      const std::string& input, const std::filesystem::path& outputFile,
                      const std::vector<std::string>& environment) {
    const ConfigFolder scratch;
    const StreamFiles streams{scratch.Path() / "in",
                              outputFile.empty() ? scratch.Path() / "out" : outputFile,
                              scratch.Path() / "err"};
    WriteFile(streams.in, std::as_bytes(std::span(input)));
    ProgramRun run;
    run.exitCode = RunWithStreams(program, args, streams, environment);
    run.out = outputFile.empty() ? ReadBackOutput(streams.out) : std::string();
    run.err = ReadBackOutput(streams.err);
    return run;
}

}  // namespace testsupport
