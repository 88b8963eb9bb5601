// Resolution per window: what a window's monitor has and the metrics at it, through the calls of
// Windows 10 where the system has them, else from the resolution of the whole screen (Windows 7
// and 8, which the program also runs on, so they are looked up, not imported).
#pragma once

#include <windows.h>

namespace platform {

inline constexpr int kStandardDpi = 96;

int SystemDpi();
int WindowDpi(HWND window);
int SystemMetricForDpi(int index, int dpi);
NONCLIENTMETRICSW NonClientMetricsForDpi(int dpi);

// Leaves a change of resolution to the dialog itself: the system would otherwise scale its
// window and controls too.
void TakeOverDpiChanges(HWND dialog);

}  // namespace platform
