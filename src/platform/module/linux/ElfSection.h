// Finds a named section in an ELF file (32- or 64-bit, either byte order), checking every offset
// and length that the file gives against the file itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

namespace platform {

// Reads exactly `out.size()` bytes at `offset` of a file; false when that fails.
using ReadAt = std::function<bool(std::uint64_t offset, std::span<std::byte> out)>;

// Where a section's bytes lie in its file.
struct ElfSection {
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
};

// The first section called `name` whose bytes lie inside a file of `fileSize` bytes; none for a
// file that is no ELF file, a damaged one, or one without that section.
std::optional<ElfSection> FindElfSection(const ReadAt& read, std::uint64_t fileSize,
                                         std::string_view name);

}  // namespace platform
