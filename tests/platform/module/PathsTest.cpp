// Splitting and joining paths, and making them absolute, with the system's separator (on
// Windows both separators and a drive).
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/module/Paths.h"

namespace platform {
namespace {

// "/opt/gen/" on Linux, "C:\opt\gen\" on Windows.
const std::string kSep(1, PathSeparator);
const std::string kRoot = PathSeparator == '\\' ? "C:\\" : "/";

TEST(Paths, SplitKeepsDirectoryDotsAndTheSeparator) {
    const SplitPath gen = Split(kRoot + "opt" + kSep + "gen" + kSep + "Gen");
    EXPECT_EQ(gen.drive + gen.directory, kRoot + "opt" + kSep + "gen" + kSep);
    EXPECT_EQ(gen.fileName, "Gen");
    EXPECT_EQ(gen.extension, "");
    const SplitPath dotted = Split(kRoot + "a.b" + kSep + "Gen.bin");
    EXPECT_EQ(dotted.drive + dotted.directory, kRoot + "a.b" + kSep);
    EXPECT_EQ(dotted.fileName, "Gen");
    EXPECT_EQ(dotted.extension, ".bin");
    const SplitPath hidden = Split(kRoot + "home" + kSep + ".gen");
    EXPECT_EQ(hidden.fileName, ".gen") << "a leading dot starts no extension";
    EXPECT_EQ(Split("Gen").directory, "");
    if (PathSeparator == '\\') {
        const SplitPath windows = Split("C:/Tools\\Gen/Gen.exe");
        EXPECT_EQ(windows.drive, "C:");
        EXPECT_EQ(windows.directory, "/Tools\\Gen/") << "either separator";
    }
}

TEST(Paths, JoinPutsThePartsBackTogether) {
    SplitPath parts = Split(kRoot + "opt" + kSep + "gen" + kSep + "Gen");
    parts.extension = ".ini";
    EXPECT_EQ(Join(parts), kRoot + "opt" + kSep + "gen" + kSep + "Gen.ini");
    EXPECT_EQ(Join({"", "opt" + kSep + "gen", "Gen", ".chm"}),
              "opt" + kSep + "gen" + kSep + "Gen.chm");
    EXPECT_EQ(Join({"", "", "Gen", ".chm"}), "Gen.chm");
}

TEST(Paths, FullPathResolvesDotsWithoutTouchingTheDisk) {
    EXPECT_EQ(FullPath(kRoot + "opt" + kSep + "." + kSep + "gen" + kSep + ".." + kSep + "gen" +
                       kSep + "Gen"),
              kRoot + "opt" + kSep + "gen" + kSep + "Gen");
    EXPECT_EQ(FullPath("relative" + kSep + "x"),
              Utf8Path(std::filesystem::current_path() / "relative" / "x"));
    EXPECT_EQ(FullPath(""), "");
}

TEST(Paths, TextsAreUtf8OnEverySystem) {
    const std::string folder = "Schattwerk Prüfung";
    EXPECT_EQ(Utf8Path(FileSystemPath(folder)), folder);
    EXPECT_EQ(FileSystemPath(folder).filename(), std::filesystem::path(u8"Schattwerk Prüfung"));
}

}  // namespace
}  // namespace platform
