// The version line from the program file's version resource, read through the platform.
#include "cli/VersionLine.h"

#include <array>
#include <cstdio>
#include <vector>

#include "platform/module/VersionResource.h"
#include "version/ProgramVersion.h"

namespace schattwerk {

std::optional<std::string> VersionLine(const std::string& programFile) {
    const std::uint32_t size = platform::VersionResourceSize(programFile);
    std::vector<std::byte> block(size);
    if (size == 0 || !platform::ReadVersionResource(programFile, block)) {
        return std::nullopt;
    }
    char productName[64];
    std::snprintf(productName, sizeof productName, "\\StringFileInfo\\%04X%04X\\ProductName",
                  kVersionLanguage, kVersionCodePage);
    const std::optional<std::string> product = platform::QueryVersionText(block, productName);
    const std::optional<std::array<std::uint16_t, 4>> fixed = platform::FixedFileVersion(block);
    if (!product || !fixed) {
        return std::nullopt;
    }
    return *product + " " + FormatVersionText({(*fixed)[0], (*fixed)[1], (*fixed)[2], (*fixed)[3]});
}

}  // namespace schattwerk
