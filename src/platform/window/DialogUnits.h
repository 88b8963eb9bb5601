// Dialog units: a quarter of the dialog font's average character width across, an eighth of its
// height down. Templates are written in them; every backend maps them from its own font.
#pragma once

#include "platform/window/Dialog.h"

namespace platform {

class DialogUnits {
  public:
    // From the font's average character width ("A".."Z" and "a".."z" over 52, rounded) and its
    // height, in pixels; at least 1 each.
    DialogUnits(int averageCharWidth, int charHeight);

    // Each edge on its own, as dialog templates have always been mapped.
    PixelRect Map(const DialogRect& rect) const;
    // The fewest whole units that cover `pixels`.
    int AcrossCovering(int pixels) const;
    int DownCovering(int pixels) const;

  private:
    int baseX;
    int baseY;
};

// Round-half-away multiplication and division, as dialog-unit mapping has always done it.
int MulDiv(int value, int numerator, int denominator);

}  // namespace platform
