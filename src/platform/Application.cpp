// The application base and the entry point.
#include "platform/Application.h"

#include <QApplication>

#include "platform/Paths.h"

namespace platform {
namespace {

Application* current = nullptr;

}  // namespace

Application::Application() : previous(current) {
    current = this;
}

Application::~Application() {
    if (current == this) {
        current = previous;
    }
}

bool Application::InitInstance() {
    return true;
}

int Application::ExitInstance() {
    return 0;
}

void Application::AttachModule(ModuleInstance module) {
    instance = std::move(module);
    SplitPath parts = Split(instance.FileName());
    applicationName = parts.fileName;
    profileName = parts.fileName + ".INI";
    parts.extension = ".HLP";
    helpFilePath = Join(parts);
}

void Application::SetDesktopFileName(const std::string& name) {
    QGuiApplication::setDesktopFileName(QString::fromStdString(name));
}

std::string Application::DesktopFileName() {
    return QGuiApplication::desktopFileName().toStdString();
}

Application* Application::Current() {
    return current;
}

int RunApplication(int argc, char** argv, Application& application) {
    int qtArgc = argc > 0 ? 1 : 0;
    char* qtArgv[] = {argc > 0 ? argv[0] : nullptr, nullptr};
    QApplication qtApplication(qtArgc, qtArgv);
    application.AttachModule(ModuleInstance::OfProcess());
    if (application.InitInstance()) {
        QApplication::exec();
    }
    return application.ExitInstance();
}

}  // namespace platform
