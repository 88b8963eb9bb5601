// Debug output to standard error.
#include "platform/module/DebugOutput.h"

#include <cstdio>

namespace platform {

void WriteDebugOutput(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

}  // namespace platform
