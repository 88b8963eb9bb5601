// File paths with the native separator: splitting into parts, joining, making absolute.
#pragma once

#include <string>

namespace platform {

inline constexpr char PathSeparator = '/';

struct SplitPath {
    std::string drive;      // empty on this platform
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

}  // namespace platform
