// Where an ELF executable keeps its version block: a section of its own, which the build fills
// (see embed_version_block in CMake).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/module/linux/ElfSection.h"

namespace platform {

inline constexpr std::string_view kVersionSectionName = ".qel.version";

// The version block of the file image that `read` gives; empty when there is none, or the file or
// the block is malformed.
std::vector<std::byte> FindVersionBlock(const ReadAt& read, std::uint64_t fileSize);

}  // namespace platform
