// What the registry tests share: a value's bytes from text, and keys made with a check.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "platform/registry/HiveKey.h"

namespace platform {

inline std::vector<std::byte> Bytes(std::string_view text) {
    const auto bytes = std::as_bytes(std::span(text));
    return {bytes.begin(), bytes.end()};
}

// The key at `path` below `parent`, made if missing, with all access.
inline HiveKey CreatedKey(const HiveKey& parent, std::string_view path) {
    HiveKey key;
    EXPECT_EQ(parent.Create(path, kKeyAllAccess, key), kRegistrySuccess) << path;
    return key;
}

}  // namespace platform
