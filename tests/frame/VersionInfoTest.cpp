// Version information: the version text of every kind of version, the choice of translation, and
// the program's own executable read back, as the About box will read it.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestFiles.h"
#include "frame/VersionInfo.h"
#include "platform/module/Module.h"
#include "platform/module/VersionBlock.h"
#include "platform/module/VersionResource.h"
#include "support/ProgramRun.h"
#include "version/ProgramVersion.h"

namespace qel::Windows {
namespace {

platform::VersionBlockContents Contents(std::array<std::uint16_t, 4> version) {
    platform::VersionBlockContents contents;
    contents.fileVersion = version;
    contents.productVersion = {9, 9, 9, 9};
    contents.stringTables.push_back(
        {"040704b0",
         {{"ProductName", "Deutsch"}, {"Cut", std::string("vorne\0hinten", 12)}, {"Leer", ""}}});
    contents.stringTables.push_back({"040904b0", {{"ProductName", "English"}}});
    contents.translations = {{0x0407, 0x04B0}, {0x0409, 0x04B0}};
    return contents;
}

class VersionInfoTest : public ::testing::Test {
  protected:
    std::string Executable(const platform::VersionBlockContents& contents) {
        return testsupport::WriteProgramFile(folder.Path() / ("program" + std::to_string(files++)),
                                             platform::BuildVersionBlock(contents))
            .string();
    }

