// Splitting, joining and completing paths.
#include "platform/module/Paths.h"

#include <filesystem>
#include <system_error>

namespace platform {

SplitPath Split(const std::string& path) {
    SplitPath parts;
    const std::size_t nameStart =
        path.rfind(PathSeparator) == std::string::npos ? 0 : path.rfind(PathSeparator) + 1;
    parts.directory = path.substr(0, nameStart);
    const std::string name = path.substr(nameStart);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0) {
        parts.fileName = name;
    } else {
        parts.fileName = name.substr(0, dot);
        parts.extension = name.substr(dot);
    }
    return parts;
}

std::string Join(const SplitPath& parts) {
    std::string path = parts.drive + parts.directory;
    if (!path.empty() && path.back() != PathSeparator) {
        path += PathSeparator;
    }
    return path + parts.fileName + parts.extension;
}

std::string FullPath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (error || path.empty()) {
        return path;
    }
    std::string full = absolute.lexically_normal().string();
    // Keep a directory's trailing separator, which lexically_normal keeps as an empty name.
    return full;
}

}  // namespace platform
