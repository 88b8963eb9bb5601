// The dialog's window on the Windows API: made from the program file's dialog template, or one
// written in memory, in dialog units of the template's font; laid out again at each monitor's
// resolution; run by a modal loop of its own that gives every key to the dialog's key hook before
// dialog navigation, and every button, menu item, Enter, Esc and the close box to one command
// handler.

#include <windows.h>
// These need the base declarations first.
#include <commctrl.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/module/win32/WideText.h"
#include "platform/window/Backend.h"
#include "platform/window/Dialog.h"
#include "platform/window/DialogLayout.h"
#include "platform/window/WaitCursor.h"
#include "platform/window/win32/Accessible.h"
#include "platform/window/win32/DialogTemplateWriter.h"
#include "platform/window/win32/Dpi.h"
#include "platform/window/win32/ProgramFileResources.h"
#include "platform/window/win32/Win32Icon.h"
#include "platform/window/win32/Win32Window.h"

namespace platform {
namespace {

// At the standard resolution.
constexpr int kLargeIconSide = 32;

PixelRect ToPixelRect(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

unsigned ModifiersNow() {
    unsigned modifiers = ModifierNone;
    if (GetKeyState(VK_SHIFT) < 0) {
        modifiers |= ModifierShift;
    }
    if (GetKeyState(VK_CONTROL) < 0) {
        modifiers |= ModifierControl;
    }
    if (GetKeyState(VK_MENU) < 0) {
        modifiers |= ModifierAlt;
    }
    return modifiers;
}

// A multi-line edit field wants CR LF between lines; the program's texts have LF.
std::wstring WithCrLf(std::string_view text) {
    std::wstring wide;
    for (const wchar_t c : Widened(text)) {
        if (c == L'\n' && (wide.empty() || wide.back() != L'\r')) {
            wide += L'\r';
        }
        wide += c;
    }
    return wide;
}

std::string WithoutCr(std::string text) {
    std::erase(text, '\r');
    return text;
}

std::wstring WindowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool IsClass(HWND hwnd, const wchar_t* name) {
    wchar_t found[16] = {};
    GetClassNameW(hwnd, found, 16);
    return lstrcmpiW(found, name) == 0;
}

// The text on the clipboard, if any.
std::wstring ClipboardText(HWND owner) {
    std::wstring text;
    if (OpenClipboard(owner)) {
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* locked = static_cast<const wchar_t*>(GlobalLock(data))) {
                text = locked;
            }
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    return text;
}

// Digits-only fields also refuse a paste whose part that fits is not all digits, as they refuse a
// typed letter; the field stays as it was. What fits is what the field's limit leaves room for.
LRESULT CALLBACK DigitsOnlyProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                DWORD_PTR /*data*/) {
    if (message == WM_PASTE) {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        const auto kept = static_cast<std::size_t>(GetWindowTextLengthW(edit)) - (end - start);
        const auto limit = static_cast<std::size_t>(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0));
        const std::wstring fitting = ClipboardText(edit).substr(0, limit > kept ? limit - kept : 0);
        if (!std::all_of(fitting.begin(), fitting.end(),
                         [](wchar_t c) { return c >= L'0' && c <= L'9'; })) {
            MessageBeep(MB_OK);
            return 0;
        }
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(edit, &DigitsOnlyProc, id);
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

bool IsButton(const ControlTemplate& control) {
    return control.kind == ControlKind::Button || control.kind == ControlKind::DefaultButton;
}

// How wide the window must be for the title bar to show `caption` whole: the text in the
// system's caption font between the window's icon and its buttons, at the window's resolution.
int CaptionRoom(std::string_view caption, int dpi) {
    const NONCLIENTMETRICSW metrics = NonClientMetricsForDpi(dpi);
    const OwnedFont font(CreateFontIndirectW(&metrics.lfCaptionFont));
    constexpr int kCaptionButtons = 3;
    return OneLineTextWidth(font.get(), caption) + SystemMetricForDpi(SM_CXSMICON, dpi) +
           kCaptionButtons * metrics.iCaptionWidth + 4 * SystemMetricForDpi(SM_CXFRAME, dpi);
}

// The font of a dialog that names none, the system font, at a resolution.
OwnedFont MakeSystemFont(int dpi) {
    LOGFONTW font{};
    GetObjectW(GetStockObject(SYSTEM_FONT), sizeof font, &font);
    font.lfHeight = MulDiv(font.lfHeight, dpi, SystemDpi());
    font.lfWidth = MulDiv(font.lfWidth, dpi, SystemDpi());
    return OwnedFont(CreateFontIndirectW(&font));
}

// A template written here names no menu: it comes from the menu table.
DialogTemplate WithoutMenu(const DialogTemplate& dialog) {
    DialogTemplate written = dialog;
    written.menuId = 0;
    return written;
}

// Where a control of one line draws the top of its text, from its own top: below its border
// and, in an edit field, at its formatting rectangle.
int TextTopWithin(HWND control) {
    RECT outer{};
    GetWindowRect(control, &outer);
    POINT client{0, 0};
    ClientToScreen(control, &client);
    int top = client.y - outer.top;
    if (IsClass(control, L"Edit")) {
        RECT format{};
        SendMessageW(control, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        top += format.top;
    }
    return top;
}

}  // namespace

// The system's dialog window of a running dialog, its controls by id, and what the program set
// on them that the window does not keep itself.
class Dialog::Window {
  public:
    explicit Window(Dialog& owner) : owner(owner) {}
    ~Window() {
        if (hwnd != nullptr) {
            DestroyWindow(hwnd);
        }
        for (HICON icon : ownedIcons) {
            DestroyIcon(icon);
        }
    }
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Item(int id) const {
        const auto found = items.find(id);
        return found == items.end() ? nullptr : found->second;
    }

    int IdOf(HWND control) const {
        for (const auto& [id, item] : items) {
            if (item == control) {
                return id;
            }
        }
        return 0;
    }

    // Takes a control the window has made, as the template describes it.
    void Adopt(const ControlTemplate& control, HWND item) {
        placed.push_back({item, control.rect});
        if (control.id != -1) {
            items[control.id] = item;
        }
        // A field has no text of its own to be called by: it takes the label before it.
        if (control.kind == ControlKind::Edit && labelMadeLast != nullptr) {
            HWND label = labelMadeLast;
            NameForScreenReaders(item, [label] { return Narrowed(WindowText(label)); });
        }
        labelMadeLast = control.kind == ControlKind::Label ? item : nullptr;
        if (control.styles & StyleDigitsOnly) {
            SetWindowSubclass(item, &DigitsOnlyProc, 0, 0);
        }
        if (control.kind == ControlKind::IconLabel) {
            const Icon icon = Icon::FromResource(control.iconId);
            ShowItemIcon(item, icon);
            if (control.id != -1) {
                owner.itemIcons[control.id] = icon;
            }
        } else if (control.kind == ControlKind::ReadOnlyText) {
            owner.SetItemText(control.id, control.text);
        }
    }

    // An icon control shows `icon` at the size for the window's resolution.
    void ShowItemIcon(HWND item, const Icon& icon) {
        std::erase_if(iconItems, [item](const auto& entry) { return entry.first == item; });
        iconItems.emplace_back(item, icon);
        HICON made = Kept(MakeHicon(icon, IconSide(kLargeIconSide)));
        Release(reinterpret_cast<HICON>(
            SendMessageW(item, STM_SETICON, reinterpret_cast<WPARAM>(made), 0)));
    }

    // The big icon alone: the system makes the caption's small one from it.
    void ShowWindowIcon(const Icon& icon) {
        HICON made = Kept(MakeHicon(icon, IconSide(kLargeIconSide)));
        Release(reinterpret_cast<HICON>(
            SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(made))));
    }

    // Gives the template's texts their room and sizes the window to the template: a client area
    // of the template's size or more, as the texts need.
    void FitToTexts() {
        const DialogTemplate& dialog = *owner.dialogTemplate;
        const PixelRect client = units.Map({0, 0, dialog.width, dialog.height});
        const int width = FitTexts(client.Width());
        // A menu takes its height from the client area, one line or, in a narrow window, more. A
        // sizable dialog's size to open with is its least.
        minimumWindow = WindowSizeFor(width, client.Height());
        SetWindowPos(hwnd, nullptr, 0, 0, minimumWindow.cx, minimumWindow.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT sized{};
        GetClientRect(hwnd, &sized);
        minimumWindow.cx += width - sized.right;
        minimumWindow.cy += client.Height() - sized.bottom;
        SetWindowPos(hwnd, nullptr, 0, 0, minimumWindow.cx, minimumWindow.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    // The window moved to a monitor of another resolution: it takes the place that the system
    // suggests, or more room if its texts need it, and its font, layout and icons at the new
    // resolution.
    void ChangeDpi(int newDpi, const RECT& suggested) {
        dpi = newDpi;
        OwnedFont font = owner.dialogTemplate->styles & DialogSystemFont ? MakeSystemFont(dpi)
                                                                         : MakeDialogFont(dpi);
        for (const auto& [control, rect] : placed) {
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
        }
        units = DialogUnitsOf(font.get());
        dialogFont = std::move(font);
        for (const auto& [control, rect] : placed) {
            const PixelRect at = units.Map(rect);
            SetWindowPos(control, nullptr, at.left, at.top, at.Width(), at.Height(),
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
        SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        FitToTexts();
        SetWindowPos(hwnd, nullptr, 0, 0,
                     std::max<int>(minimumWindow.cx, suggested.right - suggested.left),
                     std::max<int>(minimumWindow.cy, suggested.bottom - suggested.top),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        for (const auto& [item, icon] : std::vector(iconItems)) {
            ShowItemIcon(item, icon);
        }
        if (!owner.windowIcon.IsNull()) {
            ShowWindowIcon(owner.windowIcon);
        }
        InvalidateRect(hwnd, nullptr, TRUE);
    }

    // The font of the dialog's controls: the one the system made for the window, until the window
    // moves to another resolution.
    HFONT Font() const {
        return dialogFont ? dialogFont.get()
                          : reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
    }

    // The window rectangle for a client area of `width` by `height`, menu included.
    SIZE WindowSizeFor(int width, int height) const {
        RECT rect{0, 0, width, height};
        AdjustWindowRectEx(&rect, static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)),
                           GetMenu(hwnd) != nullptr,
                           static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)));
        return {rect.right - rect.left, rect.bottom - rect.top};
    }

    // The rectangle of a control in the client area.
    PixelRect ClientRectOf(HWND control) const {
        RECT rect{};
        GetWindowRect(control, &rect);
        MapWindowPoints(HWND_DESKTOP, hwnd, reinterpret_cast<POINT*>(&rect), 2);
        return ToPixelRect(rect);
    }

    static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
            reinterpret_cast<Window*>(lParam)->hwnd = hwnd;
            return FALSE;  // the modal run sets the focus
        }
        auto* window = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, DWLP_USER));
        return window != nullptr ? window->Handle(message, wParam, lParam) : FALSE;
    }

