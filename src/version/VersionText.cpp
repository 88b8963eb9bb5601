// Short version text of a file version.
#include "version/VersionText.h"

#include <cstdio>

namespace schattwerk {

std::string FormatVersionText(const FileVersion& version) {
    char text[64];
    int length = std::snprintf(text, sizeof text, "v%d.%02d", version.major, version.minor);
    std::string result(text, static_cast<std::size_t>(length));
    if (version.release != 0) {
        result += static_cast<char>(96 + version.release);
    }
    if (version.build != 0) {
        length = std::snprintf(text, sizeof text, " (Build %04X)", version.build);
        result.append(text, static_cast<std::size_t>(length));
    }
    return result;
}

}  // namespace schattwerk
