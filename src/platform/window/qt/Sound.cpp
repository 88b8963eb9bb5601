// The alert sound on Qt: the desktop's bell, whatever the sound asked for.
#include <QApplication>

#include "platform/window/Backend.h"

namespace platform::backend {

void SystemBeep(BeepSound /*sound*/) {
    QApplication::beep();
}

}  // namespace platform::backend
