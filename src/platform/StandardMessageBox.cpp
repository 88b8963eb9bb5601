// The standard message box, sized to its text.
#include "platform/StandardMessageBox.h"

#include <QApplication>
#include <QFontMetrics>
#include <algorithm>

#include "platform/Application.h"
#include "platform/Sound.h"

namespace platform {
namespace {

constexpr int kIconItem = 100;
constexpr int kTextItem = 101;
constexpr int kMargin = 7;
constexpr int kIconSpace = 28;  // the icon and the gap beside it
constexpr int kMinTextWidth = 120;
constexpr int kMaxTextWidth = 360;
constexpr int kLineHeight = 8;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;

std::string_view ApplicationName() {
    const Application* application = Application::Current();
    return application == nullptr ? std::string_view() : application->ApplicationName();
}

// A template whose text area is wide enough for the text's longest unbroken word (within
// limits) and tall enough for its lines.
DialogTemplate TemplateFor(std::string_view text, bool withIcon) {
    const QFontMetrics metrics(QApplication::font());
    const int unitX = std::max(1, metrics.horizontalAdvance(QStringLiteral(
                                      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                                      52);
    const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    int longestWord = 0;
    for (const QString& word : qtext.split(QLatin1Char(' '))) {
        longestWord = std::max(longestWord, metrics.horizontalAdvance(word));
    }
    const int totalWidth = metrics.horizontalAdvance(qtext) * 4 / unitX;
    const int textWidth =
        std::clamp(std::max(totalWidth, longestWord * 4 / unitX) + 4, kMinTextWidth, kMaxTextWidth);
    const int lines = totalWidth / textWidth + 2;
    const int textLeft = kMargin + (withIcon ? kIconSpace : 0);
    const int textHeight = std::max(lines * kLineHeight, withIcon ? 24 : 0);
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
    box.controls.push_back(
        {kTextItem, ControlKind::Label, {textLeft, kMargin, textWidth, textHeight}, {}});
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
    : Dialog(TemplateFor(text, icon != SystemIcon::None), owner), icon(icon), text(text) {
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
