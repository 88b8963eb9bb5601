// Measures in the dialogs' font and on the monitors: dialog units, laid-out text and the work
// area, for the boxes that size their template before their window exists.
#include <windows.h>

#include "platform/module/win32/WideText.h"
#include "platform/window/Backend.h"
#include "platform/window/win32/DialogTemplateWriter.h"
#include "platform/window/win32/Dpi.h"
#include "platform/window/win32/Win32Window.h"

namespace platform {
namespace {

// A screen device context with `font` selected, for as long as it lives.
class FontContext {
  public:
    explicit FontContext(HFONT font) : dc(GetDC(nullptr)), former(SelectObject(dc, font)) {}
    ~FontContext() {
        SelectObject(dc, former);
        ReleaseDC(nullptr, dc);
    }
    FontContext(const FontContext&) = delete;
    FontContext& operator=(const FontContext&) = delete;

    HDC Dc() const { return dc; }

    // The extent of `text` drawn within `rect` by DrawTextW's `format`.
    RECT Extent(std::string_view text, RECT rect, UINT format) const {
        const std::wstring wide = Widened(text);
        DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &rect, DT_CALCRECT | format);
        return rect;
    }

  private:
    HDC dc;
    HGDIOBJ former;
};

// The dialogs' font at the screen's resolution, selected into a screen device context.
class DialogFontContext {
  public:
    DialogFontContext() : font(MakeDialogFont(SystemDpi())), context(font.get()) {}

    HDC Dc() const { return context.Dc(); }

    // The text's extent laid out as a read-only text control lays it out, `width` wide; at no
    // width, each line unbroken.
    RECT Extent(std::string_view text, int width) const {
        return context.Extent(
            text, {0, 0, width > 0 ? width : 0x7FFF, 0},
            DT_NOPREFIX | DT_EXPANDTABS | (width > 0 ? DT_WORDBREAK | DT_EDITCONTROL : 0));
    }

  private:
    // Goes after the context, which has it selected.
    OwnedFont font;
    FontContext context;
};

}  // namespace

int OneLineTextWidth(HFONT font, std::string_view text) {
    return FontContext(font).Extent(text, {}, DT_SINGLELINE).right;
}

OwnedFont MakeDialogFont(int dpi) {
    return OwnedFont(CreateFontW(-MulDiv(kDialogFontPoints, dpi, 72), 0, 0, 0, 0, FALSE, FALSE,
                                 FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 DEFAULT_QUALITY, DEFAULT_PITCH, kDialogFontName));
}

DialogUnits DialogUnitsOf(HFONT font) {
    const FontContext context(font);
    constexpr wchar_t kAlphabet[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE alphabet{};
    GetTextExtentPoint32W(context.Dc(), kAlphabet, 52, &alphabet);
    TEXTMETRICW metrics{};
    GetTextMetricsW(context.Dc(), &metrics);
    return {MulDiv(alphabet.cx, 1, 52), static_cast<int>(metrics.tmHeight)};
}

namespace backend {

DialogUnits DefaultDialogUnits() {
    return DialogUnitsOf(MakeDialogFont(SystemDpi()).get());
}

int DefaultLineHeight() {
    const DialogFontContext context;
    TEXTMETRICW metrics{};
    GetTextMetricsW(context.Dc(), &metrics);
    return metrics.tmHeight;
}

int IdealTextWidth(std::string_view text) {
    return DialogFontContext().Extent(text, 0).right;
}

int TextHeight(std::string_view text, int width) {
    return DialogFontContext().Extent(text, width).bottom;
}

PixelRect WorkAreaFor(const Dialog* owner) {
    HWND window = owner != nullptr ? ToHwnd(owner->Handle()) : nullptr;
    HMONITOR monitor = window != nullptr && IsWindowVisible(window)
                           ? MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)
                           : MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info)) {
        return {};
    }
    return {info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
}

}  // namespace backend
}  // namespace platform
