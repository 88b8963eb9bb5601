// Registry keys in the framework's value formats.
#include "frame/RegistryKey.h"

#include <algorithm>
#include <array>
#include <vector>

namespace qel::Windows {
namespace {

using platform::RegistryType;
using platform::RegistryValueInfo;

// Subkeys of one key are never more than this many levels deep in a sound hive; a deeper tree is
// left alone rather than risking the stack.
constexpr int kMaxTreeDepth = 512;

std::array<std::byte, 4> LittleEndian(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    return {std::byte(bits & 0xFF), std::byte(bits >> 8 & 0xFF), std::byte(bits >> 16 & 0xFF),
            std::byte(bits >> 24)};
}

int DeleteTreeOf(const platform::HiveKey& parent, std::string_view name, int depth) {
    if (depth > kMaxTreeDepth) {
        return platform::kRegistryInvalidParameter;
    }
    platform::HiveKey key;
    int result = parent.Open(name, platform::kKeyRead | platform::kKeyWrite, key);
    if (result != platform::kRegistrySuccess) {
        return result;
    }
    // Index 0 every time: the subkey just deleted is gone.
    for (std::string subkey; key.EnumKey(0, subkey) == platform::kRegistrySuccess;) {
        result = DeleteTreeOf(key, subkey, depth + 1);
        if (result != platform::kRegistrySuccess) {
            return result;
        }
    }
    key.Close();
    return parent.DeleteKey(name);
}

}  // namespace

int RegistryKey::Create(const platform::HiveKey& parent, std::string_view path,
                        std::uint32_t access, platform::KeyDisposition* disposition) {
    return parent.Create(path, access, handle, disposition);
}

int RegistryKey::Open(const platform::HiveKey& parent, std::string_view path,
                      std::uint32_t access) {
    return parent.Open(path, access, handle);
}

int RegistryKey::Close() {
    handle.Close();
    return platform::kRegistrySuccess;
}

int RegistryKey::DeleteValue(std::string_view name) {
    return handle.DeleteValue(name);
}

int RegistryKey::DeleteKey(std::string_view name) {
    return handle.DeleteKey(name);
}

int RegistryKey::DeleteTree(std::string_view name) {
    return DeleteTreeOf(handle, name, 0);
}

int RegistryKey::WriteString(std::string_view text, std::string_view name) {
    std::vector<std::byte> data(text.size() + 1);
    std::transform(text.begin(), text.end(), data.begin(), [](char c) { return std::byte(c); });
    return handle.SetValue(name, RegistryType::String, data);
}

int RegistryKey::WriteBool(std::int32_t value, std::string_view name) {
    const std::byte flag{value != 0 ? std::uint8_t{1} : std::uint8_t{0}};
    return handle.SetValue(name, RegistryType::Binary, std::span(&flag, 1));
}

int RegistryKey::WriteInt(std::int32_t value, std::string_view name) {
    return handle.SetValue(name, RegistryType::Binary, LittleEndian(value));
}

int RegistryKey::WriteBinary(std::span<const std::byte> block, std::string_view name) {
    return handle.SetValue(name, RegistryType::Binary, block);
}

int RegistryKey::ReadString(std::string& text, std::string_view name) const {
    RegistryValueInfo info;
    int result = handle.QueryValue(name, info);
    if (result != platform::kRegistrySuccess) {
        return result;
    }
    if (info.type != RegistryType::String) {
        return platform::kRegistryInvalidData;
    }
    std::vector<std::byte> data(info.size);
    result = handle.QueryValue(name, info, data);
    if (result != platform::kRegistrySuccess) {
        return result;
    }
    const auto zero = std::find(data.begin(), data.begin() + info.size, std::byte{0});
    text.assign(reinterpret_cast<const char*>(data.data()),
                static_cast<std::size_t>(zero - data.begin()));
    return result;
}

int RegistryKey::ReadBool(std::int32_t& value, std::string_view name) const {
    std::byte flag{};
    const int result = ReadBinary(std::span(&flag, 1), name);
    if (result == platform::kRegistrySuccess) {
        value = flag != std::byte{0} ? 1 : 0;
    }
    return result;
}

int RegistryKey::ReadInt(std::int32_t& value, std::string_view name) const {
    std::array<std::byte, 4> bytes{};
    const int result = ReadBinary(bytes, name);
    if (result == platform::kRegistrySuccess) {
        std::uint32_t bits = 0;
        for (std::size_t i = bytes.size(); i-- > 0;) {
            bits = bits << 8 | std::to_integer<std::uint32_t>(bytes[i]);
        }
        value = static_cast<std::int32_t>(bits);
    }
    return result;
}

int RegistryKey::ReadBinary(std::span<std::byte> block, std::string_view name) const {
    // Read into a buffer of its own, so that a value of the wrong type leaves the output alone.
    std::vector<std::byte> data(block.size());
    RegistryValueInfo info;
    int result = handle.QueryValue(name, info, data);
    if (result == platform::kRegistrySuccess &&
        (info.type != RegistryType::Binary || info.size != block.size())) {
        result = platform::kRegistryInvalidData;
    }
    if (result == platform::kRegistrySuccess) {
        std::copy(data.begin(), data.end(), block.begin());
    }
    return result;
}

}  // namespace qel::Windows