    // A key for a running dialog's windows goes to the dialog's key hook, then whatever is for
    // them to dialog navigation; true when either took the message.
    static bool TakeForDialog(MSG& message) {
        Dialog* dialog = RunningDialogOf(message.hwnd);
        if (dialog == nullptr) {
            return false;
        }
        if ((message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) &&
            dialog->PreTranslateKey({static_cast<int>(message.wParam), ModifiersNow()})) {
            return true;
        }
        // The hook may have ended the dialog, or run others: its window stays until its run ends.
        HWND window = ToHwnd(dialog->Handle());
        return window != nullptr && IsDialogMessageW(window, &message);
    }

    Dialog& owner;
    HWND hwnd = nullptr;
    HWND ownerWindow = nullptr;  // disabled while this dialog runs
    std::map<int, HWND> items;
    HWND labelMadeLast = nullptr;
    HWND focus = nullptr;  // the control that has, or gets on activation, the focus
    SIZE minimumWindow{};
    int dpi = kStandardDpi;
    DialogUnits units{1, 1};

  private:
    int IconSide(int standardSide) const { return MulDiv(standardSide, dpi, kStandardDpi); }

    HICON Kept(HICON made) {
        if (made != nullptr) {
            ownedIcons.push_back(made);
        }
        return made;
    }

