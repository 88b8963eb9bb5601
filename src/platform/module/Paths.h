// File paths with the native separator: splitting into parts, joining, making absolute. Paths are
// UTF-8 text; on Windows both "\" and "/" separate and a path may begin with a drive ("C:").
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

#ifdef _WIN32
inline constexpr char PathSeparator = '\\';
#else
inline constexpr char PathSeparator = '/';
#endif

struct SplitPath {
    std::string drive;      // "C:" or empty; always empty on Linux
    std::string directory;  // ends with the separator when present
    std::string fileName;   // without extension
    std::string extension;  // with its leading dot
};

// The extension starts at the last dot of the file name, unless that dot begins the name.
SplitPath Split(const std::string& path);
std::string Join(const SplitPath& parts);
// The absolute form of a path, with "." and ".." resolved and links left as they are; the path
// itself when it cannot be made absolute.
std::string FullPath(const std::string& path);

// A path's UTF-8 text as the file system's path, and back; on Linux both are the bytes as they are.
std::filesystem::path FileSystemPath(std::string_view utf8);
std::string Utf8Path(const std::filesystem::path& path);

}  // namespace platform
