// `schattwerk`: new cases for the deduction game on the command line.
#include <iostream>

#include "cli/CommandLine.h"
#include "platform/console/Console.h"
#include "platform/module/Module.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    platform::Console console(argc, argv);
    const auto inputDevice = console.InputIsTerminal() ? schattwerk::InputDevice::Terminal
                                                       : schattwerk::InputDevice::FileOrPipe;
    return schattwerk::RunCommandLine(console.ArgumentCount(), console.Arguments(), console.In(),
                                      console.Out(), console.Err(), inputDevice,
                                      platform::ModuleInstance::OfProcess().FileName());
}