    // The innermost running dialog whose window is `target` or holds it.
    static Dialog* RunningDialogOf(HWND target) {
        const std::vector<Dialog*>& running = Dialog::Running();
        for (auto dialog = running.rbegin(); dialog != running.rend(); ++dialog) {
            HWND window = ToHwnd((*dialog)->Handle());
            if (window != nullptr && (window == target || IsChild(window, target))) {
                return *dialog;
            }
        }
        return nullptr;
    }

    // Lets an icon go that a control no longer shows, if it is one of ours.
    void Release(HICON icon) {
        if (const auto found = std::find(ownedIcons.begin(), ownedIcons.end(), icon);
            icon != nullptr && found != ownedIcons.end()) {
            ownedIcons.erase(found);
            DestroyIcon(icon);
        }
    }

    // Gives the template's controls the room their texts need in the dialog's font, returning
    // the client area's width: each button as wide as its text, the caption whole in the title
    // bar within the screen, and a label's text on the line of the field in its row. The texts
    // are the window's, which a translated program file may have changed. The controls are found
    // by id; those without one only move with the rest.
    int FitTexts(int clientWidth) const {
        const DialogTemplate& dialog = *owner.dialogTemplate;
        const HFONT font = Font();
        const int buttonMargin = units.Map({0, 0, 8, 0}).Width();
        std::vector<PixelRect> rects;
        std::vector<int> needed;
        for (const ControlTemplate& control : dialog.controls) {
            rects.push_back(units.Map(control.rect));
            HWND item = Item(control.id);
            needed.push_back(IsButton(control) && item != nullptr
                                 ? OneLineTextWidth(font, Narrowed(WindowText(item))) + buttonMargin
                                 : 0);
        }
        const int frame = WindowSizeFor(0, 0).cx;
        const int captionRoom = dialog.styles & DialogCaption
                                    ? std::min(CaptionRoom(Narrowed(WindowText(hwnd)), dpi),
                                               backend::WorkAreaFor(owner.parent).Width()) -
                                          frame
                                    : 0;
        const backend::TextRoom room =
            backend::GiveTextsRoom(rects, needed, clientWidth, captionRoom);
        for (HWND child = GetWindow(hwnd, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            const PixelRect rect = ClientRectOf(child);
            SetWindowPos(child, nullptr, rect.left + room.shift, rect.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        for (std::size_t i = 0; i < rects.size(); ++i) {
            HWND control = Item(dialog.controls[i].id);
            if (control == nullptr) {
                continue;
            }
            PixelRect rect = ClientRectOf(control);
            rect.right = rect.left + std::max(rect.Width(), rects[i].Width());
            const std::optional<std::size_t> field = backend::FieldInRow(dialog.controls, i);
            if (HWND fieldControl = field ? Item(dialog.controls[*field].id) : nullptr) {
                const int shift = ClientRectOf(fieldControl).top + TextTopWithin(fieldControl) -
                                  TextTopWithin(control) - rect.top;
                rect.top += shift;
                rect.bottom += shift;
            }
            SetWindowPos(control, nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
        return room.clientWidth;
    }

    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
            case WM_COMMAND:
                return Command(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            case WM_CLOSE:
                if (!owner.ended) {
                    owner.OnCommand(CommandCancel);
                }
                return TRUE;
            case WM_ACTIVATE:
                if (LOWORD(wParam) == WA_INACTIVE) {
                    if (HWND focused = GetFocus(); focused != nullptr && IsChild(hwnd, focused)) {
                        focus = focused;
                    }
                } else if (focus != nullptr) {
                    SetFocus(focus);
                    return TRUE;
                }
                return FALSE;
            case WM_DPICHANGED:
                ChangeDpi(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
                return TRUE;
            case WM_WINDOWPOSCHANGING:
                FollowSizing(*reinterpret_cast<WINDOWPOS*>(lParam));
                return FALSE;
            case WM_GETMINMAXINFO:
                if (owner.dialogTemplate->styles & DialogSizingBorder) {
                    reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {minimumWindow.cx,
                                                                             minimumWindow.cy};
                }
                return FALSE;
            case WM_SIZE: {
                RECT client{};
                GetClientRect(hwnd, &client);
                owner.OnSize(client.right, client.bottom);
                return FALSE;
            }
            case WM_SETCURSOR:
                if (IsWaitCursorShown()) {
                    const bool waitsForUser =
                        NormalCursorDepth() > 0 && Dialog::Foremost() == &owner;
                    SetCursor(LoadCursorW(nullptr, waitsForUser ? IDC_ARROW : IDC_WAIT));
                    SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, TRUE);
                    return TRUE;
                }
                return FALSE;
            default:
                return FALSE;
        }
    }

    INT_PTR Command(int id, int code, HWND control) {
        if (code == EN_SETFOCUS || code == BN_SETFOCUS) {
            focus = control;
            return TRUE;
        }
        // Buttons report clicks; menu items and dialog keys come without a control. The rest are
        // notifications of controls, which no command is made of.
        if (control != nullptr && code != BN_CLICKED) {
            return FALSE;
        }
        owner.OnCommand(id);
        return TRUE;
    }

    // A resize by the user or by a program: let the dialog adjust it as it would a drag.
    void FollowSizing(WINDOWPOS& position) {
        if ((position.flags & SWP_NOSIZE) || !(owner.dialogTemplate->styles & DialogSizingBorder) ||
            !IsWindowVisible(hwnd)) {
            return;
        }
        RECT now{};
        GetWindowRect(hwnd, &now);
        const int left = position.flags & SWP_NOMOVE ? now.left : position.x;
        const int top = position.flags & SWP_NOMOVE ? now.top : position.y;
        PixelRect proposed{left, top, left + position.cx, top + position.cy};
        const std::optional<SizingEdge> edge =
            backend::SizingEdgeBetween(ToPixelRect(now), proposed);
        if (!edge) {
            return;
        }
        owner.OnSizing(*edge, proposed);
        position.x = proposed.left;
        position.y = proposed.top;
        position.cx = proposed.Width();
        position.cy = proposed.Height();
        position.flags &= ~static_cast<UINT>(SWP_NOMOVE);
    }

    // Every control with its rectangle in dialog units, those of the template first.
    std::vector<std::pair<HWND, DialogRect>> placed;
    std::vector<std::pair<HWND, Icon>> iconItems;
    std::vector<HICON> ownedIcons;
    // The font of a layout at another resolution than the window was made at.
    OwnedFont dialogFont;
};

void Dialog::WindowDeleter::operator()(Window* window) const {
    delete window;
}

void Dialog::BuildWindow() {
    window.reset(new Window(*this));
    Window& w = *window;
    w.ownerWindow = parent != nullptr ? ToHwnd(parent->Handle()) : nullptr;
    std::optional<std::vector<WORD>> fromFile = ProgramFileTemplate(dialogTemplate->id);
    std::vector<WORD> words =
        fromFile ? std::move(*fromFile) : WriteDialogTemplate(WithoutMenu(*dialogTemplate));
    MakeHidden(words);
    CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                               reinterpret_cast<LPCDLGTEMPLATEW>(words.data()), w.ownerWindow,
                               &Window::Procedure, reinterpret_cast<LPARAM>(&w));
    if (w.hwnd == nullptr) {
        return;
    }
    TakeOverDpiChanges(w.hwnd);
    w.dpi = WindowDpi(w.hwnd);
    // The units that the system mapped the template with.
    RECT base{0, 0, 4, 8};
    ::MapDialogRect(w.hwnd, &base);
    w.units = DialogUnits(base.right, base.bottom);
    // The system made the template's controls in its order.
    std::size_t made = 0;
    for (HWND child = GetWindow(w.hwnd, GW_CHILD);
         child != nullptr && made < dialogTemplate->controls.size();
         child = GetWindow(child, GW_HWNDNEXT)) {
        w.Adopt(dialogTemplate->controls[made++], child);
    }
    const MenuTemplate* menuTemplate = Resources::Menu(dialogTemplate->menuId);
    if (!fromFile && menuTemplate != nullptr) {
        HMENU menu = CreateMenu();
        for (const MenuPopup& popup : menuTemplate->popups) {
            HMENU items = CreatePopupMenu();
            for (const MenuItem& item : popup.items) {
                AppendMenuW(items, MF_STRING, static_cast<UINT_PTR>(item.command),
                            Widened(item.text).c_str());
            }
            AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(items),
                        Widened(popup.text).c_str());
        }
        SetMenu(w.hwnd, menu);
    }
    w.FitToTexts();
}

void Dialog::ShowWindow() {
    if (window->ownerWindow != nullptr) {
        EnableWindow(window->ownerWindow, FALSE);
    }
    ::ShowWindow(window->hwnd, SW_SHOW);
    SetForegroundWindow(window->hwnd);
    if (window->focus != nullptr) {
        SetFocus(window->focus);
    }
}

void Dialog::RunEventLoop() {
    if (window->hwnd == nullptr) {
        EndDialog(-1);
        return;
    }
    MSG message{};
    while (!ended) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            // The program is asked to end: this dialog ends, and so do the loops around it.
            PostQuitMessage(static_cast<int>(message.wParam));
            EndDialog(CommandCancel);
            break;
        }
        HandleMessage(message);
    }
}

