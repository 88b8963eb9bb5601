// Trace lines for developers, on the platform's debug output.
#pragma once

#include "frame/Printf.h"
#include "platform/module/DebugOutput.h"

namespace qel::Windows {

// Formats the values into `format` and writes the text unchanged (formats carry their own line
// feed).
template <class... Values>
void Trace(const std::string& format, const Values&... values) {
    platform::WriteDebugOutput(FormatPrintf(format, values...));
}

}  // namespace qel::Windows
