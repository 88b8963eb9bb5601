// The application base: the program's names and paths, and the application object of the process.
#include "platform/window/Application.h"

#include "platform/module/Paths.h"

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

Application* Application::Current() {
    return current;
}

}  // namespace platform
