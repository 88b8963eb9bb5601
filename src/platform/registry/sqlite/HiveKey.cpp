// Keys of the current user's hive: handles on one connection to it.
#include "platform/registry/HiveKey.h"

#include "platform/registry/sqlite/RegistryHive.h"

namespace platform {

HiveKey HiveKey::CurrentUser() {
    HiveKey key;
    key.root = true;
    key.access = kKeyAllAccess;
    return key;
}

int HiveKey::Use(std::uint32_t right, bool create, std::shared_ptr<RegistryHive>& used) const {
    if (IsNull()) {
        return kRegistryInvalidHandle;
    }
    if ((access & right) != right) {
        return kRegistryAccessDenied;
    }
    if (hive) {
        used = hive;
        return kRegistrySuccess;
    }
    return RegistryHive::Open(create, used);
}

int HiveKey::Create(std::string_view path, std::uint32_t access, HiveKey& result,
                    KeyDisposition* disposition) const {
    std::shared_ptr<RegistryHive> used;
    std::int64_t key = 0;
    bool created = false;
    int outcome = Use(kKeyCreateSubKey, true, used);
    if (outcome == kRegistrySuccess) {
        outcome = used->CreateKey(id, path, key, created);
    }
    if (outcome != kRegistrySuccess) {
        return outcome;
    }
    result = HiveKey(std::move(used), key, access);
    if (disposition) {
        *disposition = created ? KeyDisposition::CreatedNewKey : KeyDisposition::OpenedExistingKey;
    }
    return kRegistrySuccess;
}

int HiveKey::Open(std::string_view path, std::uint32_t access, HiveKey& result) const {
    std::shared_ptr<RegistryHive> used;
    std::int64_t key = 0;
    int outcome = Use(0, false, used);
    if (outcome == kRegistrySuccess) {
        outcome = used->FindKey(id, path, key);
    }
    if (outcome == kRegistrySuccess) {
        result = HiveKey(std::move(used), key, access);
    }
    return outcome;
}

void HiveKey::Close() {
    *this = HiveKey();
}

int HiveKey::QueryValue(std::string_view name, RegistryValueInfo& info,
                        std::span<std::byte> data) const {
    std::shared_ptr<RegistryHive> used;
    const int outcome = Use(kKeyQueryValue, false, used);
    return outcome == kRegistrySuccess ? used->QueryValue(id, name, info, data) : outcome;
}

int HiveKey::SetValue(std::string_view name, RegistryType type,
                      std::span<const std::byte> data) const {
    std::shared_ptr<RegistryHive> used;
    const int outcome = Use(kKeySetValue, true, used);
    return outcome == kRegistrySuccess ? used->SetValue(id, name, type, data) : outcome;
}

int HiveKey::DeleteValue(std::string_view name) const {
    std::shared_ptr<RegistryHive> used;
    const int outcome = Use(kKeySetValue, false, used);
    return outcome == kRegistrySuccess ? used->DeleteValue(id, name) : outcome;
}

int HiveKey::DeleteKey(std::string_view path) const {
    std::shared_ptr<RegistryHive> used;
    const int outcome = Use(0, false, used);
    return outcome == kRegistrySuccess ? used->DeleteKey(id, path) : outcome;
}

int HiveKey::EnumKey(std::uint32_t index, std::string& name) const {
    std::shared_ptr<RegistryHive> used;
    const int outcome = Use(kKeyEnumerateSubKeys, false, used);
    if (outcome == kRegistryNotFound && root) {
        return kRegistryNoMoreItems;
    }
    return outcome == kRegistrySuccess ? used->EnumKey(id, index, name) : outcome;
}

}  // namespace platform
