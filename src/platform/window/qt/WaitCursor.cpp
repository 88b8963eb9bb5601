// The wait cursor as Qt's override cursor.
#include "platform/window/WaitCursor.h"

#include <QApplication>

#include "platform/window/Backend.h"

namespace platform {
namespace {

bool shown = false;

}  // namespace

void ShowWaitCursor() {
    if (!shown) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        shown = true;
    }
}

void HideWaitCursor() {
    if (shown) {
        QApplication::restoreOverrideCursor();
        shown = false;
    }
}

bool IsWaitCursorShown() {
    return shown;
}

}  // namespace platform

namespace platform::backend {

NormalCursor::NormalCursor() : active(IsWaitCursorShown()) {
    if (active) {
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
}

NormalCursor::~NormalCursor() {
    if (active) {
        QApplication::restoreOverrideCursor();
    }
}

}  // namespace platform::backend
