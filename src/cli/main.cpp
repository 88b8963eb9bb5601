// `schattwerk`: new cases for the deduction game on the command line.
#include <unistd.h>

#include <iostream>

#include "cli/CommandLine.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const auto inputDevice = isatty(STDIN_FILENO) != 0 ? schattwerk::InputDevice::Terminal
                                                       : schattwerk::InputDevice::FileOrPipe;
    return schattwerk::RunCommandLine(argc, argv, std::cin, std::cout, std::cerr, inputDevice);
}
