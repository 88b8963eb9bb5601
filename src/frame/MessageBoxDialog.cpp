// The message box: a template of 260 x 70 dialog units of the system font, built in memory, its
// controls made when it opens.
#include "frame/MessageBoxDialog.h"

namespace qel::Windows {
namespace {

using platform::ControlKind;
using platform::DialogRect;

constexpr int kWidth = 260;
constexpr int kHeight = 70;

platform::DialogTemplate InMemoryTemplate() {
    platform::DialogTemplate box;
    box.width = kWidth;
    box.height = kHeight;
    box.styles = platform::DialogPopup | platform::DialogVisible | platform::DialogCaption |
                 platform::DialogSystemMenu | platform::DialogModalFrame |
                 platform::DialogSystemFont;
    return box;
}

struct KindLook {
    platform::SystemIcon icon;
    platform::BeepSound sound;
};

const KindLook* LookOf(int kind) {
    static const KindLook looks[] = {
        {platform::SystemIcon::Stop, platform::BeepSound::Stop},
        {platform::SystemIcon::Exclamation, platform::BeepSound::Exclamation},
        {platform::SystemIcon::Information, platform::BeepSound::Information},
    };
    return kind >= MessageStop && kind <= MessageInformation ? &looks[kind - 1] : nullptr;
}

}  // namespace

MessageBoxDialog::MessageBoxDialog(platform::Dialog* parent, std::string text, std::string caption,
                                   int kind)
    : platform::Dialog(InMemoryTemplate(), parent),
      text(std::move(text)),
      caption(std::move(caption)) {
    if (const KindLook* look = LookOf(kind)) {
        icon = platform::Icon::FromSystem(look->icon);
        beepSound = look->sound;
    }
}

void MessageBoxDialog::SetHelpCallback(MessageHelpCallback callback, std::uint32_t context,
                                       void* data) {
    helpCallback = callback;
    contextValue = context;
    dataValue = data;
}

void MessageBoxDialog::CreateControl(int id, ControlKind kind, DialogRect rect, unsigned styles,
                                     std::string_view label) {
    CreateItem({id, kind, rect, label, styles});
}

bool MessageBoxDialog::OnInitDialog() {
    platform::Dialog::OnInitDialog();
    SetCaption(caption);
    CenterWindow();
    if (!icon.IsNull()) {
        CreateControl(IconControl, ControlKind::IconLabel, {7, 7, 0, 0}, platform::StyleNone);
        CreateControl(TextControl, ControlKind::Label, {35, 7, 218, 42}, platform::StyleNone);
        SetItemIcon(IconControl, icon);
    } else {
        CreateControl(TextControl, ControlKind::Label, {7, 7, 246, 42}, platform::StyleNone);
    }
    SetItemText(TextControl, text);
    AnnounceAsAlert(text);
    CreateControl(CloseButton, ControlKind::DefaultButton, {7, 49, 50, 14}, platform::StyleTabStop,
                  "&Schließen");
    if (helpCallback != nullptr) {
        CreateControl(HelpButton, ControlKind::Button, {203, 49, 50, 14}, platform::StyleTabStop,
                      "&Hilfe");
    }
    if (beepSound) {
        platform::Beep(*beepSound);
    }
    FocusItem(CloseButton);
    return false;
}

void MessageBoxDialog::OnCommand(int id) {
    if (id == HelpButton) {
        if (helpCallback != nullptr) {
            helpCallback(MessageHelpRequested, contextValue, dataValue, *this);
        }
        return;
    }
    platform::Dialog::OnCommand(id);
}

bool MessageBoxDialog::PreTranslateKey(const platform::KeyPress& key) {
    if (key.virtualKey == platform::KeyF1) {
        OnCommand(HelpButton);
        return true;
    }
    return platform::Dialog::PreTranslateKey(key);
}

void MessageBoxDialog::OnDestroy() {
    if (helpCallback != nullptr) {
        helpCallback(MessageBoxDestroyed, contextValue, dataValue, *this);
    }
    platform::Dialog::OnDestroy();
}

}  // namespace qel::Windows
