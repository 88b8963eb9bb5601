// Path parts.
#include "frame/PathParts.h"

namespace qel::Windows {

std::string PathParts::ComposeFull() const {
    return FullPath(Compose());
}

std::string PathParts::Directory() const {
    const platform::SplitPath full = platform::Split(ComposeFull());
    return full.drive + full.directory;
}

std::string GetModulePath(const platform::ModuleInstance& instance) {
    return instance.FileName();
}

std::string FullPath(const std::string& path) {
    return platform::FullPath(path);
}

}  // namespace qel::Windows
