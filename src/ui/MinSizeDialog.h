// A dialog that remembers its initial size and is never dragged smaller than that.
#pragma once

#include "platform/window/Dialog.h"

namespace schattwerk {

struct Size {
    int width = 0;
    int height = 0;
};

class MinSizeDialog : public platform::Dialog {
  public:
    MinSizeDialog(int templateId, platform::Dialog* parent)
        : platform::Dialog(templateId, parent) {}

    Size InitialWindowSize() const { return initialWindowSize; }

  protected:
    bool OnInitDialog() override;
    void OnSizing(platform::SizingEdge edge, platform::PixelRect& proposed) override;
    void OnSize(int clientWidth, int clientHeight) override;

    virtual void RecordInitialSizes();
    virtual void RelayoutClient();
    // Called after every size change; the default repaints the whole window.
    virtual void LayoutClient(int clientWidth, int clientHeight);

  private:
    Size initialWindowSize;
    Size initialClientSize;
};

}  // namespace schattwerk
