// Scripted modal runs.
#include "support/ModalScript.h"

#include <gtest/gtest.h>

namespace testsupport {

ModalScript::ModalScript() : previous(platform::SetModalHook(this)) {
}

ModalScript::~ModalScript() {
    platform::SetModalHook(previous);
    EXPECT_TRUE(steps.empty()) << steps.size() << " modal runs expected but not seen, first: "
                               << (steps.empty() ? "" : steps.front().caption);
}

ModalScript& ModalScript::Expect(std::string caption, Action action) {
    steps.push_back({std::move(caption), std::move(action)});
    return *this;
}

void ModalScript::Run(platform::Dialog& dialog) {
    if (steps.empty()) {
        ADD_FAILURE() << "unexpected modal run of \"" << dialog.Caption() << "\"";
        dialog.EndDialog(platform::CommandCancel);
        return;
    }
    Step step = std::move(steps.front());
    steps.pop_front();
    EXPECT_EQ(dialog.Caption(), step.caption);
    step.action(dialog);
    EXPECT_FALSE(IsShown(dialog)) << "step for \"" << step.caption << "\" did not end its dialog";
}

void RefuseModalRuns::Run(platform::Dialog& dialog) {
    ADD_FAILURE() << "modal run of \"" << dialog.Caption() << "\" without a script";
    dialog.EndDialog(platform::CommandCancel);
}

}  // namespace testsupport
