// Test main for window tests on Windows: the thread in an apartment, as the program's is, and no
// modal run without a script.
#include <windows.h>
// These need the base declarations first.
#include <gtest/gtest.h>
#include <objbase.h>

#include "support/ModalScript.h"

int main(int argc, char** argv) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    testing::InitGoogleTest(&argc, argv);
    testsupport::RefuseModalRuns refuse;
    platform::SetModalHook(&refuse);
    const int result = RUN_ALL_TESTS();
    CoUninitialize();
    return result;
}
