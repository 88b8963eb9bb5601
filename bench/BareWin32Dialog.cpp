// The floor of start-up on Windows: a bare dialog from an in-memory template in the program's
// font, with a label and a button, measured beside the program under the same Wine server.
// Built with BARE_WITH_PROGRAM_IMPORTS it imports the program's DLLs (and gets its manifest from
// CMake), which tells the system's share of the program's start-up from the program's own.
#include <windows.h>

#include <string_view>
#include <vector>

#ifdef BARE_WITH_PROGRAM_IMPORTS
#include <commctrl.h>
#include <ole2.h>
#include <oleacc.h>
#include <shellapi.h>
#endif

namespace {

#ifdef BARE_WITH_PROGRAM_IMPORTS
// One function of each DLL that the program imports, never called, so that the loader maps and
// starts each DLL as for the program; windows-startup.sh checks that the two lists agree.
using AnyFunction = void (*)();
const AnyFunction volatile kImports[] = {
    reinterpret_cast<AnyFunction>(&InitCommonControlsEx),
    reinterpret_cast<AnyFunction>(&CoInitializeEx),
    reinterpret_cast<AnyFunction>(&LresultFromObject),
    reinterpret_cast<AnyFunction>(&SysAllocString),
    reinterpret_cast<AnyFunction>(&ShellExecuteW),
    reinterpret_cast<AnyFunction>(&GetFileVersionInfoSizeW),
    reinterpret_cast<AnyFunction>(&RegOpenKeyExW),
    reinterpret_cast<AnyFunction>(&GetStockObject),
};
#endif

// An extended dialog template, built word by word; each control starts on a double word.
class Template {
  public:
    void Word(WORD value) { words.push_back(value); }
    void DoubleWord(DWORD value) {
        Word(LOWORD(value));
        Word(HIWORD(value));
    }
    void Text(std::wstring_view text) {
        words.insert(words.end(), text.begin(), text.end());
        Word(0);
    }
    void Control(DWORD style, short x, short y, short width, short height, WORD id, WORD classAtom,
                 std::wstring_view text) {
        if (words.size() % 2 != 0) {
            Word(0);
        }
        DoubleWord(0);  // help id
        DoubleWord(0);  // extended style
        DoubleWord(WS_CHILD | WS_VISIBLE | style);
        for (const short value : {x, y, width, height}) {
            Word(static_cast<WORD>(value));
        }
        DoubleWord(id);
        Word(0xFFFF);
        Word(classAtom);
        Text(text);
        Word(0);  // no creation data
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words.data()); }

  private:
    std::vector<WORD> words;
};

constexpr WORD kButtonClass = 0x0080;
constexpr WORD kStaticClass = 0x0082;

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    if (message == WM_INITDIALOG) {
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
#ifdef BARE_WITH_PROGRAM_IMPORTS
    // A read of each, so that none is left out.
    for (const AnyFunction function : kImports) {
        if (function == nullptr) {
            return 1;
        }
    }
#endif
    Template dialog;
    dialog.Word(1);       // version
    dialog.Word(0xFFFF);  // extended
    dialog.DoubleWord(0);
    dialog.DoubleWord(0);
    dialog.DoubleWord(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT);
    dialog.Word(2);  // controls
    for (const short value : {0, 0, 130, 50}) {
        dialog.Word(static_cast<WORD>(value));
    }
    dialog.Word(0);  // no menu
    dialog.Word(0);  // the system's dialog class
    dialog.Text(L"Bare Win32 dialog");
    dialog.Word(8);  // points
    dialog.Word(FW_NORMAL);
    dialog.Word(MAKEWORD(FALSE, DEFAULT_CHARSET));
    dialog.Text(L"MS Sans Serif");
    dialog.Control(SS_LEFT, 7, 7, 116, 10, 0xFFFF, kStaticClass, L"Dornak-Schattwerk-Generator");
    dialog.Control(BS_DEFPUSHBUTTON | WS_TABSTOP, 40, 26, 50, 14, IDOK, kButtonClass,
                   L"Generieren");
    return static_cast<int>(
        DialogBoxIndirectParamW(instance, dialog.Get(), nullptr, DialogProc, 0));
}
