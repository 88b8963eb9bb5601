// A script of modal runs for window tests: each run of a dialog takes the next step, which checks
// which dialog it is, acts on it and ends it. Nested runs take their steps in order.
#pragma once

#include <QtCore/qnamespace.h>

#include <deque>
#include <functional>
#include <string>

#include "platform/Dialog.h"

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

// Presses a key on the dialog's focused control (or the window), as the user would.
void PressKey(platform::Dialog& dialog, Qt::Key key, Qt::KeyboardModifiers modifiers = {});
// Types text into a control, key by key.
void TypeText(platform::Dialog& dialog, int controlId, const std::string& text);
// Clicks a push button.
void Click(platform::Dialog& dialog, int controlId);
// Triggers the menu item with this text (mnemonics included, as in the menu template).
void TriggerMenuItem(platform::Dialog& dialog, const std::string& text);

}  // namespace testsupport
