// Version information through the platform's version-block reader.
#include "frame/VersionInfo.h"

#include <cstdio>

#include "platform/module/VersionResource.h"
#include "version/VersionText.h"

namespace qel::Windows {
namespace {

constexpr std::uint16_t kDefaultCodePage = 0x04B0;

}  // namespace

bool VersionInfo::Load(const std::string& path, unsigned index) {
    Clear();
    const std::uint32_t size = platform::VersionResourceSize(path);
    if (size == 0) {
        return false;
    }
    block.emplace(size);
    if (!platform::ReadVersionResource(path, *block)) {
        Clear();
        return false;
    }
    SelectTranslation(index);
    return true;
}

void VersionInfo::Clear() {
    block.reset();
    stringPrefix.clear();
}

void VersionInfo::SelectTranslation(unsigned index) {
    std::optional<platform::VersionTranslation> translation;
    if (block) {
        translation = platform::TranslationAt(*block, index);
    }
    const platform::VersionTranslation selected =
        translation.value_or(platform::VersionTranslation{0, kDefaultCodePage});
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "\\StringFileInfo\\%04X%04X\\", selected.language,
                  selected.codePage);
    stringPrefix = prefix;
}

bool VersionInfo::GetFixedVersion(std::uint16_t& major, std::uint16_t& minor,
                                  std::uint16_t& release, std::uint16_t& build) const {
    const std::optional<std::array<std::uint16_t, 4>> fixed =
        block ? platform::FixedFileVersion(*block) : std::nullopt;
    if (!fixed) {
        return false;
    }
    major = (*fixed)[0];
    minor = (*fixed)[1];
    release = (*fixed)[2];
    build = (*fixed)[3];
    return true;
}

std::string VersionInfo::VersionText() const {
    schattwerk::FileVersion version;
    if (!GetFixedVersion(version.major, version.minor, version.release, version.build)) {
        return {};
    }
    return schattwerk::FormatVersionText(version);
}

std::string VersionInfo::QueryString(const std::string& name) const {
    return block ? platform::QueryVersionText(*block, stringPrefix + name).value_or("") : "";
}

}  // namespace qel::Windows
