// Test main for window tests: an offscreen Qt application, so no display is needed.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "support/ModalScript.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    testsupport::RefuseModalRuns refuse;
    platform::SetModalHook(&refuse);
    return RUN_ALL_TESTS();
}
