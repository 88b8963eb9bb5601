// The standard message box, sized to its text within the screen.
#include "platform/StandardMessageBox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

#include "platform/Application.h"
#include "platform/DialogMetrics.h"
#include "platform/Sound.h"

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

int CeilPixels(double pixels) {
    return static_cast<int>(std::ceil(pixels));
}

// A template whose text area is as wide as the text's longest line, within a readable width and
// the screen, and as tall as the text laid out in it, within the screen. Whatever does not fit
// the screen scrolls.
DialogTemplate TemplateFor(std::string_view text, bool withIcon, const PixelRect& workArea) {
    const QFont font = QApplication::font();
    const DialogUnits units(font);
    QTextDocument document;
    SetUpTextLayout(document, font);
    document.setPlainText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));

    const int textLeft = kMargin + (withIcon ? kIconSpace : 0);
    const int frame = kFrameLines * QFontMetrics(font).height();
    const bool onScreen = workArea.Width() > 0 && workArea.Height() > 0;

    int textWidth =
        std::max(units.AcrossCovering(CeilPixels(document.idealWidth())), kMinTextWidth);
    textWidth = std::min(textWidth, kMaxTextWidth);
    // A unit less than covers the screen stays within it.
    if (onScreen) {
        const int screenWidth = units.AcrossCovering(workArea.Width() - frame) - 1;
        textWidth = std::max(1, std::min(textWidth, screenWidth - textLeft - kMargin));
    }
    document.setTextWidth(units.Map({textLeft, kMargin, textWidth, 0}).Width());

    // One unit more: mapping both edges may round the height down by a pixel.
    int textHeight = std::max(units.DownCovering(CeilPixels(document.size().height())) + 1,
                              withIcon ? kIconHeight : kLineHeight);
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
    : Dialog(TemplateFor(text, icon != SystemIcon::None,
                         WorkAreaFor(owner != nullptr ? owner->Window() : nullptr)),
             owner),
      icon(icon),
      text(text) {
}

bool StandardMessageBox::OnInitDialog() {
    Dialog::OnInitDialog();
    SetItemText(kTextItem, text);
    if (icon != SystemIcon::None) {
        SetItemIcon(kIconItem, Icon::FromSystem(icon));
        Beep(SoundOf(icon));
    }
    FocusItem(CommandOk);
    return false;
}

int ShowStandardMessage(Dialog* owner, std::string_view text, SystemIcon icon) {
    StandardMessageBox box(owner, text, icon);
    return box.DoModal();
}

}  // namespace platform
