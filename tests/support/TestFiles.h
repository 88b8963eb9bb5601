// Files that the platform and frame tests make: ELF images with chosen sections, program files
// with a version block, whole files, and a folder of their own that stands in for the user's
// configuration folder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace testsupport {

struct ImageSection {
    std::string name;
    std::vector<std::byte> bytes;
    std::uint32_t type = 1;  // with bytes in the file
};

// An ELF file with these sections after the null one, the section names last; header, data,
// names, then the section table.
std::vector<std::byte> MakeElfImage(const std::vector<ImageSection>& sections, bool wide = true,
                                    bool bigEndian = false);

// A PE file (x64) whose one section holds the resource tree of `versionBlock` as the version
// resource; without sections when the block is empty.
std::vector<std::byte> MakePeImage(std::span<const std::byte> versionBlock);

// A program file in this system's format, an ELF file or a PE file (named .exe, as the version
// API wants), at `path` with that suffix: `versionBlock` is its version resource, and it has none
// when the block is empty. Returns the path written.
std::filesystem::path WriteProgramFile(std::filesystem::path path,
                                       std::span<const std::byte> versionBlock);

void WriteFile(const std::filesystem::path& path, std::span<const std::byte> bytes);
std::vector<std::byte> ReadFile(const std::filesystem::path& path);

// A fresh, empty folder in the temporary folder, made atomically: no other test shares it, nor
// does anything left by one that died.
std::filesystem::path NewTemporaryFolder();

// A fresh folder, removed with everything in it at the end; while it lives it is the user's
// configuration folder ($XDG_CONFIG_HOME).
class ConfigFolder {
  public:
    ConfigFolder();
    ~ConfigFolder();
    ConfigFolder(const ConfigFolder&) = delete;
    ConfigFolder& operator=(const ConfigFolder&) = delete;

    const std::filesystem::path& Path() const { return path; }
    std::filesystem::path HiveFile() const { return path / "qelapps" / "current-user.sqlite"; }

  private:
    std::filesystem::path path;
    std::string formerConfig;
    bool hadConfig = false;
};

}  // namespace testsupport
