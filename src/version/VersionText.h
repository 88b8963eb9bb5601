// A four-part file version and the short text that the program shows for it ("v1.02").
#pragma once

#include <cstdint>
#include <string>

namespace schattwerk {

struct FileVersion {
    std::uint16_t major = 0;
    std::uint16_t minor = 0;
    std::uint16_t release = 0;
    std::uint16_t build = 0;
};

// "v<major>.<minor, two digits at least>", then a letter for a non-zero release (1 = a, up to 30
// = '~', beyond that U+FFFD) and " (Build XXXX)" in upper-case hexadecimal for a non-zero build.
std::string FormatVersionText(const FileVersion& version);

}  // namespace schattwerk
