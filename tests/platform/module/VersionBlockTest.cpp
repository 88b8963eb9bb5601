// Version blocks: the layout that the build writes, lookups by sub-block path, and blocks and
// files that are damaged, missing or something else entirely.
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "platform/module/VersionBlock.h"
#include "platform/module/VersionResource.h"

namespace platform {
namespace {

using testsupport::MakeElfImage;
using testsupport::WriteFile;

std::uint16_t Word(std::span<const std::byte> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(std::to_integer<unsigned>(bytes[at]) |
                                      std::to_integer<unsigned>(bytes[at + 1]) << 8);
}

VersionBlockContents SampleContents() {
    VersionBlockContents contents;
    contents.fileVersion = {1, 2, 3, 4};
    contents.productVersion = {5, 6, 7, 8};
    contents.stringTables.push_back({"040704b0",
                                     {{"ProductName", "Dornak-Schattwerk-Generator"},
                                      {"FileDescription", "Generator für neue Fälle, Maß 𝄞"},
                                      {"Comments", ""}}});
    contents.translations.push_back({0x0407, 0x04B0});
    return contents;
}

std::string Text(std::span<const std::byte> block, std::string_view path) {
    VersionValue value;
    if (!FindVersionValue(block, path, value)) {
        return "<missing>";
    }
    EXPECT_TRUE(value.text) << path;
    return VersionTextToUtf8(value.data);
}

TEST(VersionBlock, WritesTheStandardLayout) {
    const std::vector<std::byte> block = BuildVersionBlock(SampleContents());
    ASSERT_FALSE(block.empty());
    EXPECT_EQ(Word(block, 0), block.size());
    EXPECT_EQ(Word(block, 2), 52);
    EXPECT_EQ(Word(block, 4), 0);
    EXPECT_EQ(VersionTextToUtf8(std::span(block).subspan(6, 30)), "VS_VERSION_INFO");
    // The fixed information starts at the next 32-bit boundary after the key's zero.
    EXPECT_EQ(Word(block, 40), 0x04BD);
    EXPECT_EQ(Word(block, 42), 0xFEEF);
    EXPECT_EQ(VersionBlockLength(block), block.size());
}

TEST(VersionBlock, QueriesValuesByPathIgnoringCase) {
    const std::vector<std::byte> block = BuildVersionBlock(SampleContents());
    VersionValue fixed;
    ASSERT_TRUE(FindVersionValue(block, "\\", fixed));
    ASSERT_EQ(fixed.data.size(), 52U);
    EXPECT_FALSE(fixed.text);
    EXPECT_EQ(Word(fixed.data, 8), 2);   // minor
    EXPECT_EQ(Word(fixed.data, 10), 1);  // major
    EXPECT_EQ(Word(fixed.data, 12), 4);  // build
    EXPECT_EQ(Word(fixed.data, 14), 3);  // release
    EXPECT_EQ(Word(fixed.data, 16), 6);  // product version, minor

    VersionValue translation;
    ASSERT_TRUE(FindVersionValue(block, "\\VarFileInfo\\Translation", translation));
    ASSERT_EQ(translation.data.size(), 4U);
    EXPECT_EQ(Word(translation.data, 0), 0x0407);
    EXPECT_EQ(Word(translation.data, 2), 0x04B0);

    EXPECT_EQ(Text(block, "\\StringFileInfo\\040704B0\\ProductName"),
              std::string("Dornak-Schattwerk-Generator") + '\0');
    EXPECT_EQ(Text(block, "\\stringfileinfo\\040704b0\\PRODUCTNAME"),
              std::string("Dornak-Schattwerk-Generator") + '\0');
    EXPECT_EQ(Text(block, "\\StringFileInfo\\040704B0\\FileDescription"),
              std::string("Generator für neue Fälle, Maß 𝄞") + '\0');
    EXPECT_EQ(Text(block, "\\StringFileInfo\\040704B0\\Comments"), std::string(1, '\0'));
    EXPECT_EQ(Text(block, "\\StringFileInfo\\040704B0\\Missing"), "<missing>");
    EXPECT_EQ(Text(block, "\\StringFileInfo\\000004B0\\ProductName"), "<missing>");
    EXPECT_EQ(Text(block, "\\StringFileInfo\\040704B0\\ProductName\\Deeper"), "<missing>");
}

TEST(VersionBlock, LeavesOutTheTranslationTableWhenThereIsNone) {
    VersionBlockContents contents = SampleContents();
    contents.translations.clear();
    const std::vector<std::byte> block = BuildVersionBlock(contents);
    VersionValue value;
    EXPECT_FALSE(FindVersionValue(block, "\\VarFileInfo\\Translation", value));
    EXPECT_TRUE(FindVersionValue(block, "\\StringFileInfo\\040704b0\\ProductName", value));
}

TEST(VersionBlock, RefusesABlockTooLargeForItsLengths) {
    VersionBlockContents contents = SampleContents();
    contents.stringTables[0].strings.push_back({"Comments", std::string(40000, 'x')});
    EXPECT_TRUE(BuildVersionBlock(contents).empty());
}

TEST(VersionBlock, DamagedBlocksAreNoBlocksAndFailQueries) {
    const std::vector<std::byte> sound = BuildVersionBlock(SampleContents());
    const auto damaged = [&](std::size_t at, std::uint16_t word) {
        std::vector<std::byte> block = sound;
        block[at] = std::byte(word & 0xFF);
        block[at + 1] = std::byte(word >> 8);
        return block;
    };
    EXPECT_EQ(VersionBlockLength(damaged(0, 0)), 0U);
    EXPECT_EQ(VersionBlockLength(damaged(0, 0xFFFF)), 0U);
    EXPECT_EQ(VersionBlockLength(damaged(6, 'W')), 0U);  // another root key
    EXPECT_EQ(VersionBlockLength(damaged(40, 0)), 0U);   // no signature
    EXPECT_EQ(VersionBlockLength(damaged(2, 51)), 0U);   // fixed information cut short

    // The first child (StringFileInfo) follows the fixed information at 92.
    for (std::uint16_t length : {0, 5, 0xFFFF}) {
        const std::vector<std::byte> block = damaged(92, length);
        VersionValue value;
        EXPECT_FALSE(FindVersionValue(block, "\\StringFileInfo\\040704B0\\ProductName", value));
    }
    for (std::size_t size = 0; size < sound.size(); ++size) {
        EXPECT_EQ(VersionBlockLength(std::span(sound).first(size)), 0U) << size;
    }
}

TEST(VersionBlock, AnyByteChangedStillAnswersWithinTheBlock) {
    const std::vector<std::byte> sound = BuildVersionBlock(SampleContents());
    for (std::size_t at = 0; at < sound.size(); ++at) {
        for (std::byte changed : {std::byte{0}, std::byte{0xFF}}) {
            std::vector<std::byte> block = sound;
            block[at] = changed;
            for (const char* path : {"\\", "\\VarFileInfo\\Translation",
                                     "\\StringFileInfo\\040704B0\\FileDescription"}) {
                VersionValue value;
                if (FindVersionValue(block, path, value) && !value.data.empty()) {
                    EXPECT_GE(value.data.data(), block.data());
                    EXPECT_LE(value.data.data() + value.data.size(), block.data() + block.size());
                }
            }
        }
    }
}

TEST(VersionText, DecodesSurrogatePairsAndReplacesLoneOnes) {
    const std::vector<std::byte> text{std::byte{0x34}, std::byte{0xD8}, std::byte{0x1E},
                                      std::byte{0xDD}, std::byte{0x00}, std::byte{0xDC},
                                      std::byte{0x41}, std::byte{0x00}, std::byte{0x42}};
    EXPECT_EQ(VersionTextToUtf8(text), "𝄞\uFFFDA");
}

class VersionResourceTest : public ::testing::Test {
  protected:
    std::string FileWith(const std::vector<std::byte>& bytes) {
        const std::string path = (folder.Path() / ("file" + std::to_string(files++))).string();
        WriteFile(path, bytes);
        return path;
    }

