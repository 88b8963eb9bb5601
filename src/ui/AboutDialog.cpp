// The About box; without readable version information it keeps its template texts.
#include "ui/AboutDialog.h"

#include "frame/VersionInfo.h"
#include "frame/WinApp.h"
#include "ui/ResourceIds.h"

namespace schattwerk {

AboutDialog::AboutDialog(platform::Dialog* parent)
    : AppDialog(0, IdDialogAccelerators, IdAboutDialog, parent) {
}

bool AboutDialog::OnInitDialog() {
    AppDialog::OnInitDialog();
    const qel::Windows::WinApp* application = qel::Windows::WinApp::Current();
    qel::Windows::VersionInfo version;
    if (application != nullptr && version.Load(application->ModulePath(), 0)) {
        SetItemText(ProductLabel, version.QueryString("ProductName") + " " + version.VersionText());
        SetItemText(CopyrightLabel, version.QueryString("LegalCopyright"));
    }
    return true;
}

void AboutDialog::OnCommand(int id) {
    if (id == CommandHelp) {
        DisplayHelp(HelpAboutDialog);
        return;
    }
    AppDialog::OnCommand(id);
}

}  // namespace schattwerk
