// The alert sounds on Windows: the system's sound for each kind of message.
#include <windows.h>

#include "platform/window/Backend.h"

namespace platform::backend {

void SystemBeep(BeepSound sound) {
    switch (sound) {
        case BeepSound::Stop:
            MessageBeep(MB_ICONHAND);
            break;
        case BeepSound::Exclamation:
            MessageBeep(MB_ICONEXCLAMATION);
            break;
        case BeepSound::Information:
            MessageBeep(MB_ICONASTERISK);
            break;
    }
}

}  // namespace platform::backend
