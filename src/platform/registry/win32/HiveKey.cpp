// Keys of the current user's registry on Windows, through the wide Reg* calls. Texts are UTF-8
// with their zero in the program; the registry keeps them as UTF-16, as every other program reads
// them. Result codes are the system's own, the numbers that RegistryTypes.h names.
#include "platform/registry/HiveKey.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/module/win32/WideText.h"
#include "platform/registry/KeyPath.h"

namespace platform {

// An open key; the root's predefined handle is never closed.
struct HiveKey::Key {
    HKEY handle = nullptr;
    bool owned = false;

    ~Key() {
        if (owned) {
            RegCloseKey(handle);
        }
    }
};

namespace {

// A UTF-8 text value, up to its first zero, as UTF-16 with its zero.
std::vector<std::byte> StoredText(std::span<const std::byte> data) {
    const auto* text = reinterpret_cast<const char*>(data.data());
    const std::wstring wide =
        Widened(std::string_view(text, std::find(text, text + data.size(), '\0') - text));
    std::vector<std::byte> stored((wide.size() + 1) * sizeof(wchar_t));
    std::memcpy(stored.data(), wide.c_str(), stored.size());
    return stored;
}

// A stored UTF-16 text as UTF-8 with one zero at its end.
std::string ReadText(const std::vector<std::byte>& stored) {
    std::wstring wide(stored.size() / sizeof(wchar_t), L'\0');
    std::memcpy(wide.data(), stored.data(), wide.size() * sizeof(wchar_t));
    wide.resize(std::min(wide.size(), wide.find(L'\0')));
    return Narrowed(wide) + '\0';
}

}  // namespace

HiveKey HiveKey::CurrentUser() {
    HiveKey key;
    key.root = true;
    key.access = kKeyAllAccess;
    return key;
}

int HiveKey::Use(std::uint32_t /*right*/, bool /*create*/, Key& used) const {
    if (IsNull()) {
        return kRegistryInvalidHandle;
    }
    // The registry itself checks each key's access.
    used.handle = key ? key->handle : HKEY_CURRENT_USER;
    return kRegistrySuccess;
}

int HiveKey::Create(std::string_view path, std::uint32_t desired, HiveKey& result,
                    KeyDisposition* disposition) const {
    if (!IsKeyPath(path)) {
        return IsNull() ? kRegistryInvalidHandle : kRegistryBadPath;
    }
    Key used;
    int outcome = Use(kKeyCreateSubKey, true, used);
    if (outcome != kRegistrySuccess) {
        return outcome;
    }
    auto made = std::make_shared<Key>();
    DWORD how = 0;
    outcome = static_cast<int>(RegCreateKeyExW(used.handle, Widened(path).c_str(), 0, nullptr, 0,
                                               desired, nullptr, &made->handle, &how));
    if (outcome != kRegistrySuccess) {
        return outcome;
    }
    made->owned = true;
    result = HiveKey(std::move(made), desired);
    if (disposition) {
        *disposition = how == REG_CREATED_NEW_KEY ? KeyDisposition::CreatedNewKey
                                                  : KeyDisposition::OpenedExistingKey;
    }
    return kRegistrySuccess;
}

int HiveKey::Open(std::string_view path, std::uint32_t desired, HiveKey& result) const {
    if (!IsKeyPath(path)) {
        return IsNull() ? kRegistryInvalidHandle : kRegistryBadPath;
    }
    Key used;
    int outcome = Use(0, false, used);
    if (outcome != kRegistrySuccess) {
        return outcome;
    }
    auto found = std::make_shared<Key>();
    outcome = static_cast<int>(
        RegOpenKeyExW(used.handle, Widened(path).c_str(), 0, desired, &found->handle));
    if (outcome == kRegistrySuccess) {
        found->owned = true;
        result = HiveKey(std::move(found), desired);
    }
    return outcome;
}

void HiveKey::Close() {
    *this = HiveKey();
}

int HiveKey::QueryValue(std::string_view name, RegistryValueInfo& info,
                        std::span<std::byte> data) const {
    Key used;
    int outcome = Use(kKeyQueryValue, false, used);
    if (outcome != kRegistrySuccess) {
        return outcome;
    }
    const std::wstring wideName = Widened(name);
    DWORD type = REG_NONE;
    DWORD size = 0;
    outcome = static_cast<int>(
        RegQueryValueExW(used.handle, wideName.c_str(), nullptr, &type, nullptr, &size));
    if (outcome != kRegistrySuccess) {
        return outcome;
    }
    std::vector<std::byte> stored(size);
    outcome = static_cast<int>(RegQueryValueExW(used.handle, wideName.c_str(), nullptr, &type,
                                                reinterpret_cast<BYTE*>(stored.data()), &size));
    if (outcome != kRegistrySuccess) {
        return outcome;
    }
    stored.resize(size);
    if (type == REG_SZ) {
        const std::string text = ReadText(stored);
        stored.assign(reinterpret_cast<const std::byte*>(text.data()),
                      reinterpret_cast<const std::byte*>(text.data() + text.size()));
    }
    info = {static_cast<RegistryType>(type), stored.size()};
    if (data.empty()) {
        return kRegistrySuccess;
    }
    if (data.size() < stored.size()) {
        return kRegistryMoreData;
    }
    std::copy(stored.begin(), stored.end(), data.begin());
    return kRegistrySuccess;
}

int HiveKey::SetValue(std::string_view name, RegistryType type,
                      std::span<const std::byte> data) const {
    Key used;
    const int outcome = Use(kKeySetValue, true, used);
    if (outcome != kRegistrySuccess) {
        return outcome;
    }
    const std::vector<std::byte> stored = type == RegistryType::String
                                              ? StoredText(data)
                                              : std::vector<std::byte>(data.begin(), data.end());
    return static_cast<int>(RegSetValueExW(
        used.handle, Widened(name).c_str(), 0, static_cast<DWORD>(type),
        reinterpret_cast<const BYTE*>(stored.data()), static_cast<DWORD>(stored.size())));
}

int HiveKey::DeleteValue(std::string_view name) const {
    Key used;
    const int outcome = Use(kKeySetValue, false, used);
    return outcome == kRegistrySuccess
               ? static_cast<int>(RegDeleteValueW(used.handle, Widened(name).c_str()))
               : outcome;
}

int HiveKey::DeleteKey(std::string_view path) const {
    if (!IsKeyPath(path)) {
        return IsNull() ? kRegistryInvalidHandle : kRegistryBadPath;
    }
    Key used;
    const int outcome = Use(0, false, used);
    return outcome == kRegistrySuccess
               ? static_cast<int>(RegDeleteKeyW(used.handle, Widened(path).c_str()))
               : outcome;
}

int HiveKey::EnumKey(std::uint32_t index, std::string& name) const {
    Key used;
    const int outcome = Use(kKeyEnumerateSubKeys, false, used);
    if (outcome != kRegistrySuccess) {
        return outcome;
    }
    wchar_t found[256] = {};
    const auto result =
        static_cast<int>(RegEnumKeyW(used.handle, index, found, sizeof found / sizeof found[0]));
    if (result == kRegistrySuccess) {
        name = Narrowed(found);
    }
    return result;
}

}  // namespace platform
