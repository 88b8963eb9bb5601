// Finds a named section in an ELF file through its section header table.
#include "platform/module/linux/ElfSection.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

namespace platform {
namespace {

constexpr std::array<unsigned char, 4> kMagic{0x7F, 'E', 'L', 'F'};
constexpr std::uint32_t kSectionNoBits = 8;
constexpr std::uint64_t kIndexExtended = 0xFFFF;

// Field offsets and widths of the two ELF classes.
struct ElfLayout {
    std::size_t headerSize;
    std::size_t sectionTableOffsetAt;
    std::size_t offsetWidth;
    std::size_t entrySizeAt;
    std::size_t countAt;
    std::size_t nameTableIndexAt;
    std::size_t entrySize;
    std::size_t sectionOffsetAt;
    std::size_t sectionSizeAt;
    std::size_t sectionLinkAt;
};

constexpr ElfLayout kElf32{52, 0x20, 4, 0x2E, 0x30, 0x32, 40, 16, 20, 24};
constexpr ElfLayout kElf64{64, 0x28, 8, 0x3A, 0x3C, 0x3E, 64, 24, 32, 40};

struct SectionHeader {
    std::uint32_t name = 0;
    std::uint32_t type = 0;
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
    std::uint32_t link = 0;
};

class ElfFile {
  public:
    ElfFile(const ReadAt& read, std::uint64_t fileSize) : read(read), fileSize(fileSize) {}

    bool ReadHeader() {
        std::array<std::byte, 64> header{};
        if (!Read(0, std::span(header).first(16)) ||
            std::memcmp(header.data(), kMagic.data(), kMagic.size()) != 0) {
            return false;
        }
        const auto elfClass = static_cast<unsigned>(header[4]);
        const auto encoding = static_cast<unsigned>(header[5]);
        if ((elfClass != 1 && elfClass != 2) || (encoding != 1 && encoding != 2)) {
            return false;
        }
        layout = elfClass == 1 ? &kElf32 : &kElf64;
        bigEndian = encoding == 2;
        if (!Read(0, std::span(header).first(layout->headerSize))) {
            return false;
        }
        tableOffset = Field(header.data(), layout->sectionTableOffsetAt, layout->offsetWidth);
        entrySize = Field(header.data(), layout->entrySizeAt, 2);
        count = Field(header.data(), layout->countAt, 2);
        nameTableIndex = Field(header.data(), layout->nameTableIndexAt, 2);
        if (tableOffset == 0 || entrySize < layout->entrySize) {
            return false;
        }
        // Files with many sections keep the real count and name table index in section 0.
        if (count == 0 || nameTableIndex == kIndexExtended) {
            SectionHeader first;
            if (!ReadSection(0, first)) {
                return false;
            }
            if (count == 0) {
                count = first.size;
            }
            if (nameTableIndex == kIndexExtended) {
                nameTableIndex = first.link;
            }
        }
        return tableOffset <= fileSize && count <= (fileSize - tableOffset) / entrySize &&
               nameTableIndex < count;
    }

    std::optional<ElfSection> Find(std::string_view name) {
        SectionHeader names;
        if (!ReadSection(nameTableIndex, names) || !HasBytes(names)) {
            return std::nullopt;
        }
        std::string wanted(name);
        wanted.push_back('\0');
        std::string found(wanted.size(), '\0');
        for (std::uint64_t index = 0; index < count; ++index) {
            SectionHeader section;
            if (!ReadSection(index, section)) {
                return std::nullopt;
            }
            if (section.type == kSectionNoBits || !HasBytes(section) ||
                section.name >= names.size || wanted.size() > names.size - section.name) {
                continue;
            }
            if (Read(names.offset + section.name, std::as_writable_bytes(std::span(found))) &&
                found == wanted) {
                return ElfSection{section.offset, section.size};
            }
        }
        return std::nullopt;
    }

  private:
    bool Read(std::uint64_t offset, std::span<std::byte> out) const {
        return offset <= fileSize && out.size() <= fileSize - offset && read(offset, out);
    }

    bool HasBytes(const SectionHeader& section) const {
        return section.offset <= fileSize && section.size <= fileSize - section.offset;
    }

    bool ReadSection(std::uint64_t index, SectionHeader& section) const {
        if (index >= (fileSize - std::min(fileSize, tableOffset)) / entrySize) {
            return false;
        }
        std::array<std::byte, 64> entry{};
        if (!Read(tableOffset + index * entrySize, std::span(entry).first(layout->entrySize))) {
            return false;
        }
        section.name = static_cast<std::uint32_t>(Field(entry.data(), 0, 4));
        section.type = static_cast<std::uint32_t>(Field(entry.data(), 4, 4));
        section.offset = Field(entry.data(), layout->sectionOffsetAt, layout->offsetWidth);
        section.size = Field(entry.data(), layout->sectionSizeAt, layout->offsetWidth);
        section.link = static_cast<std::uint32_t>(Field(entry.data(), layout->sectionLinkAt, 4));
        return true;
    }

    std::uint64_t Field(const std::byte* bytes, std::size_t at, std::size_t width) const {
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < width; ++i) {
            const std::size_t index = bigEndian ? at + i : at + width - 1 - i;
            value = (value << 8) | static_cast<std::uint8_t>(bytes[index]);
        }
        return value;
    }

    const ReadAt& read;
    std::uint64_t fileSize;
    const ElfLayout* layout = &kElf64;
    bool bigEndian = false;
    std::uint64_t tableOffset = 0;
    std::uint64_t entrySize = 0;
    std::uint64_t count = 0;
    std::uint64_t nameTableIndex = 0;
};

}  // namespace

std::optional<ElfSection> FindElfSection(const ReadAt& read, std::uint64_t fileSize,
                                         std::string_view name) {
    ElfFile file(read, fileSize);
    if (!file.ReadHeader()) {
        return std::nullopt;
    }
    return file.Find(name);
}

}  // namespace platform
