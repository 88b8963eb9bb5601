// The program's start-up.
#include "app/GeneratorApp.h"

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
    HelpMap().AddTopic(MessageInvalidHint, "ref_meldungen.html#l_e100");
    HelpMap().AddTopic(MessageUnsoundCase, "ref_meldungen.html#l_e101");
    MainDialog dialog;
    SetMainWindow(&dialog);
    dialog.DoModal();
    return false;
}

}  // namespace schattwerk
