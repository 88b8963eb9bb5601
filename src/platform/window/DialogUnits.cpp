// Mapping dialog units to pixels.
#include "platform/window/DialogUnits.h"

#include <algorithm>

namespace platform {
namespace {

int Covering(int pixels, int unitsPerBase, int base) {
    return static_cast<int>((static_cast<long long>(pixels) * unitsPerBase + base - 1) / base);
}

}  // namespace

int MulDiv(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>((product >= 0 ? product + half : product - half) / denominator);
}

DialogUnits::DialogUnits(int averageCharWidth, int charHeight)
    : baseX(std::max(1, averageCharWidth)), baseY(std::max(1, charHeight)) {
}

PixelRect DialogUnits::Map(const DialogRect& rect) const {
    return {MulDiv(rect.x, baseX, 4), MulDiv(rect.y, baseY, 8),
            MulDiv(rect.x + rect.width, baseX, 4), MulDiv(rect.y + rect.height, baseY, 8)};
}

int DialogUnits::AcrossCovering(int pixels) const {
    return Covering(pixels, 4, baseX);
}

int DialogUnits::DownCovering(int pixels) const {
    return Covering(pixels, 8, baseY);
}

}  // namespace platform
