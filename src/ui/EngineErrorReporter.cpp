// Handing the engine's errors to the application object.
#include "ui/EngineErrorReporter.h"

#include "frame/WinApp.h"

namespace schattwerk {

void EngineErrorReporter::ReportError(const CaseError& error) {
    if (qel::Windows::WinApp* application = qel::Windows::WinApp::Current()) {
        application->ReportError(error.messageId, error.hintNumber, error.witnessName);
    }
}

}  // namespace schattwerk