void Dialog::EndDialog(int endResult) {
    result = endResult;
    ended = true;
    if (window != nullptr && window->hwnd != nullptr) {
        // The owner comes back before this window hides, so that it, not another program,
        // becomes active.
        if (window->ownerWindow != nullptr) {
            EnableWindow(window->ownerWindow, TRUE);
        }
        ::ShowWindow(window->hwnd, SW_HIDE);
        PostMessageW(window->hwnd, WM_NULL, 0, 0);
    }
}

void Dialog::CreateItem(const ControlTemplate& control) {
    if (window == nullptr || window->hwnd == nullptr) {
        return;
    }
    Window& w = *window;
    const ControlStyles styles = StylesOf(control);
    const PixelRect rect = MapDialogRect(control.rect);
    const wchar_t* className = styles.classAtom == 0x80   ? L"Button"
                               : styles.classAtom == 0x81 ? L"Edit"
                                                          : L"Static";
    HWND item = CreateWindowExW(
        styles.exStyle, className,
        control.kind == ControlKind::ReadOnlyText ? L"" : Widened(control.text).c_str(),
        styles.style, rect.left, rect.top, rect.Width(), rect.Height(), w.hwnd,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), GetModuleHandleW(nullptr),
        nullptr);
    if (item == nullptr) {
        return;
    }
    SendMessageW(item, WM_SETFONT, reinterpret_cast<WPARAM>(w.Font()), FALSE);
    w.Adopt(control, item);
}