    testsupport::ConfigFolder folder;
    int files = 0;
};

TEST_F(VersionInfoTest, VersionTextShowsMinorTwoDigitsReleaseLetterAndBuild) {
    struct Example {
        std::array<std::uint16_t, 4> version;
        const char* text;
    };
    const Example examples[] = {
        {{1, 2, 0, 0}, "v1.02"},
        {{1, 2, 1, 0}, "v1.02a"},
        {{1, 12, 0, 31}, "v1.12 (Build 001F)"},
        {{2, 5, 3, 300}, "v2.05c (Build 012C)"},
        {{1, 5, 0, 0}, "v1.05"},
        {{1, 123, 0, 0}, "v1.123"},
        {{1, 2, 0, 255}, "v1.02 (Build 00FF)"},
        {{0, 0, 26, 0xFFFF}, "v0.00z (Build FFFF)"},
        {{65535, 65535, 30, 0}, "v65535.65535~"},
        // Beyond '~' there is no letter; the text stays valid UTF-8 without a zero in it.
        {{1, 2, 31, 0}, "v1.02\uFFFD"},
        {{1, 2, 160, 7}, "v1.02\uFFFD (Build 0007)"},
    };
    for (const Example& example : examples) {
        VersionInfo info;
        ASSERT_TRUE(info.Load(Executable(Contents(example.version)), 0));
        EXPECT_EQ(info.VersionText(), example.text);
        std::uint16_t numbers[4];
        ASSERT_TRUE(info.GetFixedVersion(numbers[0], numbers[1], numbers[2], numbers[3]));
        EXPECT_TRUE(std::equal(std::begin(numbers), std::end(numbers), example.version.begin()));
    }
}

TEST_F(VersionInfoTest, SelectsTheTranslationByIndexAndTheFirstBeyondTheTable) {
    VersionInfo info;
    ASSERT_TRUE(info.Load(Executable(Contents({1, 2, 0, 0})), 1));
    EXPECT_EQ(info.StringPrefix(), "\\StringFileInfo\\040904B0\\");
    EXPECT_EQ(info.QueryString("ProductName"), "English");
    info.SelectTranslation(2);
    EXPECT_EQ(info.StringPrefix(), "\\StringFileInfo\\040704B0\\");
    EXPECT_EQ(info.QueryString("ProductName"), "Deutsch");
}

TEST_F(VersionInfoTest, ABlockWithoutTranslationsUsesLanguageZeroAndUnicode) {
    platform::VersionBlockContents contents = Contents({1, 2, 0, 0});
    contents.translations.clear();
    contents.stringTables.push_back({"000004B0", {{"ProductName", "Neutral"}}});
    VersionInfo info;
    ASSERT_TRUE(info.Load(Executable(contents), 0));
    EXPECT_EQ(info.StringPrefix(), "\\StringFileInfo\\000004B0\\");
    EXPECT_EQ(info.QueryString("ProductName"), "Neutral");
}

TEST_F(VersionInfoTest, StringsEndAtTheirFirstZeroAndMissingOnesAreEmpty) {
    VersionInfo info;
    ASSERT_TRUE(info.Load(Executable(Contents({1, 2, 0, 0})), 0));
    EXPECT_EQ(info.QueryString("Cut"), "vorne");
    EXPECT_EQ(info.QueryString("Leer"), "");
    EXPECT_EQ(info.QueryString("Missing"), "");
    EXPECT_EQ(info.QueryString(""), "");
}

TEST_F(VersionInfoTest, AFileWithoutABlockLeavesTheObjectEmpty) {
    const std::string withBlock = Executable(Contents({1, 2, 0, 0}));
    const std::string withoutBlock =
        testsupport::WriteProgramFile(folder.Path() / "plain", {}).string();
    // The test program itself is a program of the system, built without a block.
    for (const std::string& path : {withoutBlock, platform::ModuleInstance::OfProcess().FileName(),
                                    (folder.Path() / "missing").string()}) {
        VersionInfo info;
        ASSERT_TRUE(info.Load(withBlock, 0));
        // The second load starts from empty: nothing of the first block is left.
        EXPECT_FALSE(info.Load(path, 0)) << path;
        EXPECT_EQ(info.VersionText(), "");
        EXPECT_EQ(info.QueryString("ProductName"), "");
        EXPECT_EQ(info.StringPrefix(), "");
        std::uint16_t major = 7, minor = 7, release = 7, build = 7;
        EXPECT_FALSE(info.GetFixedVersion(major, minor, release, build));
        EXPECT_EQ(major + minor + release + build, 28);
    }
}

// The program's own block, cut short at every byte inside its section, and its file cut short at
// every byte: the About box gets the whole block or none, never a part of one.
TEST_F(VersionInfoTest, ABlockOrFileCutShortAtAnyByteIsNoBlock) {
    std::vector<std::byte> block(platform::VersionResourceSize(SCHATTWERK_CLI_PATH));
    ASSERT_TRUE(platform::ReadVersionResource(SCHATTWERK_CLI_PATH, block));
    const std::string path = (folder.Path() / "program").string();
    for (std::size_t size = 0; size <= block.size(); ++size) {
        testsupport::WriteFile(
            path,
            testsupport::MakeElfImage({{".qel.version", {block.begin(), block.begin() + size}}}));
        VersionInfo info;
        EXPECT_EQ(info.Load(path, 0), size == block.size()) << size;
        EXPECT_EQ(info.VersionText(), size == block.size() ? "v1.02" : "") << size;
    }
    const std::vector<std::byte> whole = testsupport::ReadFile(path);
    for (std::size_t size = 0; size < whole.size(); ++size) {
        testsupport::WriteFile(path, std::span(whole).first(size));
        VersionInfo info;
        EXPECT_FALSE(info.Load(path, 0)) << size;
        EXPECT_EQ(info.QueryString("ProductName"), "") << size;
    }
}

TEST(ProgramVersionBlock, TheCommandLineCarriesTheProgramsVersion) {
    VersionInfo info;
    ASSERT_TRUE(info.Load(SCHATTWERK_CLI_PATH, 0));
    EXPECT_EQ(info.StringPrefix(), "\\StringFileInfo\\040704B0\\");
    EXPECT_EQ(info.QueryString("ProductName"), "Dornak-Schattwerk-Generator");
    EXPECT_EQ(info.QueryString("InternalName"), "Dornak-Schattwerk-Generator");
    EXPECT_EQ(info.QueryString("FileDescription"),
              "Generator für neue Fälle zum Spiel \"Dornak Schattwerk\".");
    EXPECT_EQ(info.QueryString("FileVersion"), "1, 2, 0, 0");
    EXPECT_EQ(info.QueryString("ProductVersion"), "1, 2, 0, 0");
    EXPECT_EQ(info.QueryString("OriginalFilename"),
              std::filesystem::path(SCHATTWERK_CLI_PATH).filename().string());
    EXPECT_NE(info.QueryString("CompanyName"), "");
    EXPECT_NE(info.QueryString("LegalCopyright"), "");
    for (const char* empty : {"Comments", "LegalTrademarks", "PrivateBuild", "SpecialBuild"}) {
        EXPECT_EQ(info.QueryString(empty), "") << empty;
    }
    EXPECT_EQ(info.VersionText(), "v1.02");
}

TEST(ProgramVersionBlock, TheCommandLinesVersionOptionAgreesWithItsBlock) {
    VersionInfo info;
    ASSERT_TRUE(info.Load(SCHATTWERK_CLI_PATH, 0));
    const testsupport::ProgramRun run = testsupport::RunProgram(SCHATTWERK_CLI_PATH, {"--version"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, info.QueryString("ProductName") + " " + info.VersionText() + "\n");
}

}  // namespace
}  // namespace qel::Windows
