// The application-wide wait cursor.
#pragma once

namespace platform {

void ShowWaitCursor();
void HideWaitCursor();
bool IsWaitCursorShown();

}  // namespace platform
