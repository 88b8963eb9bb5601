// What the program tells Qt before its first window: its desktop entry, and that Qt's own texts in
// its windows, such as an edit field's context menu, are German.
#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <filesystem>

#include "app/GeneratorApp.h"
#include "support/ModalScript.h"
#include "support/TestFiles.h"

namespace schattwerk {
namespace {

TEST(StandardTexts, AnEditFieldsContextMenuIsGerman) {
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm")) {
        GTEST_SKIP() << "Qt's German translations are not installed";
    }
    const testsupport::ConfigFolder config;
    GeneratorApp application;
    application.AttachModule(platform::ModuleInstance(PROGRAM_FILE));
    testsupport::ModalScript script;
    script.Expect("Dornak-Schattwerk-Generator", [](platform::Dialog& main) {
        QLineEdit field;
        const QMenu* menu = field.createStandardContextMenu();  // the field's child
        EXPECT_EQ(menu->actions().front()->text().section('\t', 0, 0).toStdString(), "&Rückgängig");
        main.EndDialog(2);
    });
    application.InitInstance();
}

// The desktop matches the program's windows to its menu entry by this name, so it must name the
// entry that is installed, and be set before the first window shows.
TEST(DesktopEntry, QtKnowsItBeforeTheFirstWindow) {
    const testsupport::ConfigFolder config;
    QGuiApplication::setDesktopFileName("");
    GeneratorApp application;
    application.AttachModule(platform::ModuleInstance(PROGRAM_FILE));
    testsupport::ModalScript script;
    script.Expect("Dornak-Schattwerk-Generator", [](platform::Dialog& main) {
        const std::string entry = QGuiApplication::desktopFileName().toStdString() + ".desktop";
        EXPECT_TRUE(
            std::filesystem::is_regular_file(std::filesystem::path(DESKTOP_ENTRY_DIR) / entry))
            << entry;
        main.EndDialog(2);
    });
    application.InitInstance();
}

}  // namespace
}  // namespace schattwerk
