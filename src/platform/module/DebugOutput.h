// Text for developers: the debugger output channel of this platform is standard error.
#pragma once

#include <string_view>

namespace platform {

// Writes the text unchanged; no line end is added.
void WriteDebugOutput(std::string_view text);

}  // namespace platform
