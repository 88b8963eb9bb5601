// The modal dialog: a window built from a dialog template, whose controls are addressed by id and
// whose buttons, menu items and keys all arrive as one command.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window/Icon.h"
#include "platform/window/Keys.h"
#include "platform/window/Resources.h"

namespace platform {

class DataExchange;

// A window or control of the window system, opaque outside the platform.
struct NativeWindow;
using WindowHandle = NativeWindow*;

// A rectangle in pixels.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const PixelRect&) const = default;
};

enum class SizingEdge { Left, Right, Top, TopLeft, TopRight, Bottom, BottomLeft, BottomRight };

class Dialog {
  public:
    // Made from the program's dialog template `templateId` (see Resources).
    Dialog(int templateId, Dialog* parent);
    // Made from a template built in memory.
    Dialog(DialogTemplate inMemory, Dialog* parent);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Builds the window, initialises it, shows it and waits until EndDialog; returns its result,
    // or -1 when the template does not exist. The window exists only during the run.
    int DoModal();
    void EndDialog(int result);
    bool IsRunning() const;
    Dialog* Parent() const { return parent; }
    // The dialog whose modal run is innermost: the one in front, which takes the user's input;
    // null while none runs.
    static Dialog* Foremost();
    // Tells this run of the dialog from every other run of any dialog; 0 while it does not run.
    std::uint64_t RunNumber() const { return runNumber; }

    // The handler that buttons, menu items, Enter, Esc, the close box and accelerators reach.
    void SendCommand(int id) { OnCommand(id); }

    // Controls by id; an id without a control reads as empty and ignores changes.
    void SetItemText(int id, std::string_view text);
    std::string ItemText(int id) const;
    void EnableItem(int id, bool enabled);
    bool IsItemEnabled(int id) const;
    void FocusItem(int id);
    // The control that has (or, in an inactive window, will get) the keyboard focus; 0 for none.
    int FocusedItem() const;
    // Selects the whole text of an edit field or text of many lines and scrolls its caret into
    // view.
    void SelectItemText(int id);
    std::string SelectedItemText(int id) const;
    void LimitItemText(int id, int characters);
    void SetItemIcon(int id, const Icon& icon);
    Icon ItemIcon(int id) const;
    // The control's rectangle in pixels, relative to the dialog's client area.
    PixelRect ItemRect(int id) const;
    // What a screen reader calls the control; the screen still shows its text. An edit field
    // made right after a label is called by that label's text without this.
    void SetItemAccessibleName(int id, std::string_view name);
    // Makes one more control while the dialog runs (normally during initialisation).
    void CreateItem(const ControlTemplate& control);

    // What a screen reader announces of the window from now on: an alert named by `text`, in place
    // of a dialog named by its caption.
    void AnnounceAsAlert(std::string_view text);

    void SetCaption(std::string_view caption);
    std::string Caption() const;
    void SetWindowIcon(const Icon& icon);
    Icon WindowIcon() const;
    PixelRect MapDialogRect(const DialogRect& rect) const;
    // On the screen, menu bar included; the window manager's frame is the desktop's, not ours.
    PixelRect WindowRect() const;
    PixelRect ClientRect() const;  // from 0, 0
    // Centres the window over a visible owner, else in the primary screen's work area.
    void CenterWindow();
    void Invalidate();

    // The window and a control while running, else null.
    WindowHandle Handle() const;
    WindowHandle ItemHandle(int id) const;

    // The window system's window of a running dialog, defined by the backend and opaque elsewhere.
    class Window;

  protected:
    // Runs once the controls exist; the default transfers the data into the controls. Return true
    // to let the platform focus the first tab stop.
    virtual bool OnInitDialog();
    // The default runs OnOK for CommandOk and OnCancel for CommandCancel.
    virtual void OnCommand(int id);
    // Transfers the data out of the controls and, if every field was accepted, ends with 1.
    virtual void OnOK();
    // Ends with 2, without transferring data.
    virtual void OnCancel();
    virtual void DoDataExchange(DataExchange& exchange);
    // Sees every key pressed in the dialog before its controls and keyboard navigation do;
    // returns true when it consumed the key.
    virtual bool PreTranslateKey(const KeyPress& key);
    // An edge of a sizable dialog is being dragged to `proposed` (screen pixels), which may be
    // changed.
    virtual void OnSizing(SizingEdge edge, PixelRect& proposed);
    virtual void OnSize(int clientWidth, int clientHeight);
    // The window is about to go.
    virtual void OnDestroy();

    // Transfers data into the controls (false) or out of them (true); false when a field was
    // refused.
    bool UpdateData(bool saveAndValidate);

  private:
    friend class Window;
    struct WindowDeleter {
        void operator()(Window* window) const;
    };

    // The dialogs whose modal runs go on, the innermost last, for the backend's windows.
    static const std::vector<Dialog*>& Running();

    // The backend's part of a modal run.
    void BuildWindow();
    void FocusFirstTabStop();
    void ShowWindow();
    void RunEventLoop();

    const DialogTemplate* dialogTemplate;
    DialogTemplate inMemoryTemplate;
    Dialog* parent;
    std::unique_ptr<Window, WindowDeleter> window;
    int result = 0;
    bool ended = false;
    std::uint64_t runNumber = 0;
    // The icons as the program gave them, for as long as the window lives.
    std::map<int, Icon> itemIcons;
    Icon windowIcon;
};

// Runs each modal dialog in place of the event loop, for tests that script nested modal runs in
// order. Run must end the dialog.
class ModalHook {
  public:
    virtual ~ModalHook() = default;
    virtual void Run(Dialog& dialog) = 0;
};

// Installs a hook, null for the event loop, and returns the one it replaces.
ModalHook* SetModalHook(ModalHook* hook);

// The command that `key` gives in `table`, or 0.
int TranslateAccelerator(const AcceleratorTable& table, const KeyPress& key);

}  // namespace platform
