// Qt's own texts in the program's windows, such as an edit field's context menu, are German once
// the program has started.
#include <gtest/gtest.h>

#include <QFile>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>

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

}  // namespace
}  // namespace schattwerk
