// The clipboard on Windows: Unicode text with CR LF between lines.
#include <windows.h>

#include <cstring>

#include "platform/module/win32/WideText.h"
#include "platform/window/Backend.h"

namespace platform::backend {

void CopyToClipboard(std::string_view text) {
    std::wstring lines;
    for (const wchar_t c : Widened(text)) {
        if (c == L'\n') {
            lines += L'\r';
        }
        lines += c;
    }
    const std::size_t bytes = (lines.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) {
        return;
    }
    std::memcpy(GlobalLock(memory), lines.c_str(), bytes);
    GlobalUnlock(memory);
    // Once set, the clipboard owns the memory.
    if (!OpenClipboard(nullptr) || !EmptyClipboard() ||
        SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
        GlobalFree(memory);
    }
    CloseClipboard();
}

}  // namespace platform::backend
