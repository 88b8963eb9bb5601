// Keys of the current user's hive: handles on one connection to it.
#include "platform/registry/HiveKey.h"

#include "platform/registry/sqlite/RegistryHive.h"

namespace platform {

// A key is a number in one hive; the root is key 0 of a hive opened when it is used.
struct HiveKey::Key {
    std::shared_ptr<RegistryHive> hive;
    std::int64_t id = 0;
};

HiveKey HiveKey::CurrentUser() {
    HiveKey key;
    key.root = true;
    key.access = kKeyAllAccess;
    return key;
}

int HiveKey::Use(std::uint32_t right, bool create, Key& used) const {
    if (IsNull()) {
        return kRegistryInvalidHandle;
    }
    if ((access & right) != right) {
        return kRegistryAccessDenied;
    }
    if (key) {
        used = *key;
        return kRegistrySuccess;
    }
    used.id = 0;
    return RegistryHive::Open(create, used.hive);
}

int HiveKey::Create(std::string_view path, std::uint32_t desired, HiveKey& result,
                    KeyDisposition* disposition) const {
    Key used;
    Key made;
    bool created = false;
    int outcome = Use(kKeyCreateSubKey, true, used);
    if (outcome == kRegistrySuccess) {
        outcome = used.hive->CreateKey(used.id, path, made.id, created);
    }
    if (outcome != kRegistrySuccess) {
        return outcome;
    }
    made.hive = std::move(used.hive);
    result = HiveKey(std::make_shared<const Key>(std::move(made)), desired);
    if (disposition) {
        *disposition = created ? KeyDisposition::CreatedNewKey : KeyDisposition::OpenedExistingKey;
    }
    return kRegistrySuccess;
}

int HiveKey::Open(std::string_view path, std::uint32_t desired, HiveKey& result) const {
    Key used;
    Key found;
    int outcome = Use(0, false, used);
    if (outcome == kRegistrySuccess) {
        outcome = used.hive->FindKey(used.id, path, found.id);
    }
    if (outcome == kRegistrySuccess) {
        found.hive = std::move(used.hive);
        result = HiveKey(std::make_shared<const Key>(std::move(found)), desired);
    }
    return outcome;
}

void HiveKey::Close() {
    *this = HiveKey();
}

int HiveKey::QueryValue(std::string_view name, RegistryValueInfo& info,
                        std::span<std::byte> data) const {
    Key used;
    const int outcome = Use(kKeyQueryValue, false, used);
    return outcome == kRegistrySuccess ? used.hive->QueryValue(used.id, name, info, data) : outcome;
}

int HiveKey::SetValue(std::string_view name, RegistryType type,
                      std::span<const std::byte> data) const {
    Key used;
    const int outcome = Use(kKeySetValue, true, used);
    return outcome == kRegistrySuccess ? used.hive->SetValue(used.id, name, type, data) : outcome;
}

int HiveKey::DeleteValue(std::string_view name) const {
    Key used;
    const int outcome = Use(kKeySetValue, false, used);
    return outcome == kRegistrySuccess ? used.hive->DeleteValue(used.id, name) : outcome;
}

int HiveKey::DeleteKey(std::string_view path) const {
    Key used;
    const int outcome = Use(0, false, used);
    return outcome == kRegistrySuccess ? used.hive->DeleteKey(used.id, path) : outcome;
}

int HiveKey::EnumKey(std::uint32_t index, std::string& name) const {
    Key used;
    const int outcome = Use(kKeyEnumerateSubKeys, false, used);
    if (outcome == kRegistryNotFound && root) {
        return kRegistryNoMoreItems;
    }
    return outcome == kRegistrySuccess ? used.hive->EnumKey(used.id, index, name) : outcome;
}

}  // namespace platform
