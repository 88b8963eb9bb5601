// Writing a dialog template: a header, menu, class, caption and font, then each control, every
// control starting on a DWORD.
#include "platform/window/win32/DialogTemplateWriter.h"

#include <string>

#include "platform/module/win32/WideText.h"

namespace platform {
namespace {

constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;
// Marks a resource id where a text could stand.
constexpr WORD kOrdinal = 0xFFFF;

class TemplateWords {
  public:
    void Word(WORD word) { words.push_back(word); }
    void DoubleWord(DWORD value) {
        Word(LOWORD(value));
        Word(HIWORD(value));
    }
    void Short(int value) { Word(static_cast<WORD>(static_cast<short>(value))); }
    void Text(std::wstring_view text) {
        words.insert(words.end(), text.begin(), text.end());
        Word(0);
    }
    // A resource id, or none.
    void IdOrNone(int id) {
        if (id != 0) {
            Word(kOrdinal);
        }
        Word(static_cast<WORD>(id));
    }
    void AlignToDoubleWord() {
        if (words.size() % 2 != 0) {
            Word(0);
        }
    }
    std::vector<WORD> Result() { return std::move(words); }

  private:
    std::vector<WORD> words;
};

DWORD TabAndGroup(unsigned styles) {
    return (styles & StyleTabStop ? WS_TABSTOP : 0) | (styles & StyleGroup ? WS_GROUP : 0);
}

}  // namespace

ControlStyles StylesOf(const ControlTemplate& control) {
    const DWORD common = WS_CHILD | WS_VISIBLE | TabAndGroup(control.styles);
    switch (control.kind) {
        case ControlKind::Label:
            // Texts come from data: an "&" is a letter, as Qt shows it.
            return {common | SS_NOPREFIX | (control.styles & StyleCentered ? SS_CENTER : SS_LEFT) |
                        (control.styles & StyleSunken ? SS_SUNKEN : 0),
                    0, kStaticClass};
        case ControlKind::EtchedFrame:
            return {common | SS_ETCHEDFRAME, 0, kStaticClass};
        case ControlKind::IconLabel:
            return {common | SS_ICON, 0, kStaticClass};
        case ControlKind::Edit:
            return {common | (control.styles & StyleAutoScroll ? ES_AUTOHSCROLL : 0) |
                        (control.styles & StyleDigitsOnly ? ES_NUMBER : 0),
                    static_cast<DWORD>(control.styles & StyleBorder ? WS_EX_CLIENTEDGE : 0),
                    kEditClass};
        case ControlKind::ReadOnlyText:
            return {common | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL, 0,
                    kEditClass};
        case ControlKind::Button:
            return {common | BS_PUSHBUTTON | BS_NOTIFY, 0, kButtonClass};
        case ControlKind::DefaultButton:
            return {common | BS_DEFPUSHBUTTON | BS_NOTIFY, 0, kButtonClass};
    }
    return {common, 0, kStaticClass};
}

DWORD DialogStyleOf(const DialogTemplate& dialog) {
    const unsigned styles = dialog.styles;
    return (styles & DialogPopup ? WS_POPUP : 0) | (styles & DialogVisible ? WS_VISIBLE : 0) |
           (styles & DialogSystemFont ? 0 : DS_SETFONT) |
           (styles & DialogCaption ? WS_CAPTION : 0) |
           (styles & DialogSystemMenu ? WS_SYSMENU : 0) |
           (styles & DialogModalFrame ? DS_MODALFRAME : 0) |
           (styles & DialogSizingBorder ? WS_THICKFRAME : 0);
}

DWORD DialogExStyleOf(const DialogTemplate& dialog) {
    return dialog.styles & DialogAppWindow ? WS_EX_APPWINDOW : 0;
}

std::vector<WORD> WriteDialogTemplate(const DialogTemplate& dialog) {
    const DWORD style = DialogStyleOf(dialog);
    TemplateWords out;
    if (dialog.extended) {
        out.Word(1);        // version
        out.Word(0xFFFF);   // extended
        out.DoubleWord(0);  // help id
        out.DoubleWord(DialogExStyleOf(dialog));
        out.DoubleWord(style);
    } else {
        out.DoubleWord(style);
        out.DoubleWord(DialogExStyleOf(dialog));
    }
    out.Word(static_cast<WORD>(dialog.controls.size()));
    out.Short(0);
    out.Short(0);
    out.Short(dialog.width);
    out.Short(dialog.height);
    out.IdOrNone(dialog.menuId);
    out.Word(0);  // the system's dialog class
    out.Text(Widened(dialog.caption));
    if (style & DS_SETFONT) {
        out.Word(kDialogFontPoints);
        if (dialog.extended) {
            out.Word(0);  // weight: the font's own
            out.Word(MAKEWORD(FALSE, DEFAULT_CHARSET));
        }
        out.Text(kDialogFontName);
    }
    for (const ControlTemplate& control : dialog.controls) {
        const ControlStyles styles = StylesOf(control);
        out.AlignToDoubleWord();
        if (dialog.extended) {
            out.DoubleWord(0);  // help id
            out.DoubleWord(styles.exStyle);
            out.DoubleWord(styles.style);
        } else {
            out.DoubleWord(styles.style);
            out.DoubleWord(styles.exStyle);
        }
        out.Short(control.rect.x);
        out.Short(control.rect.y);
        out.Short(control.rect.width);
        out.Short(control.rect.height);
        if (dialog.extended) {
            out.DoubleWord(static_cast<DWORD>(control.id));
        } else {
            out.Short(control.id);
        }
        out.Word(kOrdinal);
        out.Word(styles.classAtom);
        if (control.kind == ControlKind::IconLabel) {
            out.IdOrNone(control.iconId);
        } else {
            out.Text(control.kind == ControlKind::ReadOnlyText ? std::wstring()
                                                               : Widened(control.text));
        }
        out.Word(0);  // no creation data
    }
    return out.Result();
}

}  // namespace platform