void Dialog::FocusFirstTabStop() {
    HWND first = GetNextDlgTabItem(window->hwnd, nullptr, FALSE);
    if (first != nullptr && IsWindowEnabled(first)) {
        window->focus = first;
        SendMessageW(window->hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
    }
}

void Dialog::SetItemText(int id, std::string_view text) {
    HWND item = ToHwnd(ItemHandle(id));
    if (item == nullptr) {
        return;
    }
    const bool multiLine = (GetWindowLongPtrW(item, GWL_STYLE) & ES_MULTILINE) != 0;
    SetWindowTextW(item, multiLine ? WithCrLf(text).c_str() : Widened(text).c_str());
    if (multiLine) {
        // The scroll bar shows only when the text is taller than its place.
        RECT client{};
        GetClientRect(item, &client);
        const auto lines = SendMessageW(item, EM_GETLINECOUNT, 0, 0);
        TEXTMETRICW metrics{};
        HDC dc = GetDC(item);
        HGDIOBJ former =
            SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(item, WM_GETFONT, 0, 0)));
        GetTextMetricsW(dc, &metrics);
        SelectObject(dc, former);
        ReleaseDC(item, dc);
        ShowScrollBar(item, SB_VERT, lines * metrics.tmHeight > client.bottom);
    }
}

