// An open key of the current user's registry hive, or the hive's root (HKEY_CURRENT_USER), or
// none. The root opens the hive file only when it is used, and creates it only to create a key.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "platform/registry/RegistryTypes.h"

namespace platform {

class RegistryHive;

class HiveKey {
  public:
    // No key: every operation gives kRegistryInvalidHandle.
    HiveKey() = default;
    static HiveKey CurrentUser();

    bool IsNull() const { return !root && !hive; }

    // Opens the subkey at `path`, creating the keys on it that are missing.
    int Create(std::string_view path, std::uint32_t access, HiveKey& result,
               KeyDisposition* disposition = nullptr) const;
    int Open(std::string_view path, std::uint32_t access, HiveKey& result) const;
    void Close();

    // Gives type and size; with a non-empty `data` also the bytes (kRegistryMoreData when it is
    // too small).
    int QueryValue(std::string_view name, RegistryValueInfo& info,
                   std::span<std::byte> data = {}) const;
    int SetValue(std::string_view name, RegistryType type, std::span<const std::byte> data) const;
    int DeleteValue(std::string_view name) const;
    // Deletes the subkey at `path`, which must have no subkeys of its own.
    int DeleteKey(std::string_view path) const;
    // The name of the subkey at `index`; kRegistryNoMoreItems past the last.
    int EnumKey(std::uint32_t index, std::string& name) const;

  private:
    HiveKey(std::shared_ptr<RegistryHive> hive, std::int64_t id, std::uint32_t access)
        : hive(std::move(hive)), id(id), access(access) {}

    // The hive this key lives in, for an operation that needs `right`.
    int Use(std::uint32_t right, bool create, std::shared_ptr<RegistryHive>& used) const;

    std::shared_ptr<RegistryHive> hive;
    std::int64_t id = 0;
    std::uint32_t access = 0;
    bool root = false;
};

}  // namespace platform
