// The window handles of the Qt backend are its widgets.
#pragma once

#include <QWidget>

#include "platform/window/Dialog.h"

namespace platform {

inline QWidget* ToWidget(WindowHandle handle) {
    return reinterpret_cast<QWidget*>(handle);
}

inline WindowHandle ToHandle(QWidget* widget) {
    return reinterpret_cast<WindowHandle>(widget);
}

}  // namespace platform
