// Finding a section in ELF files of both classes and byte orders, and in damaged ones: no
// offset, count or length that a file gives may lead a read outside it.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "TestFiles.h"
#include "platform/module/linux/ElfSection.h"

namespace platform {
namespace {

using testsupport::ImageSection;
using testsupport::MakeElfImage;

std::vector<std::byte> Bytes(std::string_view text) {
    const auto bytes = std::as_bytes(std::span(text));
    return {bytes.begin(), bytes.end()};
}

// Reads from memory, and fails the test on any read outside the image.
std::optional<ElfSection> Find(const std::vector<std::byte>& image, std::string_view name) {
    const ReadAt read = [&image](std::uint64_t offset, std::span<std::byte> out) {
        EXPECT_LE(offset + out.size(), image.size()) << "read past the end";
        if (offset > image.size() || out.size() > image.size() - offset) {
            return false;
        }
        if (!out.empty()) {
            std::memcpy(out.data(), image.data() + offset, out.size());
        }
        return true;
    };
    return FindElfSection(read, image.size(), name);
}

std::string SectionText(const std::vector<std::byte>& image, const ElfSection& section) {
    return {reinterpret_cast<const char*>(image.data() + section.offset), section.size};
}

std::uint64_t Get(const std::vector<std::byte>& image, std::size_t at, std::size_t width) {
    std::uint64_t value = 0;
    for (std::size_t i = width; i-- > 0;) {
        value = value << 8 | std::to_integer<std::uint64_t>(image[at + i]);
    }
    return value;
}

void Put(std::vector<std::byte>& image, std::size_t at, std::size_t width, std::uint64_t value) {
    for (std::size_t i = 0; i < width; ++i) {
        image[at + i] = static_cast<std::byte>(value >> (8 * i) & 0xFF);
    }
}

const std::vector<ImageSection> kSections{{".text", Bytes("code")},
                                          {".qel.version", Bytes("block")},
                                          {".qel.version.extra", Bytes("other")}};

TEST(ElfSection, FindsSectionsInEveryClassAndByteOrder) {
    for (bool wide : {false, true}) {
        for (bool bigEndian : {false, true}) {
            const std::vector<std::byte> image = MakeElfImage(kSections, wide, bigEndian);
            const std::optional<ElfSection> found = Find(image, ".qel.version");
            ASSERT_TRUE(found) << wide << bigEndian;
            EXPECT_EQ(SectionText(image, *found), "block");
            EXPECT_EQ(SectionText(image, *Find(image, ".qel.version.extra")), "other");
            EXPECT_FALSE(Find(image, ".qel"));
            EXPECT_FALSE(Find(image, ".missing"));
        }
    }
}

TEST(ElfSection, SkipsSectionsWithoutBytesInTheFile) {
    std::vector<ImageSection> sections = kSections;
    sections[1].type = 8;  // no bits, as .bss
    EXPECT_FALSE(Find(MakeElfImage(sections), ".qel.version"));
}

TEST(ElfSection, ReadsTheExtendedSectionCountAndNameIndexFromSectionZero) {
    std::vector<std::byte> image = MakeElfImage(kSections);
    const std::uint64_t tableAt = Get(image, 0x28, 8);
    Put(image, 0x3C, 2, 0);       // count 0: the count is section 0's size
    Put(image, 0x3E, 2, 0xFFFF);  // the name index is section 0's link
    Put(image, tableAt + 32, 8, kSections.size() + 2);
    Put(image, tableAt + 40, 4, kSections.size() + 1);
    const std::optional<ElfSection> found = Find(image, ".qel.version");
    ASSERT_TRUE(found);
    EXPECT_EQ(SectionText(image, *found), "block");
}

TEST(ElfSection, DamagedHeadersAndTablesGiveNothing) {
    const std::vector<std::byte> sound = MakeElfImage(kSections);
    const std::uint64_t tableAt = Get(sound, 0x28, 8);
    const std::size_t versionEntry = tableAt + 2 * 64;
    const std::size_t namesEntry = tableAt + 4 * 64;
    constexpr std::uint64_t kHuge = std::numeric_limits<std::uint64_t>::max();
    struct Damage {
        const char* what;
        std::size_t at;
        std::size_t width;
        std::uint64_t value;
    };
    const Damage damages[] = {
        {"table beyond the file", 0x28, 8, sound.size()},
        {"table offset wraps", 0x28, 8, kHuge - 10},
        {"count beyond the file", 0x3C, 2, 0xFF00},
        {"entries too small", 0x3A, 2, 20},
        {"name index beyond the table", 0x3E, 2, 9},
        {"unknown class", 4, 1, 7},
        {"unknown byte order", 5, 1, 0},
        {"section offset beyond the file", versionEntry + 24, 8, sound.size()},
        {"section size wraps", versionEntry + 32, 8, kHuge},
        {"name offset beyond the names", versionEntry, 4, 0xFFFFFFF0},
        {"names beyond the file", namesEntry + 24, 8, kHuge - 3},
        {"names cut short", namesEntry + 32, 8, 10},
    };
    for (const Damage& damage : damages) {
        std::vector<std::byte> image = sound;
        Put(image, damage.at, damage.width, damage.value);
        EXPECT_FALSE(Find(image, ".qel.version")) << damage.what;
    }
}

TEST(ElfSection, TruncationAtAnyByteGivesNothingOrTheWholeSection) {
    const std::vector<std::byte> image = MakeElfImage(kSections, false, true);
    for (std::size_t size = 0; size < image.size(); ++size) {
        const std::vector<std::byte> cut(image.begin(), image.begin() + size);
        const std::optional<ElfSection> found = Find(cut, ".qel.version");
        if (found) {
            EXPECT_EQ(SectionText(cut, *found), "block") << size;
        }
    }
}

TEST(ElfSection, NonElfInputGivesNothing) {
    EXPECT_FALSE(Find({}, ".text"));
    EXPECT_FALSE(Find(Bytes("\x7F"
                            "ELF"),
                      ".text"));
    EXPECT_FALSE(Find(Bytes("#!/bin/sh\necho not an executable\n"), ".text"));
}

}  // namespace
}  // namespace platform
