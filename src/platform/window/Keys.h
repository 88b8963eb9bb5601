// Keys as the dialogs and accelerator tables name them: virtual-key codes and modifier bits.
#pragma once

namespace platform {

enum VirtualKey : int {
    KeyBackspace = 0x08,
    KeyTab = 0x09,
    KeyReturn = 0x0D,
    KeyEscape = 0x1B,
    KeyC = 0x43,
    KeyF1 = 0x70,
};

enum KeyModifier : unsigned {
    ModifierNone = 0,
    ModifierShift = 1,
    ModifierControl = 2,
    ModifierAlt = 4,
};

struct KeyPress {
    int virtualKey = 0;
    unsigned modifiers = ModifierNone;
};

}  // namespace platform
