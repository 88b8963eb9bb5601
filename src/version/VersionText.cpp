// Short version text of a file version.
#include "version/VersionText.h"

#include <cstdio>

namespace schattwerk {

std::string FormatVersionText(const FileVersion& version) {
    char text[64];
    int length = std::snprintf(text, sizeof text, "v%d.%02d", version.major, version.minor);
    std::string result(text, static_cast<std::size_t>(length));
    if (version.release != 0) {
        // Past '~' the release has no letter of its own; a stray byte or a zero in the text would
        // break it, so it shows as the replacement character.
        const int letter = 96 + version.release;
        result += letter <= '~' ? std::string(1, static_cast<char>(letter)) : "\uFFFD";
    }
    if (version.build != 0) {
        length = std::snprintf(text, sizeof text, " (Build %04X)", version.build);
        result.append(text, static_cast<std::size_t>(length));
    }
    return result;
}

}  // namespace schattwerk
