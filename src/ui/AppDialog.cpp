// The resource dialogs' base.
#include "ui/AppDialog.h"

#include "frame/WinApp.h"

namespace schattwerk {

AppDialog::AppDialog(int iconId, int acceleratorId, int templateId, platform::Dialog* parent)
    : MinSizeDialog(templateId, parent) {
    if (iconId != 0) {
        SetIconResource(iconId);
    }
    if (acceleratorId != 0) {
        SetAcceleratorResource(acceleratorId);
    }
}

bool AppDialog::SetIconResource(int id) {
    icon = platform::Icon::FromResource(id);
    if (initialised && !icon.IsNull()) {
        SetWindowIcon(icon);
    }
    return !icon.IsNull();
}

bool AppDialog::SetAcceleratorResource(int id) {
    accelerators = platform::Resources::Accelerators(id);
    return accelerators.has_value();
}

void AppDialog::DisplayHelp(std::string_view topic) {
    if (qel::Windows::WinApp* application = qel::Windows::WinApp::Current()) {
        application->DisplayHelp(topic);
    }
}

bool AppDialog::OnInitDialog() {
    MinSizeDialog::OnInitDialog();
    initialised = true;
    if (!icon.IsNull()) {
        SetWindowIcon(icon);
    }
    return true;
}

bool AppDialog::PreTranslateKey(const platform::KeyPress& key) {
    if (accelerators) {
        if (const int command = platform::TranslateAccelerator(*accelerators, key)) {
            OnCommand(command);
            return true;
        }
    }
    return MinSizeDialog::PreTranslateKey(key);
}

}  // namespace schattwerk
