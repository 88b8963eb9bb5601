// The program's application object: start-up of the help and the main dialog, whose end is the
// program's end.
#pragma once

#include "frame/WinApp.h"

namespace schattwerk {

class GeneratorApp : public qel::Windows::WinApp {
  public:
    // Runs the whole program; returns false, so that no event loop follows.
    bool InitInstance() override;
};

extern GeneratorApp theApp;

}  // namespace schattwerk
