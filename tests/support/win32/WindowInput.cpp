// Simulated input and what shows, on the Windows backend: messages posted to the dialog's
// windows and handled as its modal loop handles them, and MSAA for what screen readers hear.
#include "support/WindowInput.h"

#include <windows.h>
// These need the base declarations first.
#include <gtest/gtest.h>
#include <oleacc.h>

#include <cstring>
#include <thread>

#include "platform/module/win32/WideText.h"
#include "platform/window/Keys.h"
#include "platform/window/win32/Win32Window.h"

namespace testsupport {
namespace {

HWND Window(const platform::Dialog& dialog) {
    return platform::ToHwnd(dialog.Handle());
}

HWND Item(const platform::Dialog& dialog, int controlId) {
    return platform::ToHwnd(dialog.ItemHandle(controlId));
}

// The window that keys go to: the focused control, or the window.
HWND KeyTarget(const platform::Dialog& dialog) {
    HWND focused = GetFocus();
    if (focused != nullptr && IsChild(Window(dialog), focused)) {
        return focused;
    }
    const int id = dialog.FocusedItem();
    return id != 0 ? Item(dialog, id) : Window(dialog);
}

// Holds the modifier keys down in the thread's key state while it lives, as the user's hand does.
class HeldModifiers {
  public:
    explicit HeldModifiers(unsigned modifiers) {
        GetKeyboardState(former);
        BYTE held[256];
        std::memcpy(held, former, sizeof held);
        const auto hold = [&held](bool down, int key) {
            if (down) {
                held[key] = 0x80;
            }
        };
        hold(modifiers & platform::ModifierShift, VK_SHIFT);
        hold(modifiers & platform::ModifierControl, VK_CONTROL);
        hold(modifiers & platform::ModifierAlt, VK_MENU);
        SetKeyboardState(held);
    }
    ~HeldModifiers() { SetKeyboardState(former); }
    HeldModifiers(const HeldModifiers&) = delete;
    HeldModifiers& operator=(const HeldModifiers&) = delete;

  private:
    BYTE former[256];
};

// A key down and up at `target`, handled as the modal loop handles them: the hook first, then
// navigation, then the window, with the characters that the key makes.
void PostKey(HWND target, int virtualKey, unsigned modifiers) {
    const HeldModifiers held(modifiers);
    const UINT scan = MapVirtualKeyW(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC);
    const bool system = (modifiers & platform::ModifierAlt) != 0;
    PostMessageW(target, system ? WM_SYSKEYDOWN : WM_KEYDOWN, static_cast<WPARAM>(virtualKey),
                 static_cast<LPARAM>(1 | scan << 16));
    PostMessageW(target, system ? WM_SYSKEYUP : WM_KEYUP, static_cast<WPARAM>(virtualKey),
                 static_cast<LPARAM>(1 | scan << 16 | 3u << 30));
    platform::HandlePendingMessages();
}

// How wide the control's text draws in its font.
int DrawnTextWidth(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return platform::OneLineTextWidth(
        reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), platform::Narrowed(text));
}

// What screen readers get for the control, or for the window as control 0; null if nothing.
IAccessible* AccessibleOf(const platform::Dialog& dialog, int controlId) {
    IAccessible* accessible = nullptr;
    HWND window = controlId == 0 ? Window(dialog) : Item(dialog, controlId);
    if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, IID_IAccessible,
                                          reinterpret_cast<void**>(&accessible)))) {
        return nullptr;
    }
    return accessible;
}

VARIANT Self() {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

}  // namespace

void PressKey(platform::Dialog& dialog, int virtualKey, unsigned modifiers) {
    PostKey(KeyTarget(dialog), virtualKey, modifiers);
}

void TypeText(platform::Dialog& dialog, int controlId, const std::string& text) {
    HWND item = Item(dialog, controlId);
    ASSERT_NE(item, nullptr) << controlId;
    for (const wchar_t c : platform::Widened(text)) {
        // A character on the keyboard comes as its key; any other as the character alone, as an
        // input method sends it.
        const SHORT key = VkKeyScanW(c);
        if (key != -1 && (HIBYTE(key) & ~1) == 0) {
            PostKey(item, LOBYTE(key),
                    HIBYTE(key) & 1 ? unsigned{platform::ModifierShift} : platform::ModifierNone);
        } else {
            PostMessageW(item, WM_CHAR, c, 1);
            platform::HandlePendingMessages();
        }
    }
}

