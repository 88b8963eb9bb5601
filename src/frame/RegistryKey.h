// One open key of the user's registry hive, with the framework's value formats: texts with their
// terminating zero, flags as one byte, integers as four bytes least significant first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/registry/HiveKey.h"

namespace qel::Windows {

// Each operation returns the platform's result code, 0 for success. The key closes when the
// object goes.
class RegistryKey {
  public:
    RegistryKey() = default;
    virtual ~RegistryKey() = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    int Create(const platform::HiveKey& parent, std::string_view path, std::uint32_t access,
               platform::KeyDisposition* disposition = nullptr);
    int Open(const platform::HiveKey& parent, std::string_view path, std::uint32_t access);
    int Close();

    int DeleteValue(std::string_view name);
    int DeleteKey(std::string_view name);
    // Deletes the subkey and every key below it, depth first.
    int DeleteTree(std::string_view name);

    int WriteString(std::string_view text, std::string_view name);
    int WriteBool(std::int32_t value, std::string_view name);
    int WriteInt(std::int32_t value, std::string_view name);
    int WriteBinary(std::span<const std::byte> block, std::string_view name);

    // Each read leaves its output unchanged when it fails; a value of another type or size is
    // kRegistryInvalidData.
    int ReadString(std::string& text, std::string_view name) const;
    int ReadBool(std::int32_t& value, std::string_view name) const;
    int ReadInt(std::int32_t& value, std::string_view name) const;
    int ReadBinary(std::span<std::byte> block, std::string_view name) const;

    bool IsOpen() const { return !handle.IsNull(); }

  private:
    platform::HiveKey handle;
};

}  // namespace qel::Windows
