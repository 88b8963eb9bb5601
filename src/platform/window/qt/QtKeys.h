// Qt's key events as the virtual keys and modifiers of the dialogs (inside the platform only).
#pragma once

#include <QKeyEvent>

#include "platform/window/Keys.h"

namespace platform {

KeyPress ToKeyPress(const QKeyEvent& event);

}  // namespace platform
