// The standard streams of a POSIX system carry UTF-8 as they are.
#include "platform/console/Console.h"

#include <unistd.h>

#include <iostream>

namespace platform {

class Console::Streams {};

Console::Console(int argc, char** argv) : arguments(argv, argv + argc) {
    PointAtArguments();
}

Console::~Console() = default;

std::istream& Console::In() {
    return std::cin;
}

std::ostream& Console::Out() {
    return std::cout;
}

std::ostream& Console::Err() {
    return std::cerr;
}

bool Console::InputIsTerminal() const {
    return isatty(STDIN_FILENO) != 0;
}

}  // namespace platform
