// The base of the program's resource dialogs: a window icon and an accelerator table whose keys
// reach the dialog before its keyboard navigation does.
#pragma once

#include <optional>
#include <string_view>

#include "ui/MinSizeDialog.h"

namespace schattwerk {

class AppDialog : public MinSizeDialog {
  public:
    // Icon and accelerator ids of 0 give none.
    AppDialog(int iconId, int acceleratorId, int templateId, platform::Dialog* parent);

    // Both return whether the resource exists. An icon set while the dialog runs shows at once;
    // one set before shows when it starts.
    bool SetIconResource(int id);
    bool SetAcceleratorResource(int id);

  protected:
    // Shows a help topic through the application; nothing without one.
    static void DisplayHelp(std::string_view topic = {});

    bool OnInitDialog() override;
    bool PreTranslateKey(const platform::KeyPress& key) override;

  private:
    platform::Icon icon;
    std::optional<platform::AcceleratorTable> accelerators;
    bool initialised = false;
};

}  // namespace schattwerk
