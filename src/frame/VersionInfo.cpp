// Version information through the platform's version-block reader.
#include "frame/VersionInfo.h"

#include <algorithm>
#include <cstdio>
#include <span>

#include "platform/module/VersionBlock.h"
#include "platform/module/VersionResource.h"
#include "version/VersionText.h"

namespace qel::Windows {
namespace {

constexpr std::uint16_t kDefaultCodePage = 0x04B0;
constexpr std::size_t kTranslationSize = 4;

std::uint16_t WordAt(std::span<const std::byte> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[at]) |
                                      static_cast<std::uint8_t>(bytes[at + 1]) << 8);
}

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
    std::uint16_t language = 0;
    std::uint16_t codePage = kDefaultCodePage;
    platform::VersionValue table;
    if (block && platform::QueryVersionValue(*block, "\\VarFileInfo\\Translation", table)) {
        const std::size_t count = table.data.size() / kTranslationSize;
        if (count > 0) {
            const std::size_t entry = (index < count ? index : 0) * kTranslationSize;
            language = WordAt(table.data, entry);
            codePage = WordAt(table.data, entry + 2);
        }
    }
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "\\StringFileInfo\\%04X%04X\\", language, codePage);
    stringPrefix = prefix;
}

bool VersionInfo::GetFixedVersion(std::uint16_t& major, std::uint16_t& minor,
                                  std::uint16_t& release, std::uint16_t& build) const {
    platform::VersionValue fixed;
    // Signature and structure version come first, then the file version, most significant half
    // first; the block reader has checked that the record is whole.
    if (!block || !platform::QueryVersionValue(*block, "\\", fixed) || fixed.data.empty()) {
        return false;
    }
    major = WordAt(fixed.data, 10);
    minor = WordAt(fixed.data, 8);
    release = WordAt(fixed.data, 14);
    build = WordAt(fixed.data, 12);
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
    platform::VersionValue value;
    if (!block || !platform::QueryVersionValue(*block, stringPrefix + name, value)) {
        return {};
    }
    std::string text = platform::VersionTextToUtf8(value.data);
    text.resize(std::min(text.size(), text.find('\0')));
    return text;
}

}  // namespace qel::Windows
