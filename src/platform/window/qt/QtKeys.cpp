// Mapping Qt keys to virtual-key codes.
#include "platform/window/qt/QtKeys.h"

namespace platform {

KeyPress ToKeyPress(const QKeyEvent& event) {
    const int key = event.key();
    int virtualKey = 0;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        virtualKey = KeyF1 + (key - Qt::Key_F1);
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        virtualKey = KeyReturn;
    } else if (key == Qt::Key_Escape) {
        virtualKey = KeyEscape;
    } else if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        virtualKey = KeyTab;
    } else if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z)) {
        virtualKey = key;  // digits and letters share their codes
    }
    const Qt::KeyboardModifiers qtModifiers = event.modifiers();
    unsigned modifiers = ModifierNone;
    if (qtModifiers & Qt::ShiftModifier) {
        modifiers |= ModifierShift;
    }
    if (qtModifiers & Qt::ControlModifier) {
        modifiers |= ModifierControl;
    }
    if (qtModifiers & Qt::AltModifier) {
        modifiers |= ModifierAlt;
    }
    return {virtualKey, modifiers};
}

}  // namespace platform
