// Sections and values of the settings store as keys and values of the user's hive.
#include "frame/RegistrySettings.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace qel::Windows {
namespace {

constexpr const char* kSoftwareKey = "Software\\";
// Without a name of its own (the executable's path was not found) a program still keeps its
// sections apart from every other program's, and DeleteSection cannot reach into Software.
constexpr const char* kUnnamedProgramKey = "QelApps\\(ohne Namen)";

std::vector<std::byte> LittleEndian(std::span<const std::int32_t> values) {
    std::vector<std::byte> bytes;
    bytes.reserve(values.size() * 4);
    for (std::int32_t value : values) {
        const auto bits = static_cast<std::uint32_t>(value);
        for (int shift = 0; shift < 32; shift += 8) {
            bytes.push_back(std::byte(bits >> shift & 0xFF));
        }
    }
    return bytes;
}

// Copies the defaults into the output, unless they are the output itself.
template <typename T>
void UseDefaults(std::span<const T> defaults, std::span<T> output) {
    if (defaults.data() != output.data()) {
        std::memmove(output.data(), defaults.data(),
                     std::min(defaults.size(), output.size()) * sizeof(T));
    }
}

}  // namespace

void RegistrySettings::SetKeyName(const char* name) {
    keyName = name ? name : "";
}

std::string RegistrySettings::ProgramKeyPath() const {
    return kSoftwareKey + (keyName.empty() ? std::string(kUnnamedProgramKey) : keyName);
}

bool RegistrySettings::OpenSection(std::string_view section) {
    if (IsOpen()) {
        Close();
    }
    const std::string path = ProgramKeyPath() + "\\" + std::string(section);
    return key.Create(platform::HiveKey::CurrentUser(), path, platform::kKeyAllAccess) ==
           platform::kRegistrySuccess;
}

int RegistrySettings::Close() {
    return key.Close();
}

bool RegistrySettings::IsOpen() const {
    return key.IsOpen();
}

std::string RegistrySettings::GetString(std::string_view name, std::string_view defaultText) const {
    std::string text;
    return key.ReadString(text, name) == platform::kRegistrySuccess ? text
                                                                    : std::string(defaultText);
}

std::int32_t RegistrySettings::GetBool(std::string_view name, std::int32_t defaultValue) const {
    std::int32_t value = defaultValue;
    key.ReadBool(value, name);
    return value;
}

std::int32_t RegistrySettings::GetInt(std::string_view name, std::int32_t defaultValue) const {
    std::int32_t value = defaultValue;
    key.ReadInt(value, name);
    return value;
}

void RegistrySettings::GetIntArray(std::string_view name, std::span<const std::int32_t> defaults,
                                   std::span<std::int32_t> output) const {
    std::vector<std::byte> bytes(output.size() * 4);
    if (key.ReadBinary(bytes, name) != platform::kRegistrySuccess) {
        UseDefaults(defaults, output);
        return;
    }
    for (std::size_t i = 0; i < output.size(); ++i) {
        std::uint32_t bits = 0;
        for (std::size_t k = 4; k-- > 0;) {
            bits = bits << 8 | std::to_integer<std::uint32_t>(bytes[i * 4 + k]);
        }
        output[i] = static_cast<std::int32_t>(bits);
    }
}

int RegistrySettings::GetBinary(std::string_view name, std::span<const std::byte> defaults,
                                std::span<std::byte> output) const {
    const int result = key.ReadBinary(output, name);
    if (result != platform::kRegistrySuccess) {
        UseDefaults(defaults, output);
    }
    return result;
}

bool RegistrySettings::SetString(std::string_view name, std::string_view text) {
    return key.WriteString(text, name) == platform::kRegistrySuccess;
}

bool RegistrySettings::SetBool(std::string_view name, std::int32_t value) {
    return key.WriteBool(value, name) == platform::kRegistrySuccess;
}

bool RegistrySettings::SetInt(std::string_view name, std::int32_t value) {
    return key.WriteInt(value, name) == platform::kRegistrySuccess;
}

bool RegistrySettings::SetIntArray(std::string_view name, std::span<const std::int32_t> values) {
    return key.WriteBinary(LittleEndian(values), name) == platform::kRegistrySuccess;
}

bool RegistrySettings::SetBinary(std::string_view name, std::span<const std::byte> block) {
    return key.WriteBinary(block, name) == platform::kRegistrySuccess;
}

bool RegistrySettings::DeleteValue(std::string_view name) {
    return key.DeleteValue(name) == platform::kRegistrySuccess;
}

bool RegistrySettings::DeleteSection(std::string_view section) {
    RegistryKey program;
    const int opened =
        program.Open(platform::HiveKey::CurrentUser(), ProgramKeyPath(), platform::kKeyAllAccess);
    if (opened != platform::kRegistrySuccess) {
        // Only a missing program key means there is nothing to delete; a damaged or unreadable
        // hive is a failure.
        return opened == platform::kRegistryNotFound;
    }
    return program.DeleteTree(section) == platform::kRegistrySuccess;
}

}  // namespace qel::Windows
