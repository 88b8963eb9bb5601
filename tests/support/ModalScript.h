// A script of modal runs for window tests: each run of a dialog takes the next step, which checks
// which dialog it is, acts on it and ends it. Nested runs take their steps in order.
#pragma once

#include <deque>
#include <functional>
#include <string>

#include "platform/window/Dialog.h"
#include "support/WindowInput.h"

namespace testsupport {

class ModalScript : public platform::ModalHook {
  public:
    using Action = std::function<void(platform::Dialog&)>;

    ModalScript();
    ~ModalScript() override;

    // The next modal run must be a dialog with this caption; `action` runs on it and must end it.
    ModalScript& Expect(std::string caption, Action action);
    // Every step has been taken.
    bool Done() const { return steps.empty(); }

    void Run(platform::Dialog& dialog) override;

  private:
    struct Step {
        std::string caption;
        Action action;
    };
    std::deque<Step> steps;
    platform::ModalHook* previous;
};

// Installed by the window tests' main: a modal run that no script expects fails the test at once
// instead of waiting for a user who never comes.
class RefuseModalRuns : public platform::ModalHook {
  public:
    void Run(platform::Dialog& dialog) override;
};

}  // namespace testsupport