void PasteAtCaret(platform::Dialog& dialog, int controlId, const std::string& text) {
    HWND item = Item(dialog, controlId);
    ASSERT_NE(item, nullptr) << controlId;
    const std::wstring wide = platform::Widened(text);
    ASSERT_TRUE(OpenClipboard(item));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    std::memcpy(GlobalLock(memory), wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    SendMessageW(item, WM_PASTE, 0, 0);
    platform::HandlePendingMessages();
}

std::string ClipboardText() {
    std::wstring text;
    if (OpenClipboard(nullptr)) {
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            text = static_cast<const wchar_t*>(GlobalLock(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    std::erase(text, L'\r');
    return platform::Narrowed(text);
}

void Click(platform::Dialog& dialog, int controlId) {
    HWND button = Item(dialog, controlId);
    ASSERT_NE(button, nullptr) << controlId;
    SendMessageW(button, BM_CLICK, 0, 0);
    platform::HandlePendingMessages();
}

void TriggerMenuItem(platform::Dialog& dialog, const std::string& text) {
    HMENU menu = GetMenu(Window(dialog));
    const std::wstring wanted = platform::Widened(text);
    for (int popup = 0; menu != nullptr && popup < GetMenuItemCount(menu); ++popup) {
        HMENU items = GetSubMenu(menu, popup);
        for (int i = 0; i < GetMenuItemCount(items); ++i) {
            wchar_t found[128] = {};
            GetMenuStringW(items, static_cast<UINT>(i), found, 128, MF_BYPOSITION);
            if (wanted == found) {
                SendMessageW(Window(dialog), WM_COMMAND, MAKEWPARAM(GetMenuItemID(items, i), 0), 0);
                platform::HandlePendingMessages();
                return;
            }
        }
    }
    ADD_FAILURE() << "no menu item \"" << text << "\"";
}

void CloseWindow(platform::Dialog& dialog) {
    SendMessageW(Window(dialog), WM_SYSCOMMAND, SC_CLOSE, 0);
    platform::HandlePendingMessages();
}

void ResizeWindow(platform::Dialog& dialog, int width, int height) {
    SetWindowPos(Window(dialog), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    platform::HandlePendingMessages();
}

void MoveWindow(platform::Dialog& dialog, int left, int top) {
    SetWindowPos(Window(dialog), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    platform::HandlePendingMessages();
}

bool IsShown(const platform::Dialog& dialog) {
    HWND window = Window(dialog);
    return window != nullptr && IsWindowVisible(window);
}

bool ShowsWholeText(const platform::Dialog& dialog, int controlId) {
    HWND text = Item(dialog, controlId);
    if (text == nullptr) {
        return false;
    }
    wchar_t className[16] = {};
    GetClassNameW(text, className, 16);
    if (lstrcmpiW(className, L"Button") == 0) {
        RECT client{};
        GetClientRect(text, &client);
        // The button's edge, two pixels on either side, is not room for text.
        return DrawnTextWidth(text) + 4 * GetSystemMetrics(SM_CXEDGE) <= client.right;
    }
    SCROLLINFO scroll{};
    scroll.cbSize = sizeof scroll;
    scroll.fMask = SIF_RANGE | SIF_PAGE;
    const bool scrolls = (GetWindowLongPtrW(text, GWL_STYLE) & WS_VSCROLL) &&
                         GetScrollInfo(text, SB_VERT, &scroll) &&
                         scroll.nMax - scroll.nMin + 1 > static_cast<int>(scroll.nPage);
    return !scrolls;
}

platform::DialogUnits SystemFontDialogUnits() {
    const LONG units = GetDialogBaseUnits();
    return {LOWORD(units), HIWORD(units)};
}

platform::PixelRect ScreenWorkArea() {
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return {area.left, area.top, area.right, area.bottom};
}

int TextBottom(const platform::Dialog& dialog, int controlId) {
    HWND control = Item(dialog, controlId);
    if (control == nullptr) {
        return -1;
    }
    UpdateWindow(control);
    // The client area holds the text; borders lie outside it.
    RECT client{};
    GetClientRect(control, &client);
    HDC dc = GetDC(control);
    int bottom = -1;
    for (int y = client.bottom - 1; y >= 0 && bottom == -1; --y) {
        for (int x = 0; x < client.right; ++x) {
            const COLORREF pixel = GetPixel(dc, x, y);
            if (pixel != CLR_INVALID &&
                (GetRValue(pixel) * 30 + GetGValue(pixel) * 59 + GetBValue(pixel) * 11) / 100 <
                    100) {
                bottom = y;
                break;
            }
        }
    }
    ReleaseDC(control, dc);
    if (bottom == -1) {
        return -1;
    }
    POINT row{0, bottom};
    MapWindowPoints(control, Window(dialog), &row, 1);
    return row.y;
}

std::string AccessibleName(const platform::Dialog& dialog, int controlId) {
    IAccessible* accessible = AccessibleOf(dialog, controlId);
    if (accessible == nullptr) {
        return {};
    }
    BSTR name = nullptr;
    std::string text;
    if (SUCCEEDED(accessible->get_accName(Self(), &name)) && name != nullptr) {
        text = platform::Narrowed(name);
        SysFreeString(name);
    }
    accessible->Release();
    return text;
}

bool IsAnnouncedAsAlert(const platform::Dialog& dialog) {
    IAccessible* accessible = AccessibleOf(dialog, 0);
    if (accessible == nullptr) {
        return false;
    }
    VARIANT role{};
    const bool alert = SUCCEEDED(accessible->get_accRole(Self(), &role)) && role.vt == VT_I4 &&
                       role.lVal == ROLE_SYSTEM_ALERT;
    accessible->Release();
    return alert;
}

bool ShowsWaitCursor() {
    return GetCursor() == LoadCursorW(nullptr, IDC_WAIT);
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        platform::HandlePendingMessages();
        if (done()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= end) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

}  // namespace testsupport
