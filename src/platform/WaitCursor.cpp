// The wait cursor as Qt's override cursor.
#include "platform/WaitCursor.h"

#include <QApplication>

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
