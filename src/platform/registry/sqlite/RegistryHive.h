// The current user's registry hive: one SQLite file in the user's configuration folder holding a
// tree of keys with typed, named values. Names compare without regard to ASCII case; every change
// is one transaction, so two processes can share the file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "platform/registry/RegistryTypes.h"

struct sqlite3;

namespace platform {

// One open connection to the hive. Keys are numbered; 0 is the root (HKEY_CURRENT_USER). Paths
// are key names separated by backslashes, none of them empty.
class RegistryHive {
  public:
    // $XDG_CONFIG_HOME/qelapps/current-user.sqlite, with ~/.config for an unset or relative
    // $XDG_CONFIG_HOME; empty when the home folder is unknown.
    static std::filesystem::path CurrentUserFile();

    // Opens the hive. A missing one is kRegistryNotFound, unless `create` makes it (folder and
    // file). A file that is not a sound hive is kRegistryCorrupt and is left as it is.
    static int Open(bool create, std::shared_ptr<RegistryHive>& hive);

    ~RegistryHive();
    RegistryHive(const RegistryHive&) = delete;
    RegistryHive& operator=(const RegistryHive&) = delete;

    int FindKey(std::int64_t parent, std::string_view path, std::int64_t& key);
    int CreateKey(std::int64_t parent, std::string_view path, std::int64_t& key, bool& created);
    // Deletes a key without subkeys, with its values.
    int DeleteKey(std::int64_t parent, std::string_view path);
    // The name of the subkey at `index`, in order of names.
    int EnumKey(std::int64_t key, std::uint32_t index, std::string& name);

    // Gives type and size; copies the data too when `data` is not empty, kRegistryMoreData when
    // it is too small.
    int QueryValue(std::int64_t key, std::string_view name, RegistryValueInfo& info,
                   std::span<std::byte> data);
    int SetValue(std::int64_t key, std::string_view name, RegistryType type,
                 std::span<const std::byte> data);
    int DeleteValue(std::int64_t key, std::string_view name);

  private:
    RegistryHive(sqlite3* db, std::filesystem::path file) : db(db), file(std::move(file)) {}

    bool FileEmpty() const;
    int Check(bool create);
    int CheckContents();
    int Initialise();
    int KeyExists(std::int64_t key);
    int Resolve(std::int64_t parent, std::string_view path, std::int64_t& key);

    sqlite3* db;
    std::filesystem::path file;
};

}  // namespace platform
