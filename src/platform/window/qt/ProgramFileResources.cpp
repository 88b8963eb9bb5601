// On Linux the program file keeps no resources of the system's kind: the installed tables are all
// there is.
#include "platform/window/Backend.h"

namespace platform::backend {

std::optional<std::string> ProgramFileString(unsigned /*id*/) {
    return std::nullopt;
}

std::optional<AcceleratorTable> ProgramFileAccelerators(int /*id*/) {
    return std::nullopt;
}

}  // namespace platform::backend
