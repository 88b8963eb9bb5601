// The settings store on the user's registry hive: each section is the key
// HKEY_CURRENT_USER\Software\<key name>\<section>, with one value per setting.
#pragma once

#include <string>

#include "frame/RegistryKey.h"
#include "frame/SettingsStore.h"

namespace qel::Windows {

class RegistrySettings : public SettingsStore {
  public:
    // Made with no open section. The application object makes one after its paths are known and
    // gives it its registry key name ("QelApps\" + application name).
    RegistrySettings() = default;

    // A null or empty name keeps the sections under a key of their own all the same (see
    // ProgramKeyPath).
    void SetKeyName(const char* name);
    const std::string& KeyName() const { return keyName; }
    // "Software\" + the key name, the key below which the sections lie.
    std::string ProgramKeyPath() const;

    bool OpenSection(std::string_view section) override;
    int Close() override;
    bool IsOpen() const override;

    std::string GetString(std::string_view name, std::string_view defaultText) const override;
    std::int32_t GetBool(std::string_view name, std::int32_t defaultValue) const override;
    std::int32_t GetInt(std::string_view name, std::int32_t defaultValue) const override;
    void GetIntArray(std::string_view name, std::span<const std::int32_t> defaults,
                     std::span<std::int32_t> output) const override;
    int GetBinary(std::string_view name, std::span<const std::byte> defaults,
                  std::span<std::byte> output) const override;

    bool SetString(std::string_view name, std::string_view text) override;
    bool SetBool(std::string_view name, std::int32_t value) override;
    bool SetInt(std::string_view name, std::int32_t value) override;
    bool SetIntArray(std::string_view name, std::span<const std::int32_t> values) override;
    bool SetBinary(std::string_view name, std::span<const std::byte> block) override;
    bool DeleteValue(std::string_view name) override;
    bool DeleteSection(std::string_view section) override;

  private:
    RegistryKey key;
    std::string keyName;
};

}  // namespace qel::Windows
