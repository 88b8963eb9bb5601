// ELF images, whole files and a temporary configuration folder for tests.
#include "TestFiles.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string_view>

namespace testsupport {
namespace {

class ImageWriter {
  public:
    explicit ImageWriter(bool bigEndian) : bigEndian(bigEndian) {}

    void Put(std::size_t at, std::size_t width, std::uint64_t value) {
        if (bytes.size() < at + width) {
            bytes.resize(at + width);
        }
        for (std::size_t i = 0; i < width; ++i) {
            const std::size_t shift = 8 * (bigEndian ? width - 1 - i : i);
            bytes[at + i] = static_cast<std::byte>(value >> shift & 0xFF);
        }
    }
    std::size_t Append(std::span<const std::byte> data) {
        bytes.resize((bytes.size() + 3) & ~std::size_t{3});
        const std::size_t at = bytes.size();
        bytes.insert(bytes.end(), data.begin(), data.end());
        return at;
    }

    std::vector<std::byte> bytes;

  private:
    bool bigEndian;
};

// mingw-w64's runtime has neither mkdtemp nor setenv.
#ifdef _WIN32
void SetVariable(const char* name, const std::string& value) {
    ::_putenv_s(name, value.c_str());
}

void RemoveVariable(const char* name) {
    ::_putenv_s(name, "");
}
#else
void SetVariable(const char* name, const std::string& value) {
    ::setenv(name, value.c_str(), 1);
}

void RemoveVariable(const char* name) {
    ::unsetenv(name);
}
#endif

}  // namespace

std::vector<std::byte> MakeElfImage(const std::vector<ImageSection>& sections, bool wide,
                                    bool bigEndian) {
    ImageWriter image(bigEndian);
    const std::size_t headerSize = wide ? 64 : 52;
    const std::size_t entrySize = wide ? 64 : 40;
    const std::size_t word = wide ? 8 : 4;
    image.bytes.resize(headerSize);
    const unsigned char ident[] = {0x7F,
                                   'E',
                                   'L',
                                   'F',
                                   static_cast<unsigned char>(wide ? 2 : 1),
                                   static_cast<unsigned char>(bigEndian ? 2 : 1),
                                   1};
    for (std::size_t i = 0; i < sizeof ident; ++i) {
        image.bytes[i] = std::byte{ident[i]};
    }
    image.Put(16, 2, 1);  // relocatable
    image.Put(20, 4, 1);

    std::vector<std::size_t> offsets;
    std::string names(1, '\0');
    std::vector<std::size_t> nameOffsets;
    for (const ImageSection& section : sections) {
        offsets.push_back(image.Append(section.bytes));
        nameOffsets.push_back(names.size());
        names += section.name + '\0';
    }
    nameOffsets.push_back(names.size());
    names += std::string(".shstrtab") + '\0';
    const std::size_t namesAt = image.Append(std::as_bytes(std::span(names)));

    const std::size_t count = sections.size() + 2;
    const std::size_t tableAt = image.Append(std::vector<std::byte>(count * entrySize));
    image.Put(wide ? 0x28 : 0x20, word, tableAt);
    image.Put(wide ? 0x34 : 0x28, 2, headerSize);
    image.Put(wide ? 0x3A : 0x2E, 2, entrySize);
    image.Put(wide ? 0x3C : 0x30, 2, count);
    image.Put(wide ? 0x3E : 0x32, 2, count - 1);
    const auto putEntry = [&](std::size_t index, std::size_t name, std::uint32_t type,
                              std::size_t offset, std::size_t size) {
        const std::size_t at = tableAt + index * entrySize;
        image.Put(at, 4, name);
        image.Put(at + 4, 4, type);
        image.Put(at + (wide ? 24 : 16), word, offset);
        image.Put(at + (wide ? 32 : 20), word, size);
    };
    for (std::size_t i = 0; i < sections.size(); ++i) {
        putEntry(i + 1, nameOffsets[i], sections[i].type, offsets[i], sections[i].bytes.size());
    }
    putEntry(count - 1, nameOffsets.back(), 3, namesAt, names.size());
    return image.bytes;
}

std::vector<std::byte> MakePeImage(std::span<const std::byte> versionBlock) {
    constexpr std::size_t kHeader = 0x40;  // after the MS-DOS header
    constexpr std::size_t kOptional = kHeader + 24;
    constexpr std::size_t kOptionalSize = 240;
    constexpr std::size_t kSections = kOptional + kOptionalSize;
    constexpr std::size_t kFileAlignment = 0x200;
    constexpr std::size_t kSectionAlignment = 0x1000;
    const auto aligned = [](std::size_t size, std::size_t alignment) {
        return (size + alignment - 1) / alignment * alignment;
    };
    ImageWriter image(false);
    image.Put(0, 2, 0x5A4D);  // "MZ"
    image.Put(0x3C, 4, kHeader);
    image.Put(kHeader, 4, 0x4550);      // "PE"
    image.Put(kHeader + 4, 2, 0x8664);  // x64
    image.Put(kHeader + 20, 2, kOptionalSize);
    image.Put(kHeader + 22, 2, 0x2022);  // an executable image, a DLL, large addresses
    image.Put(kOptional, 2, 0x20B);      // PE32+
    image.Put(kOptional + 24, 8, 0x180000000);
    image.Put(kOptional + 32, 4, kSectionAlignment);
    image.Put(kOptional + 36, 4, kFileAlignment);
    image.Put(kOptional + 40, 2, 6);  // Windows Vista and later
    image.Put(kOptional + 48, 2, 6);
    image.Put(kOptional + 60, 4, kFileAlignment);  // the headers' size
    image.Put(kOptional + 68, 2, 2);               // a window program
    image.Put(kOptional + 108, 4, 16);             // data directories
    std::size_t imageSize = kSectionAlignment;
    if (!versionBlock.empty()) {
        // Type 16 (version), id 1, language 0407, each a directory of one entry, then the data
        // entry and the block.
        constexpr std::uint32_t kAddress = kSectionAlignment;
        constexpr std::uint32_t kSubdirectory = 0x80000000;
        ImageWriter tree(false);
        const auto directory = [&tree](std::size_t at, std::uint32_t id, std::uint32_t entry) {
            tree.Put(at + 14, 2, 1);
            tree.Put(at + 16, 4, id);
            tree.Put(at + 20, 4, entry);
        };
        directory(0x00, 16, kSubdirectory | 0x18);
        directory(0x18, 1, kSubdirectory | 0x30);
        directory(0x30, 0x0407, 0x48);
        tree.Put(0x48, 4, kAddress + 0x58);
        tree.Put(0x4C, 4, versionBlock.size());
        tree.Put(0x50, 8, 0);
        tree.Append(versionBlock);
        const std::size_t size = tree.bytes.size();

        image.Put(kHeader + 6, 2, 1);
        image.Put(kOptional + 112 + 2 * 8, 4, kAddress);  // the resource directory
        image.Put(kOptional + 112 + 2 * 8 + 4, 4, size);
        image.Put(kSections + 8, 4, size);
        image.Put(kSections + 12, 4, kAddress);
        image.Put(kSections + 16, 4, aligned(size, kFileAlignment));
        image.Put(kSections + 20, 4, kFileAlignment);
        image.Put(kSections + 36, 4, 0x40000040);  // initialized data, readable
        const std::string_view name = ".rsrc";
        std::transform(name.begin(), name.end(), image.bytes.begin() + kSections,
                       [](char c) { return static_cast<std::byte>(c); });
        image.bytes.resize(kFileAlignment);
        image.bytes.insert(image.bytes.end(), tree.bytes.begin(), tree.bytes.end());
        imageSize += aligned(size, kSectionAlignment);
    }
    image.Put(kOptional + 56, 4, imageSize);
    image.bytes.resize(aligned(image.bytes.size(), kFileAlignment));
    return image.bytes;
}

std::filesystem::path WriteProgramFile(std::filesystem::path path,
                                       std::span<const std::byte> versionBlock) {
#ifdef _WIN32
    path += ".exe";
    WriteFile(path, MakePeImage(versionBlock));
#else
    std::vector<ImageSection> sections{{".text", {std::byte{1}}}};
    if (!versionBlock.empty()) {
        sections.push_back({".qel.version", {versionBlock.begin(), versionBlock.end()}});
    }
    WriteFile(path, MakeElfImage(sections));
#endif
    return path;
}

void WriteFile(const std::filesystem::path& path, std::span<const std::byte> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

std::vector<std::byte> ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> chars{std::istreambuf_iterator<char>(in),
                                  std::istreambuf_iterator<char>()};
    const auto bytes = std::as_bytes(std::span(chars));
    return {bytes.begin(), bytes.end()};
}

// mingw-w64's runtime has no mkdtemp.
#ifdef _WIN32
std::filesystem::path NewTemporaryFolder() {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                             ("schattwerk-test-" + std::to_string(random()));
        if (std::filesystem::create_directory(folder)) {
            return folder;
        }
    }
    throw std::runtime_error("cannot make a temporary folder");
}
#else
std::filesystem::path NewTemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "schattwerk-test-XXXXXX");
    if (!::mkdtemp(pattern.data())) {
        throw std::runtime_error("cannot make a temporary folder");
    }
    return pattern;
}
#endif

ConfigFolder::ConfigFolder() {
    path = NewTemporaryFolder();
    if (const char* former = std::getenv("XDG_CONFIG_HOME")) {
        hadConfig = true;
        formerConfig = former;
    }
    SetVariable("XDG_CONFIG_HOME", path.string());
}

ConfigFolder::~ConfigFolder() {
    if (hadConfig) {
        SetVariable("XDG_CONFIG_HOME", formerConfig);
    } else {
        RemoveVariable("XDG_CONFIG_HOME");
    }
    std::error_code error;
    std::filesystem::remove_all(path, error);
}

}  // namespace testsupport
