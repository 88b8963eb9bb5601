// The binary version-resource layout: a tree of blocks, each a length, a value length, a type,
// a UTF-16LE key and a value, padded to 32 bits. Builds a block, checks one, and looks up values
// by sub-block path ("\", "\VarFileInfo\Translation", "\StringFileInfo\040704B0\ProductName").
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct VersionTranslation {
    std::uint16_t language = 0;
    std::uint16_t codePage = 0;
};

struct VersionString {
    std::string name;
    std::string value;
};

struct VersionStringTable {
    std::string key;
    std::vector<VersionString> strings;
};

// Names and texts are UTF-8; the block stores them as UTF-16LE.
struct VersionBlockContents {
    std::array<std::uint16_t, 4> fileVersion{};
    std::array<std::uint16_t, 4> productVersion{};
    std::vector<VersionStringTable> stringTables;
    std::vector<VersionTranslation> translations;
};

// A value inside a block: the bytes of its data, which for a text are UTF-16LE.
struct VersionValue {
    std::span<const std::byte> data;
    bool text = false;
};

// The block of an application with these contents; empty when it would not fit the 16-bit
// lengths of the layout.
std::vector<std::byte> BuildVersionBlock(const VersionBlockContents& contents);

// The length of the version block at the start of `bytes`, or 0 when they hold none: a wrong root
// key, a length beyond the bytes, or a fixed file information without its signature.
std::size_t VersionBlockLength(std::span<const std::byte> bytes);

// The value at `subBlock`, whose block names compare without regard to case; false when a name
// is missing or a block on the way is malformed.
bool FindVersionValue(std::span<const std::byte> block, std::string_view subBlock,
                      VersionValue& value);

// UTF-16LE text as UTF-8; unpaired surrogates become U+FFFD.
std::string VersionTextToUtf8(std::span<const std::byte> text);

}  // namespace platform
