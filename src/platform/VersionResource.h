// The version block of a file given by path: the block that the build embeds in each executable
// as an ELF section, found and checked without trusting anything the file says.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ElfSection.h"

namespace platform {

// The section that holds an executable's version block (see embed_version_block in CMake).
inline constexpr std::string_view kVersionSectionName = ".qel.version";

// The version block of the file image that `read` gives; empty when there is none, or the file or
// the block is malformed.
std::vector<std::byte> FindVersionBlock(const ReadAt& read, std::uint64_t fileSize);

// The size in bytes of the version block of the file at `path`; 0 when the file is missing,
// unreadable, not a regular file, or holds no well-formed block.
std::uint32_t VersionResourceSize(const std::string& path);

// Copies the file's version block into `block`, which must be large enough for it (see
// VersionResourceSize); false when the file holds no block or the block does not fit.
bool ReadVersionResource(const std::string& path, std::span<std::byte> block);

}  // namespace platform
