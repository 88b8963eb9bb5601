// The program icon's images (PNG), made into the program at build time.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace schattwerk {

// 48, 32 and 16 pixels square.
std::vector<std::span<const std::uint8_t>> ProgramIconImages();

}  // namespace schattwerk
