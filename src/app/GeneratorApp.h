// The program's application object: start-up of the help and the main dialog, whose end is the
// program's end.
#pragma once

#include "frame/WinApp.h"

namespace schattwerk {

class GeneratorApp : public qel::Windows::WinApp {
  public:
    // Runs the whole program: tells the platform the desktop file name and the language of its own
    // texts, installs the resource tables, runs the frame's start-up, selects browser help with
    // the engine's messages mapped to their topics, and runs the main dialog. Returns false, so
    // that no event loop follows.
    bool InitInstance() override;
};

extern GeneratorApp theApp;

}  // namespace schattwerk
