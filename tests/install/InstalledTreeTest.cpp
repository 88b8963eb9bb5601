// The tree that installing makes (in a staging folder, stripped, as the package holds it): the
// programs run from it alone and find their help and version block, and the desktop entry finds
// its icon.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "frame/VersionInfo.h"
#include "platform/module/VersionResource.h"
#include "platform/module/linux/ElfSection.h"

namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

const fs::path kRoot = INSTALL_ROOT;
const fs::path kPrefix = kRoot / "usr";
const fs::path kBuildBin = BUILD_BIN_DIR;

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Standard output of a command line run from the root folder, so nothing is found by accident
// in the working folder.
std::string Output(const fs::path& program, const std::string& arguments) {
    const std::string command = "cd / && '" + program.string() + "' " + arguments;
    FILE* run = ::popen(command.c_str(), "r");
    if (run == nullptr) {
        return "";
    }
    std::string output;
    for (int c; (c = std::fgetc(run)) != EOF;) {
        output.push_back(static_cast<char>(c));
    }
    EXPECT_EQ(::pclose(run), 0) << command;
    return output;
}

std::map<std::string, std::string> FilesIn(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        files[entry.path().filename().string()] = ReadText(entry.path());
    }
    return files;
}

std::vector<std::byte> VersionBlockOf(const fs::path& file) {
    std::vector<std::byte> block(platform::VersionResourceSize(file.string()));
    if (!platform::ReadVersionResource(file.string(), block)) {
        block.clear();
    }
    return block;
}

// The bytes of a file's named ELF section; none when the file has no such section.
std::optional<std::string> SectionOf(const fs::path& file, std::string_view name) {
    std::ifstream in(file, std::ios::binary);
    const auto read = [&in](std::uint64_t offset, std::span<std::byte> out) {
        in.clear();
        in.seekg(static_cast<std::streamoff>(offset));
        in.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(out.size()));
        return in.gcount() == static_cast<std::streamsize>(out.size());
    };
    const std::optional<platform::ElfSection> section =
        platform::FindElfSection(read, fs::file_size(file), name);
    if (!section) {
        return std::nullopt;
    }
    std::string bytes(section->size, '\0');
    read(section->offset, std::as_writable_bytes(std::span(bytes)));
    return bytes;
}

// Where an installed file could send the program at run time: an executable's dynamic strings,
// which hold its library search paths (its other data may name sources, for sanitizers), or the
// whole of any other file.
std::string RunTimeText(const fs::path& file) {
    const std::string bytes = ReadText(file);
    if (bytes.starts_with("\x7f"
                          "ELF")) {
        return SectionOf(file, ".dynstr").value_or("");
    }
    return bytes;
}

TEST(InstalledTree, TheProgramKeepsItsHelpBesideItsRealFileAndBinLinksToIt) {
    const fs::path link = kPrefix / "bin" / "schattwerk-generator";
    ASSERT_TRUE(fs::is_symlink(link));
    EXPECT_TRUE(fs::read_symlink(link).is_relative()) << "the tree must work wherever it lands";
    const fs::path program = fs::canonical(link);
    EXPECT_TRUE(fs::is_regular_file(program));
    EXPECT_NE(program.parent_path(), fs::canonical(kPrefix / "bin"));

    // The program looks in help/ beside the file that /proc/self/exe names.
    const fs::path help = program.parent_path() / "help";
    ASSERT_TRUE(fs::is_directory(help));
    EXPECT_EQ(FilesIn(help), FilesIn(kBuildBin / "help"));
}

TEST(InstalledTree, BothProgramsKeepTheirVersionBlockWhenStripped) {
    for (const char* name : {"schattwerk-generator", "schattwerk"}) {
        SCOPED_TRACE(name);
        const fs::path program = fs::canonical(kPrefix / "bin" / name);
        EXPECT_FALSE(SectionOf(program, ".symtab")) << "installed unstripped";
        const std::vector<std::byte> block = VersionBlockOf(program);
        EXPECT_FALSE(block.empty());
        EXPECT_EQ(block, VersionBlockOf(kBuildBin / name));

        qel::Windows::VersionInfo info;
        ASSERT_TRUE(info.Load(program.string(), 0));
        EXPECT_EQ(info.VersionText(), "v1.02");
        EXPECT_EQ(info.QueryString("OriginalFilename"), name);
    }
}

TEST(InstalledTree, TheCommandLineRunsFromTheInstalledTreeAsFromTheBuild) {
    const fs::path installed = kPrefix / "bin" / "schattwerk";
    EXPECT_EQ(Output(installed, "--version"), "Dornak-Schattwerk-Generator v1.02\n");
    const std::string generated = Output(installed, "generate --seed 1 --solution");
    EXPECT_THAT(generated, HasSubstr("Täter: "));
    EXPECT_EQ(generated, Output(kBuildBin / "schattwerk", "generate --seed 1 --solution"));
}

TEST(InstalledTree, NothingInstalledLeadsBackIntoTheBuildOrSourceFolder) {
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kRoot)) {
        if (entry.is_symlink() || !entry.is_regular_file()) {
            continue;
        }
        const std::string text = RunTimeText(entry.path());
        EXPECT_TRUE(text.find(BUILD_DIR) == std::string::npos) << entry.path();
        EXPECT_TRUE(text.find(SOURCE_DIR) == std::string::npos) << entry.path();
    }
}

// The validators check the entry and the metainfo, lintian the icons' sizes; what they leave is
// that the entry finds its icon under the one application id.
TEST(InstalledTree, TheDesktopEntryFindsItsIconInEverySize) {
    const fs::path applications = kPrefix / "share" / "applications";
    const std::vector<fs::path> entries{fs::directory_iterator(applications),
                                        fs::directory_iterator()};
    ASSERT_EQ(entries.size(), 1u);
    const std::string id = entries.front().stem().string();
    const std::string desktop = ReadText(entries.front());
    EXPECT_THAT(desktop, HasSubstr("\nIcon=" + id + "\n"));
    EXPECT_THAT(desktop, HasSubstr("\nExec=schattwerk-generator\n"));

    const fs::path theme = kPrefix / "share" / "icons" / "hicolor";
    for (const char* size : {"16x16", "32x32", "48x48", "128x128"}) {
        EXPECT_TRUE(fs::is_regular_file(theme / size / "apps" / (id + ".png"))) << size;
    }
    EXPECT_TRUE(fs::is_regular_file(theme / "scalable" / "apps" / (id + ".svg")));
}

}  // namespace
