// Arbitrary bytes as a version block and as a whole file: the block reader and the ELF section
// lookup must stay inside the bytes they are given, whatever lengths and offsets those claim.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "platform/module/VersionBlock.h"
#include "platform/module/linux/VersionSection.h"

namespace {

void QueryAll(std::span<const std::byte> block) {
    for (const char* path :
         {"\\", "\\VarFileInfo\\Translation", "\\StringFileInfo\\040704B0\\ProductName",
          "\\stringfileinfo\\040704b0\\FileDescription", "\\StringFileInfo", "StringFileInfo\\\\",
          "\\StringFileInfo\\000004B0\\Comments\\Deeper"}) {
        platform::VersionValue value;
        if (platform::FindVersionValue(block, path, value)) {
            platform::VersionTextToUtf8(value.data);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::byte> bytes = std::as_bytes(std::span(data, size));
    platform::VersionBlockLength(bytes);
    QueryAll(bytes);

    const platform::ReadAt read = [bytes](std::uint64_t offset, std::span<std::byte> out) {
        // The lookup checks every range against the file size before it reads.
        if (offset > bytes.size() || out.size() > bytes.size() - offset) {
            std::abort();
        }
        if (!out.empty()) {
            std::memcpy(out.data(), bytes.data() + offset, out.size());
        }
        return true;
    };
    QueryAll(platform::FindVersionBlock(read, bytes.size()));
    return 0;
}