    testsupport::ConfigFolder folder;
    int files = 0;
};

TEST_F(VersionResourceTest, ReadsTheBlockOfAnExecutableByPath) {
    const std::vector<std::byte> block = BuildVersionBlock(SampleContents());
    std::vector<std::byte> section = block;
    section.resize(section.size() + 64);  // what a sanitizer's padding adds
    const std::string path = FileWith(MakeElfImage({{".qel.version", section}}));

    ASSERT_EQ(VersionResourceSize(path), block.size());
    std::vector<std::byte> read(block.size() + 8, std::byte{0x55});
    ASSERT_TRUE(ReadVersionResource(path, read));
    EXPECT_TRUE(std::equal(block.begin(), block.end(), read.begin()));
    EXPECT_EQ(read.back(), std::byte{0});
    std::vector<std::byte> small(block.size() - 1);
    EXPECT_FALSE(ReadVersionResource(path, small));
}

TEST_F(VersionResourceTest, FilesWithoutABlockHaveNone) {
    const std::vector<std::byte> block = BuildVersionBlock(SampleContents());
    std::vector<std::byte> wrongRoot = block;
    wrongRoot[6] = std::byte{'W'};
    std::vector<std::byte> buffer(block.size());
    for (const std::string& path :
         {FileWith(MakeElfImage({{".text", block}})),
          FileWith(MakeElfImage({{".qel.version", wrongRoot}})), FileWith(block), FileWith({}),
          folder.Path().string(), (folder.Path() / "missing").string(), std::string("/dev/null"),
          std::string()}) {
        EXPECT_EQ(VersionResourceSize(path), 0U) << path;
        EXPECT_FALSE(ReadVersionResource(path, buffer)) << path;
    }
}

}  // namespace
}  // namespace platform
