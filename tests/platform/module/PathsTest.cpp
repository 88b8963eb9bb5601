// Splitting and joining paths, and making them absolute.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/module/Paths.h"

namespace platform {
namespace {

TEST(Paths, SplitKeepsDirectoryDotsAndTheSeparator) {
    const SplitPath gen = Split("/opt/gen/Gen");
    EXPECT_EQ(gen.drive, "");
    EXPECT_EQ(gen.directory, "/opt/gen/");
    EXPECT_EQ(gen.fileName, "Gen");
    EXPECT_EQ(gen.extension, "");

    const SplitPath dotted = Split("/a.b/Gen.bin");
    EXPECT_EQ(dotted.directory, "/a.b/");
    EXPECT_EQ(dotted.fileName, "Gen");
    EXPECT_EQ(dotted.extension, ".bin");

    const SplitPath hidden = Split("/home/u/.gen");
    EXPECT_EQ(hidden.fileName, ".gen") << "a leading dot starts no extension";
    EXPECT_EQ(Split("Gen").directory, "");
}

TEST(Paths, JoinPutsThePartsBackTogether) {
    SplitPath parts = Split("/opt/gen/Gen");
    parts.extension = ".ini";
    EXPECT_EQ(Join(parts), "/opt/gen/Gen.ini");
    EXPECT_EQ(Join({"", "/opt/gen", "Gen", ".chm"}), "/opt/gen/Gen.chm");
    EXPECT_EQ(Join({"", "", "Gen", ".chm"}), "Gen.chm");
}

TEST(Paths, FullPathResolvesDotsWithoutTouchingTheDisk) {
    EXPECT_EQ(FullPath("/opt/./gen/../gen/Gen"), "/opt/gen/Gen");
    EXPECT_EQ(FullPath("relative/x"), (std::filesystem::current_path() / "relative/x").string());
    EXPECT_EQ(FullPath(""), "");
}

}  // namespace
}  // namespace platform
