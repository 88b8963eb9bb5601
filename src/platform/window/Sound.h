// The system's alert sounds.
#pragma once

#include <functional>

namespace platform {

enum class BeepSound { Stop, Exclamation, Information };

void Beep(BeepSound sound);

// Where beeps go instead of the speaker, for tests; an empty function restores the speaker.
void SetBeepSink(std::function<void(BeepSound)> sink);

}  // namespace platform
