// The standard message box, sized to its text within the screen.
#include "platform/window/StandardMessageBox.h"

#include <algorithm>

#include "platform/window/Application.h"
#include "platform/window/Backend.h"
#include "platform/window/Sound.h"

namespace platform {
namespace {

constexpr int kIconItem = 100;
constexpr int kTextItem = 101;
// Dialog units.
constexpr int kMargin = 7;
constexpr int kIconSpace = 28;  // the icon and the gap beside it
constexpr int kIconHeight = 24;
constexpr int kLineHeight = 8;
constexpr int kMinTextWidth = 120;
constexpr int kMaxTextWidth = 360;  // lines longer than this are hard to read
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
// Lines of text left of the screen's height and width for the window manager's title bar and
// borders, which are unknown before the box shows.
constexpr int kFrameLines = 3;

std::string_view ApplicationName() {
    const Application* application = Application::Current();
    return application == nullptr ? std::string_view() : application->ApplicationName();
}

// A template whose text area is as wide as the text's longest line, within a readable width and
// the screen, and as tall as the text laid out in it, within the screen. Whatever does not fit
// the screen scrolls.
DialogTemplate TemplateFor(std::string_view text, bool withIcon, const PixelRect& workArea) {
    const DialogUnits units = backend::DefaultDialogUnits();
    const int textLeft = kMargin + (withIcon ? kIconSpace : 0);
    const int frame = kFrameLines * backend::DefaultLineHeight();
    const bool onScreen = workArea.Width() > 0 && workArea.Height() > 0;

    int textWidth = std::max(units.AcrossCovering(backend::IdealTextWidth(text)), kMinTextWidth);
    textWidth = std::min(textWidth, kMaxTextWidth);
    // A unit less than covers the screen stays within it.
    if (onScreen) {
        const int screenWidth = units.AcrossCovering(workArea.Width() - frame) - 1;
        textWidth = std::max(1, std::min(textWidth, screenWidth - textLeft - kMargin));
    }
    const int textPixels =
        backend::TextHeight(text, units.Map({textLeft, kMargin, textWidth, 0}).Width());

    // One unit more: mapping both edges may round the height down by a pixel.
    int textHeight =
        std::max(units.DownCovering(textPixels) + 1, withIcon ? kIconHeight : kLineHeight);
    if (onScreen) {
        const int screenHeight = units.DownCovering(workArea.Height() - frame) - 1;
        textHeight =
            std::max(kLineHeight, std::min(textHeight, screenHeight - 3 * kMargin - kButtonHeight));
    }
    const int width = textLeft + textWidth + kMargin;
    const int buttonTop = kMargin + textHeight + kMargin;

    DialogTemplate box;
    box.caption = ApplicationName();
    box.width = width;
    box.height = buttonTop + kButtonHeight + kMargin;
    box.styles = DialogPopup | DialogCaption | DialogSystemMenu | DialogModalFrame;
    if (withIcon) {
        box.controls.push_back({kIconItem, ControlKind::IconLabel, {kMargin, kMargin, 0, 0}, {}});
    }
    box.controls.push_back({kTextItem,
                            ControlKind::ReadOnlyText,
                            {textLeft, kMargin, textWidth, textHeight},
                            {},
                            StyleTabStop});
    box.controls.push_back({CommandOk,
                            ControlKind::DefaultButton,
                            {(width - kButtonWidth) / 2, buttonTop, kButtonWidth, kButtonHeight},
                            "OK",
                            StyleTabStop});
    return box;
}

// Caption, text and button between rules, as the system's message boxes copy themselves.
std::string CopiedBox(std::string_view caption, std::string_view text) {
    constexpr std::string_view kRule = "---------------------------\n";
    return std::string(kRule) + std::string(caption) + "\n" + std::string(kRule) +
           std::string(text) + "\n" + std::string(kRule) + "OK   \n" + std::string(kRule);
}

BeepSound SoundOf(SystemIcon icon) {
    switch (icon) {
        case SystemIcon::Stop:
            return BeepSound::Stop;
        case SystemIcon::Information:
            return BeepSound::Information;
        default:
            return BeepSound::Exclamation;
    }
}

}  // namespace

StandardMessageBox::StandardMessageBox(Dialog* owner, std::string_view text, SystemIcon icon)
    : Dialog(TemplateFor(text, icon != SystemIcon::None, backend::WorkAreaFor(owner)), owner),
      icon(icon),
      text(text) {
}

bool StandardMessageBox::OnInitDialog() {
    Dialog::OnInitDialog();
    SetItemText(kTextItem, text);
    AnnounceAsAlert(text);
    if (icon != SystemIcon::None) {
        SetItemIcon(kIconItem, Icon::FromSystem(icon));
        Beep(SoundOf(icon));
    }
    FocusItem(CommandOk);
    return false;
}

bool StandardMessageBox::PreTranslateKey(const KeyPress& key) {
    // Part of the text that the user selected is copied as any selection is.
    if (key.virtualKey == KeyC && key.modifiers == ModifierControl &&
        SelectedItemText(kTextItem).empty()) {
        backend::CopyToClipboard(CopiedBox(Caption(), text));
        return true;
    }
    return Dialog::PreTranslateKey(key);
}

int ShowStandardMessage(Dialog* owner, std::string_view text, SystemIcon icon) {
    StandardMessageBox box(owner, text, icon);
    return box.DoModal();
}

}  // namespace platform
