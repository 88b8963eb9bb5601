// `schattwerk`: new cases for the deduction game on the command line.
#include <iostream>

#include "cli/CommandLine.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    return schattwerk::RunCommandLine(argc, argv, std::cin, std::cout, std::cerr);
}
