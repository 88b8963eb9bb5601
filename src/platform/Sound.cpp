// Alert sounds.
#include "platform/Sound.h"

#include <QApplication>

namespace platform {
namespace {

std::function<void(BeepSound)> beepSink;

}  // namespace

void Beep(BeepSound sound) {
    if (beepSink) {
        beepSink(sound);
    } else {
        QApplication::beep();
    }
}

void SetBeepSink(std::function<void(BeepSound)> sink) {
    beepSink = std::move(sink);
}

}  // namespace platform
