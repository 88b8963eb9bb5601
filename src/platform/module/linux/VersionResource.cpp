// The version resource of an ELF file: its version section, read through positioned reads.
#include "platform/module/VersionResource.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>

#include "platform/module/linux/VersionSection.h"

namespace platform {
namespace {

// A version block's length is a 16-bit field, so no more of a section is ever read.
constexpr std::uint64_t kMaxBlockSize = 0xFFFF;

class ReadOnlyFile {
  public:
    explicit ReadOnlyFile(const std::string& path)
        : descriptor(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK)) {
        struct stat status {};
        if (descriptor >= 0 && ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode)) {
            size = static_cast<std::uint64_t>(status.st_size);
        }
    }
    ~ReadOnlyFile() {
        if (descriptor >= 0) {
            ::close(descriptor);
        }
    }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    std::vector<std::byte> VersionBlock() const {
        if (size == 0) {
            return {};
        }
        return FindVersionBlock([this](std::uint64_t offset,
                                       std::span<std::byte> out) { return ReadBytes(offset, out); },
                                size);
    }

  private:
    bool ReadBytes(std::uint64_t offset, std::span<std::byte> out) const {
        while (!out.empty()) {
            const ssize_t got =
                ::pread(descriptor, out.data(), out.size(), static_cast<off_t>(offset));
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                return false;
            }
            out = out.subspan(static_cast<std::size_t>(got));
            offset += static_cast<std::uint64_t>(got);
        }
        return true;
    }

    int descriptor;
    std::uint64_t size = 0;
};

}  // namespace

std::vector<std::byte> FindVersionBlock(const ReadAt& read, std::uint64_t fileSize) {
    const std::optional<ElfSection> section = FindElfSection(read, fileSize, kVersionSectionName);
    if (!section || section->size == 0) {
        return {};
    }
    std::vector<std::byte> bytes(static_cast<std::size_t>(std::min(section->size, kMaxBlockSize)));
    if (!read(section->offset, bytes)) {
        return {};
    }
    bytes.resize(VersionBlockLength(bytes));
    return bytes;
}

std::uint32_t VersionResourceSize(const std::string& path) {
    return static_cast<std::uint32_t>(ReadOnlyFile(path).VersionBlock().size());
}

bool ReadVersionResource(const std::string& path, std::span<std::byte> block) {
    const std::vector<std::byte> found = ReadOnlyFile(path).VersionBlock();
    if (found.empty() || found.size() > block.size()) {
        return false;
    }
    std::copy(found.begin(), found.end(), block.begin());
    std::fill(block.begin() + static_cast<std::ptrdiff_t>(found.size()), block.end(), std::byte{0});
    return true;
}

bool QueryVersionValue(std::span<const std::byte> block, std::string_view subBlock,
                       VersionValue& value) {
    return FindVersionValue(block, subBlock, value);
}

}  // namespace platform
