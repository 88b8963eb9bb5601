// Scripted modal runs and simulated input.
#include "support/ModalScript.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace testsupport {

ModalScript::ModalScript() {
    platform::SetModalHook(this);
}

ModalScript::~ModalScript() {
    platform::SetModalHook(nullptr);
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
    EXPECT_FALSE(dialog.Window()->isVisible())
        << "step for \"" << step.caption << "\" did not end its dialog";
}

void RefuseModalRuns::Run(platform::Dialog& dialog) {
    ADD_FAILURE() << "modal run of \"" << dialog.Caption() << "\" without a script";
    dialog.EndDialog(platform::CommandCancel);
}

void PressKey(platform::Dialog& dialog, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = dialog.Window()->focusWidget();
    if (target == nullptr) {
        target = dialog.Window();
    }
    QTest::keyClick(target, key, modifiers);
}

void TypeText(platform::Dialog& dialog, int controlId, const std::string& text) {
    QWidget* widget = dialog.ItemWidget(controlId);
    ASSERT_NE(widget, nullptr) << controlId;
    QTest::keyClicks(widget, QString::fromStdString(text));
}

void Click(platform::Dialog& dialog, int controlId) {
    auto* button = qobject_cast<QPushButton*>(dialog.ItemWidget(controlId));
    ASSERT_NE(button, nullptr) << controlId;
    QTest::mouseClick(button, Qt::LeftButton);
}

void TriggerMenuItem(platform::Dialog& dialog, const std::string& text) {
    for (QAction* action : dialog.Window()->findChildren<QAction*>()) {
        if (action->text().toStdString() == text) {
            action->trigger();
            return;
        }
    }
    ADD_FAILURE() << "no menu item \"" << text << "\"";
}

}  // namespace testsupport
