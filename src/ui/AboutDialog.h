// The "Info" box: the program icon, the product name with its version and the copyright line, read
// from the program's own file.
#pragma once

#include "ui/AppDialog.h"

namespace schattwerk {

class AboutDialog : public AppDialog {
  public:
    explicit AboutDialog(platform::Dialog* parent);

  protected:
    bool OnInitDialog() override;
    void OnCommand(int id) override;
};

}  // namespace schattwerk
