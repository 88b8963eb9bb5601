// Icons from the PNG images of the program's icon resources, the image nearest the size asked
// for, and the system's message icons.
#include "platform/window/win32/Win32Icon.h"

#include <cstdlib>

#include "platform/window/Resources.h"

namespace platform {
namespace {

// A PNG's width, from its header chunk; 0 when the bytes are no PNG.
int PngWidth(std::span<const std::uint8_t> png) {
    constexpr std::size_t kWidthAt = 16;
    if (png.size() < kWidthAt + 4) {
        return 0;
    }
    return png[kWidthAt] << 24 | png[kWidthAt + 1] << 16 | png[kWidthAt + 2] << 8 |
           png[kWidthAt + 3];
}

constexpr DWORD kIconFormatVersion = 0x00030000;

}  // namespace

HICON ToHicon(const Icon& icon, int side, bool& owned) {
    owned = false;
    if (const IconResource* resource = Resources::Icon(icon.ResourceId())) {
        std::span<const std::uint8_t> nearest;
        for (const std::span<const std::uint8_t> png : resource->pngImages) {
            if (nearest.empty() ||
                std::abs(PngWidth(png) - side) < std::abs(PngWidth(nearest) - side)) {
                nearest = png;
            }
        }
        if (nearest.empty()) {
            return nullptr;
        }
        owned = true;
        return CreateIconFromResourceEx(const_cast<PBYTE>(nearest.data()),
                                        static_cast<DWORD>(nearest.size()), TRUE,
                                        kIconFormatVersion, side, side, LR_DEFAULTCOLOR);
    }
    switch (icon.System()) {
        case SystemIcon::Stop:
            return LoadIconW(nullptr, IDI_HAND);
        case SystemIcon::Exclamation:
            return LoadIconW(nullptr, IDI_EXCLAMATION);
        case SystemIcon::Information:
            return LoadIconW(nullptr, IDI_ASTERISK);
        case SystemIcon::None:
            break;
    }
    return nullptr;
}

}  // namespace platform
