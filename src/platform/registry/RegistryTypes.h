// Result codes, value types, access rights and dispositions of the user's registry hive, with the
// numbers that registry code of the framework checks for.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

inline constexpr int kRegistrySuccess = 0;
inline constexpr int kRegistryNotFound = 2;
inline constexpr int kRegistryAccessDenied = 5;
inline constexpr int kRegistryInvalidHandle = 6;
inline constexpr int kRegistryInvalidData = 13;
inline constexpr int kRegistryInvalidParameter = 87;
inline constexpr int kRegistryBadPath = 161;
inline constexpr int kRegistryMoreData = 234;
inline constexpr int kRegistryNoMoreItems = 259;
inline constexpr int kRegistryCorrupt = 1015;
inline constexpr int kRegistryIoFailed = 1016;
inline constexpr int kRegistryKeyDeleted = 1018;

enum class RegistryType : std::uint32_t { None = 0, String = 1, Binary = 3, DoubleWord = 4 };

// Of an access mask only the four low bits are checked; the standard-rights bits ride along.
inline constexpr std::uint32_t kKeyQueryValue = 0x0001;
inline constexpr std::uint32_t kKeySetValue = 0x0002;
inline constexpr std::uint32_t kKeyCreateSubKey = 0x0004;
inline constexpr std::uint32_t kKeyEnumerateSubKeys = 0x0008;
inline constexpr std::uint32_t kKeyRead = 0x20019;
inline constexpr std::uint32_t kKeyWrite = 0x20006;
inline constexpr std::uint32_t kKeyAllAccess = 0xF003F;

enum class KeyDisposition { CreatedNewKey = 1, OpenedExistingKey = 2 };

struct RegistryValueInfo {
    RegistryType type = RegistryType::None;
    std::size_t size = 0;
};

}  // namespace platform
