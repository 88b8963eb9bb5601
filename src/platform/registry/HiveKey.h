// An open key of the current user's registry, or its root (HKEY_CURRENT_USER), or none. On Linux
// the root opens the hive file only when it is used, and creates it only to create a key.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "platform/registry/RegistryTypes.h"

namespace platform {

class HiveKey {
  public:
    // No key: every operation gives kRegistryInvalidHandle.
    HiveKey() = default;
    static HiveKey CurrentUser();

    bool IsNull() const { return !root && !key; }

    // Opens the subkey at `path`, creating the keys on it that are missing; the handle has the
    // `desired` access.
    int Create(std::string_view path, std::uint32_t desired, HiveKey& result,
               KeyDisposition* disposition = nullptr) const;
    int Open(std::string_view path, std::uint32_t desired, HiveKey& result) const;
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
    // An open key below the root, as the backend holds it; it closes when its last handle goes.
    struct Key;

    HiveKey(std::shared_ptr<const Key> key, std::uint32_t access)
        : key(std::move(key)), access(access) {}

    // What an operation that needs `right` works on: the key itself or, for the root, what the
    // backend opens for it (making it if `create` allows).
    int Use(std::uint32_t right, bool create, Key& used) const;

    std::shared_ptr<const Key> key;
    std::uint32_t access = 0;
    bool root = false;
};

}  // namespace platform
