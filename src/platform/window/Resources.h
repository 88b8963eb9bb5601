// The program's resources as plain data: dialog templates, menus, accelerator tables, icons and
// the string table. A program installs its tables once; dialogs then find them by id.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window/Keys.h"

namespace platform {

// Command ids that the platform itself sends: Enter on a dialog without a default button, and Esc
// or the close box.
enum StandardCommand : int { CommandOk = 1, CommandCancel = 2 };

// A rectangle in dialog units: a quarter of the dialog font's average character width across, an
// eighth of its height down.
struct DialogRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

enum class ControlKind {
    Label,          // static text
    EtchedFrame,    // static etched rectangle
    IconLabel,      // static showing an icon
    Edit,           // one-line edit field
    ReadOnlyText,   // text of many lines, long words broken, scrolled when taller than its place
    Button,         // push button
    DefaultButton,  // the push button that Enter presses
};

enum ControlStyle : unsigned {
    StyleNone = 0,
    StyleTabStop = 1u << 0,
    StyleGroup = 1u << 1,
    StyleSunken = 1u << 2,      // label drawn sunken
    StyleCentered = 1u << 3,    // label text centred (else left-aligned)
    StyleBorder = 1u << 4,      // edit with a border
    StyleDigitsOnly = 1u << 5,  // edit that takes digits only
    StyleAutoScroll = 1u << 6,  // edit that scrolls its text horizontally
};

struct ControlTemplate {
    int id = -1;  // -1: never addressed by the code
    ControlKind kind = ControlKind::Label;
    DialogRect rect;
    std::string_view text;  // for an icon label: unused
    unsigned styles = StyleNone;
    int iconId = 0;  // for an icon label: the icon resource it shows
};

enum DialogStyle : unsigned {
    DialogStyleNone = 0,
    DialogVisible = 1u << 0,
    DialogPopup = 1u << 1,
    DialogCaption = 1u << 2,
    DialogSystemMenu = 1u << 3,  // a system menu, and with it the close box
    DialogModalFrame = 1u << 4,
    DialogSizingBorder = 1u << 5,
    DialogAppWindow = 1u << 6,   // a taskbar button of its own
    DialogSystemFont = 1u << 7,  // names no font: the system's, and dialog units of it
};

struct DialogTemplate {
    int id = 0;  // 0 for a template built in memory
    std::string_view caption;
    int width = 0;  // dialog units
    int height = 0;
    unsigned styles = DialogStyleNone;
    int menuId = 0;
    std::vector<ControlTemplate> controls;  // in tab order
    bool extended = false;                  // kept in the program file as an extended template
};

struct MenuItem {
    std::string_view text;  // "&" marks the mnemonic, "\t" starts the shortcut text
    int command = 0;
};

struct MenuPopup {
    std::string_view text;
    std::vector<MenuItem> items;
};

struct MenuTemplate {
    int id = 0;
    std::vector<MenuPopup> popups;
};

struct Accelerator {
    int virtualKey = 0;
    unsigned modifiers = ModifierNone;
    int command = 0;
};

struct AcceleratorTable {
    int id = 0;
    std::vector<Accelerator> entries;
};

// One icon in several sizes, each a PNG image.
struct IconResource {
    int id = 0;
    std::vector<std::span<const std::uint8_t>> pngImages;
};

struct StringResource {
    unsigned id = 0;
    std::string_view text;
};

struct ResourceSet {
    std::span<const DialogTemplate> dialogs;
    std::span<const MenuTemplate> menus;
    std::span<const AcceleratorTable> accelerators;
    std::span<const IconResource> icons;
    std::span<const StringResource> strings;
};

// The installed resources; the tables must outlive every use. Where the system keeps resources in
// the program file (Windows), the program builds them from the tables into it and takes its
// strings, accelerators, dialog templates with their menus, and icon images from there whenever
// the file has one of that id.
class Resources {
  public:
    static void Install(const ResourceSet& resources);

    static const DialogTemplate* Dialog(int id);
    static const MenuTemplate* Menu(int id);
    static std::optional<AcceleratorTable> Accelerators(int id);
    static const IconResource* Icon(int id);
    // The string table's text, or the empty text for an id without one.
    static std::string String(unsigned id);
};

}  // namespace platform
