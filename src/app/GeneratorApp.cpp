// The program's start-up.
#include "app/GeneratorApp.h"

#include <string>

#include "app/ProgramResources.h"
#include "case_engine/EngineMessages.h"
#include "ui/MainDialog.h"

namespace schattwerk {

bool GeneratorApp::InitInstance() {
    SetDesktopFileName(SCHATTWERK_APPLICATION_ID);
    LoadStandardTexts("de");
    platform::Resources::Install(ProgramResources());
    qel::Windows::WinApp::InitInstance();
    SetUseBrowserHelp(true);
    for (const unsigned messageId : {MessageInvalidHint, MessageUnsoundCase}) {
        HelpMap().AddTopic(messageId, std::string(EngineMessageHelpTopic(messageId)));
    }
    MainDialog dialog;
    SetMainWindow(&dialog);
    dialog.DoModal();
    // No pointer outlives the dialog.
    SetMainWindow(nullptr);
    return false;
}

}  // namespace schattwerk
