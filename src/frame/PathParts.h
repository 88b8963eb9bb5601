// A path split into drive, directory, file name and extension, and the module path functions.
#pragma once

#include <string>

#include "platform/module/Module.h"
#include "platform/module/Paths.h"

namespace qel::Windows {

class PathParts {
  public:
    explicit PathParts(const std::string& path) : parts(platform::Split(path)) {}

    // Replaces the extension by `extension`, which includes its dot.
    void SetExtension(std::string extension) { parts.extension = std::move(extension); }
    std::string Compose() const { return platform::Join(parts); }
    std::string ComposeFull() const;
    // Drive and directory of the full path, ending with the separator.
    std::string Directory() const;

  private:
    platform::SplitPath parts;
};

// The full path of the module's file.
std::string GetModulePath(const platform::ModuleInstance& instance);
std::string FullPath(const std::string& path);

}  // namespace qel::Windows
