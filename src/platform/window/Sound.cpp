// Alert sounds, and where tests catch them.
#include "platform/window/Sound.h"

#include "platform/window/Backend.h"

namespace platform {
namespace {

std::function<void(BeepSound)> beepSink;

}  // namespace

void Beep(BeepSound sound) {
    if (beepSink) {
        beepSink(sound);
    } else {
        backend::SystemBeep(sound);
    }
}

void SetBeepSink(std::function<void(BeepSound)> sink) {
    beepSink = std::move(sink);
}

}  // namespace platform
