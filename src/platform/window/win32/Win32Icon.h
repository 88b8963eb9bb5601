// Icon handles as the system's icons: the program's icon resources from their PNG images, the
// message icons from the system.
#pragma once

#include <windows.h>

#include "platform/window/Icon.h"

namespace platform {

// An icon of about `side` pixels; the caller owns it when `owned` comes back true. Null for a
// null icon.
HICON ToHicon(const Icon& icon, int side, bool& owned);

}  // namespace platform
