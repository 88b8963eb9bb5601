// The values of a version block that every reader wants: the file version and texts.
#include <algorithm>

#include "platform/module/VersionResource.h"

namespace platform {
namespace {

std::uint16_t WordAt(std::span<const std::byte> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[at]) |
                                      static_cast<std::uint8_t>(bytes[at + 1]) << 8);
}

// Signature and structure version come first, then the file version, most significant half
// first.
constexpr std::size_t kFileVersionEnd = 16;
constexpr std::size_t kTranslationSize = 4;

}  // namespace

std::optional<std::array<std::uint16_t, 4>> FixedFileVersion(std::span<const std::byte> block) {
    VersionValue fixed;
    if (!QueryVersionValue(block, "\\", fixed) || fixed.data.size() < kFileVersionEnd) {
        return std::nullopt;
    }
    return std::array{WordAt(fixed.data, 10), WordAt(fixed.data, 8), WordAt(fixed.data, 14),
                      WordAt(fixed.data, 12)};
}

std::optional<VersionTranslation> TranslationAt(std::span<const std::byte> block, unsigned index) {
    VersionValue table;
    if (!QueryVersionValue(block, "\\VarFileInfo\\Translation", table)) {
        return std::nullopt;
    }
    const std::size_t count = table.data.size() / kTranslationSize;
    if (count == 0) {
        return std::nullopt;
    }
    const std::size_t entry = (index < count ? index : 0) * kTranslationSize;
    return VersionTranslation{WordAt(table.data, entry), WordAt(table.data, entry + 2)};
}

std::optional<std::string> QueryVersionText(std::span<const std::byte> block,
                                            std::string_view subBlock) {
    VersionValue value;
    if (!QueryVersionValue(block, subBlock, value)) {
        return std::nullopt;
    }
    std::string text = VersionTextToUtf8(value.data);
    text.resize(std::min(text.size(), text.find('\0')));
    return text;
}

}  // namespace platform
