// Debug output to the debugger, through the system's debug string.
#include "platform/module/DebugOutput.h"

#include <windows.h>

#include "platform/module/win32/WideText.h"

namespace platform {

void WriteDebugOutput(std::string_view text) {
    OutputDebugStringW(Widened(text).c_str());
}

}  // namespace platform
