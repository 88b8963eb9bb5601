// The main dialog's commands.
#include "ui/MainDialog.h"

#include "platform/window/WaitCursor.h"
#include "ui/AboutDialog.h"
#include "ui/HintEntryDialog.h"
#include "ui/ResourceIds.h"

namespace schattwerk {
namespace {

constexpr const char* kHidden = "???";
constexpr const char* kShowLabel = "Anzeigen";
constexpr const char* kHideLabel = "Verstecken";

}  // namespace

MainDialog::MainDialog() : AppDialog(IdIcon, IdMainAccelerators, IdMainDialog, nullptr) {
}

bool MainDialog::OnInitDialog() {
    AppDialog::OnInitDialog();
    solutionShown = false;
    EnableItem(ToggleSolutionButton, false);
    NameSolutionLabels();
    FocusItem(GenerateButton);
    return false;
}

void MainDialog::OnCommand(int id) {
    switch (id) {
        case CommandGenerate:
            OnGenerate();
            break;
        case CommandDecode:
            OnDecode();
            break;
        case CommandToggleSolution:
            OnToggleSolution();
            break;
        case CommandHelp:
            OnHelp();
            break;
        case CommandHelpHome:
            OnHelpHome();
            break;
        case CommandAbout:
            OnAbout();
            break;
        default:
            AppDialog::OnCommand(id);
    }
}

void MainDialog::EnableCommands(bool enabled) {
    EnableItem(GenerateButton, enabled);
    EnableItem(DecodeButton, enabled);
}

void MainDialog::OnGenerate() {
    CaseEngine engine(reporter);
    EnableItem(ToggleSolutionButton, false);
    EnableCommands(false);
    platform::ShowWaitCursor();
    engine.BuildCatalogues();
    engine.Generate();
    ShowCase(engine, false);
    platform::HideWaitCursor();
    EnableCommands(true);
    FocusItem(GenerateButton);
}

void MainDialog::OnDecode() {
    EnableCommands(false);
    platform::ShowWaitCursor();
    HintEntryDialog entry(this);
    CaseEngine engine(reporter);
    engine.BuildCatalogues();
    while (entry.DoModal() == platform::CommandOk) {
        if (engine.Decode(entry.HintValues())) {
            ShowCase(engine, true);
            break;
        }
    }
    platform::HideWaitCursor();
    EnableCommands(true);
    FocusItem(DecodeButton);
}

void MainDialog::OnToggleSolution() {
    solutionShown = !solutionShown;
    UpdateSolutionView();
}

void MainDialog::OnHelp() {
    DisplayHelp(HelpMainDialog);
}

void MainDialog::OnHelpHome() {
    DisplayHelp();
}

void MainDialog::OnAbout() {
    AboutDialog about(this);
    about.DoModal();
}

void MainDialog::ShowCase(const CaseEngine& engine, bool shown) {
    for (int row = 0; row < WitnessCount; ++row) {
        const Statement statement = engine.CaseStatements().At(row);
        const std::string_view witness = statement.GetWitness().Name();
        SetItemText(WitnessLabelFirst + row, witness);
        SetItemText(HintLabelFirst + row, statement.HintText());
        NameValueLabel(HintLabelFirst + row, std::string(witness) + ":");
    }
    culpritText = engine.Culprit().Name();
    placeText = engine.HidingPlace();
    solutionShown = shown;
    UpdateSolutionView();
    EnableItem(ToggleSolutionButton, true);
}

void MainDialog::UpdateSolutionView() {
    SetItemText(ToggleSolutionButton, solutionShown ? kHideLabel : kShowLabel);
    SetItemText(CulpritLabel, solutionShown ? culpritText : kHidden);
    SetItemText(PlaceLabel, solutionShown ? placeText : kHidden);
    NameSolutionLabels();
}

void MainDialog::NameSolutionLabels() {
    NameValueLabel(CulpritLabel, CulpritCaption);
    NameValueLabel(PlaceLabel, PlaceCaption);
}

void MainDialog::NameValueLabel(int id, std::string_view caption) {
    SetItemAccessibleName(id, std::string(caption) + " " + ItemText(id));
}

}  // namespace schattwerk
