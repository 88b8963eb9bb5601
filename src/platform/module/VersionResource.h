// The version resource of a file given by path, and its values: the block that the build gives
// each executable, read without trusting anything the file says.
#pragma once

#include <cstddef>
#include <cstdint>
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

}  // namespace platform
