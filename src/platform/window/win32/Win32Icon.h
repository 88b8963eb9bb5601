// Icon handles as the system's icons: the program's icons from the program file, the message
// icons from the system, each at the size asked for.
#pragma once

#include <windows.h>

#include "platform/window/Icon.h"

namespace platform {

// An icon `side` pixels square, made from the image nearest that size; the caller owns it. Null
// for a null icon, and for a program icon that the program file does not carry.
HICON MakeHicon(const Icon& icon, int side);

}  // namespace platform
