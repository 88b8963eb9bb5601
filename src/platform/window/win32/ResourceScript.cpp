// Writing the resource script: each table in the script's own statements.
#include "platform/window/ResourceScript.h"

#include <cstdio>
#include <string>

#include "platform/module/ResourceScript.h"
#include "platform/module/win32/WideText.h"
#include "platform/window/win32/DialogTemplateWriter.h"

namespace platform {
namespace {

std::string Hex(DWORD value) {
    char text[11];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(value));
    return text;
}

void WriteDialog(std::ostream& out, const DialogTemplate& dialog) {
    const DWORD style = DialogStyleOf(dialog);
    out << dialog.id << (dialog.extended ? " DIALOGEX" : " DIALOG") << " 0, 0, " << dialog.width
        << ", " << dialog.height << "\nSTYLE " << Hex(style) << "\nEXSTYLE "
        << Hex(DialogExStyleOf(dialog)) << "\n";
    if (!dialog.caption.empty()) {
        out << "CAPTION " << ResourceScriptString(dialog.caption) << "\n";
    }
    if (dialog.menuId != 0) {
        out << "MENU " << dialog.menuId << "\n";
    }
    if (style & DS_SETFONT) {
        out << "FONT " << kDialogFontPoints << ", "
            << ResourceScriptString(Narrowed(kDialogFontName))
            << (dialog.extended ? ", 0, 0, 1" : "") << "\n";
    }
    out << "BEGIN\n";
    for (const ControlTemplate& control : dialog.controls) {
        const ControlStyles styles = StylesOf(control);
        // An icon label names its icon by id; a text of many lines is set once the window runs.
        const std::string text =
            control.kind == ControlKind::IconLabel      ? std::to_string(control.iconId)
            : control.kind == ControlKind::ReadOnlyText ? ResourceScriptString("")
                                                        : ResourceScriptString(control.text);
        out << "  CONTROL " << text << ", " << control.id << ", " << Hex(styles.classAtom) << ", "
            << Hex(styles.style) << ", " << control.rect.x << ", " << control.rect.y << ", "
            << control.rect.width << ", " << control.rect.height << ", " << Hex(styles.exStyle)
            << "\n";
    }
    out << "END\n";
}

void WriteMenu(std::ostream& out, const MenuTemplate& menu) {
    out << menu.id << " MENU\nBEGIN\n";
    for (const MenuPopup& popup : menu.popups) {
        out << "  POPUP " << ResourceScriptString(popup.text) << "\n  BEGIN\n";
        for (const MenuItem& item : popup.items) {
            out << "    MENUITEM " << ResourceScriptString(item.text) << ", " << item.command
                << "\n";
        }
        out << "  END\n";
    }
    out << "END\n";
}

void WriteAccelerators(std::ostream& out, const AcceleratorTable& table) {
    out << table.id << " ACCELERATORS\nBEGIN\n";
    for (const Accelerator& entry : table.entries) {
        out << "  " << Hex(static_cast<DWORD>(entry.virtualKey)) << ", " << entry.command
            << ", VIRTKEY, NOINVERT" << (entry.modifiers & ModifierShift ? ", SHIFT" : "")
            << (entry.modifiers & ModifierControl ? ", CONTROL" : "")
            << (entry.modifiers & ModifierAlt ? ", ALT" : "") << "\n";
    }
    out << "END\n";
}

}  // namespace

void WriteResourceScript(std::ostream& out, const ResourceSet& resources) {
    for (const DialogTemplate& dialog : resources.dialogs) {
        WriteDialog(out, dialog);
    }
    for (const MenuTemplate& menu : resources.menus) {
        WriteMenu(out, menu);
    }
    for (const AcceleratorTable& table : resources.accelerators) {
        WriteAccelerators(out, table);
    }
    if (!resources.strings.empty()) {
        out << "STRINGTABLE\nBEGIN\n";
        for (const StringResource& string : resources.strings) {
            out << "  " << string.id << ", " << ResourceScriptString(string.text) << "\n";
        }
        out << "END\n";
    }
}

}  // namespace platform
