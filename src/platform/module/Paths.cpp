// Splitting, joining and completing paths.
#include "platform/module/Paths.h"

#include <system_error>

namespace platform {
namespace {

constexpr bool kDrives = PathSeparator == '\\';
constexpr std::string_view kSeparators = kDrives ? "\\/" : "/";

}  // namespace

SplitPath Split(const std::string& path) {
    SplitPath parts;
    std::string_view rest = path;
    if (kDrives && rest.size() >= 2 && rest[1] == ':') {
        parts.drive = rest.substr(0, 2);
        rest.remove_prefix(2);
    }
    const std::size_t lastSeparator = rest.find_last_of(kSeparators);
    const std::size_t nameStart = lastSeparator == std::string_view::npos ? 0 : lastSeparator + 1;
    parts.directory = rest.substr(0, nameStart);
    const std::string_view name = rest.substr(nameStart);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0) {
        parts.fileName = name;
    } else {
        parts.fileName = name.substr(0, dot);
        parts.extension = name.substr(dot);
    }
    return parts;
}

std::string Join(const SplitPath& parts) {
    std::string path = parts.drive + parts.directory;
    if (!parts.directory.empty() && kSeparators.find(path.back()) == std::string_view::npos) {
        path += PathSeparator;
    }
    return path + parts.fileName + parts.extension;
}

std::string FullPath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(FileSystemPath(path), error);
    if (error || path.empty()) {
        return path;
    }
    // A directory's trailing separator stays, as lexically_normal keeps it as an empty name.
    return Utf8Path(absolute.lexically_normal());
}

std::filesystem::path FileSystemPath(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8Path(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace platform
