// The command line of `schattwerk`: parses the arguments and runs one command.
#pragma once

#include <iosfwd>

namespace schattwerk {

enum ExitCode { ExitSuccess = 0, ExitCaseError = 1, ExitUsage = 2 };

// Returns the process's exit code; all output goes to `out` and `err`.
int RunCommandLine(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                   std::ostream& err);

}  // namespace schattwerk