std::string Dialog::ItemText(int id) const {
    HWND item = ToHwnd(ItemHandle(id));
    return item == nullptr ? std::string() : WithoutCr(Narrowed(WindowText(item)));
}

void Dialog::EnableItem(int id, bool enabled) {
    if (HWND item = ToHwnd(ItemHandle(id))) {
        EnableWindow(item, enabled);
    }
}

bool Dialog::IsItemEnabled(int id) const {
    HWND item = ToHwnd(ItemHandle(id));
    return item != nullptr && IsWindowEnabled(item);
}

void Dialog::FocusItem(int id) {
    if (HWND item = ToHwnd(ItemHandle(id))) {
        window->focus = item;
        SendMessageW(window->hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item), TRUE);
    }
}

int Dialog::FocusedItem() const {
    if (window == nullptr) {
        return 0;
    }
    HWND focused = GetFocus();
    if (focused == nullptr || !IsChild(window->hwnd, focused)) {
        focused = window->focus;
    }
    return window->IdOf(focused);
}

void Dialog::SelectItemText(int id) {
    if (HWND item = ToHwnd(ItemHandle(id)); item != nullptr && IsClass(item, L"Edit")) {
        SendMessageW(item, EM_SETSEL, 0, -1);
        SendMessageW(item, EM_SCROLLCARET, 0, 0);
    }
}

