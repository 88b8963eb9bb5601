// The version resource of a file given by path, and its values: the block that the build gives
// each executable, read without trusting anything the file says.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/module/VersionBlock.h"

namespace platform {

// The size in bytes of the version block of the file at `path`; 0 when the file is missing,
// unreadable, not a regular file, or holds no well-formed block.
std::uint32_t VersionResourceSize(const std::string& path);

// Copies the file's version block into `block`, which must be large enough for it (see
// VersionResourceSize); false when the file holds no block or the block does not fit.
bool ReadVersionResource(const std::string& path, std::span<std::byte> block);

// The value at `subBlock` of a block that ReadVersionResource gave, for example
// "\StringFileInfo\040704B0\ProductName"; a text's data is UTF-16LE and ends with its
// terminating zero when the block stores one. False when there is no such value.
bool QueryVersionValue(std::span<const std::byte> block, std::string_view subBlock,
                       VersionValue& value);

// What the fixed file information says: major, minor, release and build; none without it.
std::optional<std::array<std::uint16_t, 4>> FixedFileVersion(std::span<const std::byte> block);
// The block's translation (language, code page) at `index`, or its first when it lists fewer;
// none when it lists none.
std::optional<VersionTranslation> TranslationAt(std::span<const std::byte> block, unsigned index);
// The text at `subBlock` as UTF-8, up to its first zero; none when there is no such value.
std::optional<std::string> QueryVersionText(std::span<const std::byte> block,
                                            std::string_view subBlock);

}  // namespace platform
