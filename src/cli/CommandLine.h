// The command line of `schattwerk`: parses the arguments and runs one command.
#pragma once

#include <iosfwd>
#include <span>
#include <string>

#include "cli/HintInput.h"

namespace schattwerk {

enum ExitCode { ExitSuccess = 0, ExitCaseError = 1, ExitUsage = 2 };

// Returns the process's exit code; all output goes to `out` and `err`. `inputDevice` says how
// `in` ends: a terminal answers line by line and ends only when the user says so. `--version`
// reads the version resource of `programFile`, the program's own file.
int RunCommandLine(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                   std::ostream& err, InputDevice inputDevice = InputDevice::FileOrPipe,
                   const std::string& programFile = {});

// `schattwerk decode` once its options are parsed: the eight `numbers`, or none or "-" for
// numbers on `in`. Prints the case with its solution; errors 100 and 101 exit with
// ExitCaseError, wrong numbers or a wrong count with ExitUsage.
int RunDecode(std::span<const std::string> numbers, bool json, std::istream& in,
              InputDevice inputDevice, std::ostream& out, std::ostream& err);

}  // namespace schattwerk