std::string Dialog::SelectedItemText(int id) const {
    HWND item = ToHwnd(ItemHandle(id));
    if (item == nullptr || !IsClass(item, L"Edit")) {
        return {};
    }
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(item, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const std::wstring text = WindowText(item);
    return Narrowed(std::wstring_view(text).substr(start, end - start));
}

void Dialog::LimitItemText(int id, int characters) {
    if (HWND item = ToHwnd(ItemHandle(id)); item != nullptr && IsClass(item, L"Edit")) {
        SendMessageW(item, EM_LIMITTEXT, static_cast<WPARAM>(characters), 0);
    }
}

void Dialog::SetItemIcon(int id, const Icon& icon) {
    if (HWND item = ToHwnd(ItemHandle(id)); item != nullptr && IsClass(item, L"Static")) {
        itemIcons[id] = icon;
        window->ShowItemIcon(item, icon);
    }
}

PixelRect Dialog::ItemRect(int id) const {
    HWND item = ToHwnd(ItemHandle(id));
    if (item == nullptr) {
        return {};
    }
    RECT rect{};
    GetWindowRect(item, &rect);
    MapWindowPoints(HWND_DESKTOP, window->hwnd, reinterpret_cast<POINT*>(&rect), 2);
    return ToPixelRect(rect);
}

void Dialog::SetItemAccessibleName(int id, std::string_view name) {
    if (HWND item = ToHwnd(ItemHandle(id))) {
        NameForScreenReaders(item, [text = std::string(name)] { return text; });
    }
}

void Dialog::AnnounceAsAlert(std::string_view text) {
    if (window != nullptr) {
        platform::AnnounceAsAlert(window->hwnd, std::string(text));
    }
}

void Dialog::SetCaption(std::string_view caption) {
    if (window != nullptr) {
        SetWindowTextW(window->hwnd, Widened(caption).c_str());
    }
}

std::string Dialog::Caption() const {
    return window == nullptr ? std::string() : Narrowed(WindowText(window->hwnd));
}

void Dialog::SetWindowIcon(const Icon& icon) {
    if (window != nullptr) {
        windowIcon = icon;
        window->ShowWindowIcon(icon);
    }
}

PixelRect Dialog::MapDialogRect(const DialogRect& rect) const {
    return window == nullptr ? PixelRect() : window->units.Map(rect);
}

PixelRect Dialog::WindowRect() const {
    if (window == nullptr) {
        return {};
    }
    RECT rect{};
    GetWindowRect(window->hwnd, &rect);
    return ToPixelRect(rect);
}

PixelRect Dialog::ClientRect() const {
    if (window == nullptr) {
        return {};
    }
    RECT rect{};
    GetClientRect(window->hwnd, &rect);
    return ToPixelRect(rect);
}

void Dialog::CenterWindow() {
    if (window == nullptr) {
        return;
    }
    HWND owner = window->ownerWindow;
    const PixelRect workArea = backend::WorkAreaFor(parent);
    PixelRect area = workArea;
    if (owner != nullptr && IsWindowVisible(owner)) {
        RECT ownerRect{};
        GetWindowRect(owner, &ownerRect);
        area = ToPixelRect(ownerRect);
    }
    const PixelRect placed = backend::CentredWithin(WindowRect(), area, workArea);
    SetWindowPos(window->hwnd, nullptr, placed.left, placed.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Dialog::Invalidate() {
    if (window != nullptr) {
        InvalidateRect(window->hwnd, nullptr, TRUE);
    }
}

WindowHandle Dialog::Handle() const {
    return ToHandle(window == nullptr ? nullptr : window->hwnd);
}

WindowHandle Dialog::ItemHandle(int id) const {
    return ToHandle(window == nullptr ? nullptr : window->Item(id));
}

void HandleMessage(MSG& message) {
    if (!Dialog::Window::TakeForDialog(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void HandlePendingMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        HandleMessage(message);
    }
}

}  // namespace platform
