// The hint entry dialog.
#include "ui/HintEntryDialog.h"

#include "case_model/Witness.h"
#include "platform/window/DataExchange.h"
#include "ui/ResourceIds.h"

namespace schattwerk {
namespace {

// Hint numbers have two digits.
constexpr int kFieldCharacters = 2;

}  // namespace

HintEntryDialog::HintEntryDialog(platform::Dialog* parent)
    : AppDialog(0, IdDialogAccelerators, IdHintEntryDialog, parent) {
}

bool HintEntryDialog::OnInitDialog() {
    AppDialog::OnInitDialog();
    for (int i = 0; i < WitnessCount; ++i) {
        LimitItemText(HintFieldFirst + i, kFieldCharacters);
    }
    Witness witness;
    for (WitnessId id = 1; id <= WitnessCount; ++id) {
        witness.SetId(id);
        SetItemText(WitnessLabelFirst + id - 1, witness.Name());
    }
    FocusItem(HintFieldFirst);
    SelectItemText(HintFieldFirst);
    return false;
}

void HintEntryDialog::OnCommand(int id) {
    if (id == CommandHelp) {
        OnHelp();
        return;
    }
    AppDialog::OnCommand(id);
}

void HintEntryDialog::DoDataExchange(platform::DataExchange& exchange) {
    for (int i = 0; i < WitnessCount; ++i) {
        exchange.Integer(HintFieldFirst + i, hintValues.at(static_cast<std::size_t>(i)));
    }
}

void HintEntryDialog::OnHelp() {
    DisplayHelp(HelpHintEntryDialog);
}

}  // namespace schattwerk
