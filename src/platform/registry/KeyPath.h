// Key paths of the registry: names separated by backslashes, none of them empty, on every backend.
#pragma once

#include <string_view>
#include <vector>

namespace platform {

std::vector<std::string_view> SplitKeyPath(std::string_view path);

// False for "", "a\\", "\\a" and "a\\\\b": the Windows registry itself would take an empty name
// for the key it starts from, so that deleting a section "" would delete every section.
bool IsKeyPath(std::string_view path);

}  // namespace platform
