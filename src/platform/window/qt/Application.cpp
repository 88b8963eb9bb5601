// The entry point on Qt, and what the application tells Qt about itself.
#include "platform/window/Application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace platform {
namespace {

// Qt ends the process (qFatal, after English warnings) inside QApplication's constructor when no
// platform plugin can open a display: no DISPLAY, an unreachable one, an unknown QT_QPA_PLATFORM.
// While the Qt application is made, Qt's messages are therefore held back: a fatal one becomes
// the program's own message, and after a good start the rest go on as they came.
struct HeldMessage {
    QtMsgType type;
    // Literals and category names, which live as long as the process.
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};

std::string noDisplayMessage;
QtMessageHandler formerHandler = nullptr;
std::vector<HeldMessage> heldMessages;

void HoldOrRefuse(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // Nothing of the program has run yet, so nothing needs to be ended properly.
        std::fprintf(stderr, "%s\n", noDisplayMessage.c_str());
        std::_Exit(1);
    }
    heldMessages.push_back(
        {type, context.file, context.line, context.function, context.category, text});
}

void HoldQtMessages(std::string_view messageWithoutDisplay) {
    noDisplayMessage = messageWithoutDisplay;
    formerHandler = qInstallMessageHandler(&HoldOrRefuse);
}

void ReleaseQtMessages() {
    qInstallMessageHandler(formerHandler);
    for (const HeldMessage& message : heldMessages) {
        const QMessageLogContext context(message.file, message.line, message.function,
                                         message.category);
        formerHandler(message.type, context, message.text);
    }
    heldMessages.clear();
}

}  // namespace

void Application::SetDesktopFileName(const std::string& name) {
    QGuiApplication::setDesktopFileName(QString::fromStdString(name));
}

void Application::LoadStandardTexts(const std::string& language) {
    static QTranslator translator;
    QCoreApplication::removeTranslator(&translator);
    if (translator.load(QString::fromStdString("qtbase_" + language),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&translator);
    }
}

int RunApplication(int argc, char** argv, Application& application,
                   std::string_view noDisplayMessage) {
    int qtArgc = argc > 0 ? 1 : 0;
    char* qtArgv[] = {argc > 0 ? argv[0] : nullptr, nullptr};
    HoldQtMessages(noDisplayMessage);
    QApplication qtApplication(qtArgc, qtArgv);
    ReleaseQtMessages();
    application.AttachModule(ModuleInstance::OfProcess());
    if (application.InitInstance()) {
        QApplication::exec();
    }
    return application.ExitInstance();
}

}  // namespace platform
