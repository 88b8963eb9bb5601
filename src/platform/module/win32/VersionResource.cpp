// The version resource of a Windows executable, through the version API.
#include "platform/module/VersionResource.h"

#include <windows.h>

#include <algorithm>
#include <cctype>

#include "platform/module/win32/WideText.h"

namespace platform {
namespace {

// The sub-blocks whose values are texts, whose lengths the API counts in characters.
bool IsStringValue(std::string_view subBlock) {
    constexpr std::string_view kStrings = "\\StringFileInfo\\";
    return subBlock.size() > kStrings.size() &&
           std::equal(kStrings.begin(), kStrings.end(), subBlock.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

}  // namespace

std::uint32_t VersionResourceSize(const std::string& path) {
    DWORD handle = 0;
    return GetFileVersionInfoSizeW(Widened(path).c_str(), &handle);
}

bool ReadVersionResource(const std::string& path, std::span<std::byte> block) {
    return GetFileVersionInfoW(Widened(path).c_str(), 0, static_cast<DWORD>(block.size()),
                               block.data()) != FALSE;
}

bool QueryVersionValue(std::span<const std::byte> block, std::string_view subBlock,
                       VersionValue& value) {
    void* data = nullptr;
    UINT length = 0;
    // The API does not change the block; it only takes it as writable.
    if (block.empty() || !VerQueryValueW(const_cast<std::byte*>(block.data()),
                                         Widened(subBlock).c_str(), &data, &length)) {
        return false;
    }
    value.text = IsStringValue(subBlock);
    const std::size_t bytes = value.text ? length * sizeof(wchar_t) : length;
    value.data = std::span(static_cast<const std::byte*>(data), bytes);
    return true;
}

}  // namespace platform
