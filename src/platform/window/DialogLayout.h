// Where a dialog's window goes and how its controls make room for their texts: rules that both
// backends apply to the windows they make, defined once here. Not for code outside the platform.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "platform/window/Dialog.h"

namespace platform::backend {

// Which edge of a window a drag that made `before` into `after` moved; none when the size stayed.
// For window systems that report a resize only once it happened.
std::optional<SizingEdge> SizingEdgeBetween(const PixelRect& before, const PixelRect& after);

// `window` moved to the centre of `area`, then into `workArea` as far as it fits, its top left
// corner first: a window larger than its owner is not centred off the screen.
PixelRect CentredWithin(const PixelRect& window, const PixelRect& area, const PixelRect& workArea);

// The field in the row of `controls[label]` if that is a plain label: the first edit field or
// sunken label that starts at the label's top and is at least as tall. The label's text stands on
// the field's line.
std::optional<std::size_t> FieldInRow(const std::vector<ControlTemplate>& controls,
                                      std::size_t label);

// The room that texts take in a dialog.
struct TextRoom {
    int clientWidth = 0;
    // How far every control moves right, to stand centred below a caption wider than they are.
    int shift = 0;
};

// Gives texts the room they need: a control narrower than its `neededWidths` entry widens to the
// right, and the client area so far as to keep the template's right margin beside it; the client
// area is at least `captionWidth` wide, the controls centred in what the caption adds. Nothing
// becomes narrower than the template made it. `controls` are widened, not yet shifted.
TextRoom GiveTextsRoom(std::vector<PixelRect>& controls, const std::vector<int>& neededWidths,
                       int clientWidth, int captionWidth);

}  // namespace platform::backend
