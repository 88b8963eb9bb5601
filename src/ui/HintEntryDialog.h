// The dialog in which the user types the eight hint numbers of a case, one per witness.
#pragma once

#include "case_engine/CaseEngine.h"
#include "ui/AppDialog.h"

namespace schattwerk {

class HintEntryDialog : public AppDialog {
  public:
    explicit HintEntryDialog(platform::Dialog* parent);

    // The numbers of witnesses 1..8 as last accepted; a new run starts from them.
    const HintNumbers& HintValues() const { return hintValues; }

  protected:
    bool OnInitDialog() override;
    void OnCommand(int id) override;
    void DoDataExchange(platform::DataExchange& exchange) override;

  private:
    void OnHelp();

    HintNumbers hintValues{};
};

}  // namespace schattwerk
