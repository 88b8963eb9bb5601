// Splitting and checking key paths.
#include "platform/registry/KeyPath.h"

#include <algorithm>

namespace platform {

std::vector<std::string_view> SplitKeyPath(std::string_view path) {
    std::vector<std::string_view> names;
    for (;;) {
        const std::size_t separator = path.find('\\');
        names.push_back(path.substr(0, separator));
        if (separator == std::string_view::npos) {
            return names;
        }
        path.remove_prefix(separator + 1);
    }
}

bool IsKeyPath(std::string_view path) {
    const std::vector<std::string_view> names = SplitKeyPath(path);
    return std::none_of(names.begin(), names.end(),
                        [](std::string_view name) { return name.empty(); });
}

}  // namespace platform
