// The program's main window: the current case as eight witness rows, its solution on request,
// and the commands that make, decode and explain cases.
#pragma once

#include <string>
#include <string_view>

#include "case_engine/CaseEngine.h"
#include "ui/AppDialog.h"
#include "ui/EngineErrorReporter.h"

namespace schattwerk {

class MainDialog : public AppDialog {
  public:
    MainDialog();

  protected:
    bool OnInitDialog() override;
    void OnCommand(int id) override;

  private:
    void OnGenerate();
    void OnDecode();
    void OnToggleSolution();
    void OnHelp();
    void OnHelpHome();
    void OnAbout();
    // Copies a finished case out of the engine into the rows and the solution.
    void ShowCase(const CaseEngine& engine, bool shown);
    void UpdateSolutionView();
    void NameSolutionLabels();
    // A screen reader hears a value label with its caption, which the screen shows apart.
    void NameValueLabel(int id, std::string_view caption);
    void EnableCommands(bool enabled);

    bool solutionShown = false;
    std::string culpritText;
    std::string placeText;
    EngineErrorReporter reporter;
};

}  // namespace schattwerk
