// What `schattwerk --version` prints: the product name and short version that the program's own
// file carries in its version resource.
#pragma once

#include <optional>
#include <string>

namespace schattwerk {

// "Dornak-Schattwerk-Generator v1.02" for the program file at `programFile`; none when that file
// has no readable version resource.
std::optional<std::string> VersionLine(const std::string& programFile);

}  // namespace schattwerk
