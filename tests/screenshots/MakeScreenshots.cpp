// Renders the program's windows to PNG files: the main window at the start, after "Generieren"
// and with the solution shown, the hint entry, the error box and the About box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPixmap>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "app/GeneratorApp.h"
#include "case_model/Ids.h"
#include "frame/MessageBoxDialog.h"
#include "platform/window/Sound.h"
#include "platform/window/qt/QtWidgets.h"
#include "support/ModalScript.h"
#include "ui/ResourceIds.h"

namespace {

using platform::Dialog;
namespace fs = std::filesystem;

fs::path folder;
int failures = 0;

void Save(Dialog& dialog, const char* name) {
    const fs::path file = folder / (std::string(name) + ".png");
    if (!platform::ToWidget(dialog.Handle())->grab().save(QString::fromStdString(file.string()))) {
        std::cerr << "make_screenshots: cannot write " << file << '\n';
        ++failures;
    }
}

// The steps of one session: every window the player meets, each saved once.
void Script(testsupport::ModalScript& script) {
    using namespace schattwerk;
    script
        .Expect("Dornak-Schattwerk-Generator",
                [](Dialog& main) {
                    Save(main, "main-start");
                    main.SendCommand(CommandGenerate);
                    Save(main, "main-generated");
                    main.SendCommand(CommandToggleSolution);
                    Save(main, "main-solution");
                    main.SendCommand(CommandDecode);
                    main.SendCommand(CommandAbout);
                    main.EndDialog(platform::CommandCancel);
                })
        .Expect("Hinweise eingeben",
                [](Dialog& entry) {
                    const char* hints[] = {"12", "34", "55", "22", "86", "60", "47", "21"};
                    for (int i = 0; i < WitnessCount; ++i) {
                        entry.SetItemText(HintFieldFirst + i, hints[i]);
                    }
                    Save(entry, "hint-entry");
                    entry.SendCommand(platform::CommandOk);
                })
        .Expect("FEHLER",
                [](Dialog& box) {
                    Save(box, "error-box");
                    box.EndDialog(1);
                })
        .Expect("Hinweise eingeben", [](Dialog& entry) { entry.EndDialog(2); })
        .Expect("Info", [](Dialog& about) {
            Save(about, "about");
            about.EndDialog(1);
        });
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_screenshots <folder>\n";
        return 2;
    }
    folder = argv[1];
    fs::create_directories(folder);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication qtApplication(argc, argv);
    platform::SetBeepSink([](platform::BeepSound) {});
    schattwerk::GeneratorApp application;
    application.AttachModule(platform::ModuleInstance(PROGRAM_FILE));
    {
        testsupport::ModalScript script;
        Script(script);
        application.InitInstance();
    }
    // The script reports a window that did not come as expected through GoogleTest.
    const bool scriptFailed = ::testing::UnitTest::GetInstance()->ad_hoc_test_result().Failed();
    return failures == 0 && !scriptFailed ? 0 : 1;
}
