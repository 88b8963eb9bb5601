// Paths written once for the tests of both systems: "opt/gen/Gen" is /opt/gen/Gen on Linux and
// C:\opt\gen\Gen on Windows.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "platform/module/Paths.h"

namespace testsupport {

inline std::string NativePath(std::string_view fromRoot) {
    std::string path = platform::PathSeparator == '\\' ? "C:\\" : "/";
    path += fromRoot;
    std::replace(path.begin(), path.end(), '/', platform::PathSeparator);
    return path;
}

}  // namespace testsupport
