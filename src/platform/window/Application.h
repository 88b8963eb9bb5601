// The application base: the program's names and paths as the platform derives them, its start-up
// and exit, and the entry point that runs it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/module/Module.h"

namespace platform {

class Application {
  public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The program's start; true runs the event loop afterwards, false ends the program.
    virtual bool InitInstance();
    // The program's end; returns the process's exit code.
    virtual int ExitInstance();

    // Takes the module the program runs from and derives the names from its file: the
    // application name (the file's base name), the help file path (".HLP" in place of the
    // extension) and the profile name (base name + ".INI").
    void AttachModule(ModuleInstance module);

    const ModuleInstance& Instance() const { return instance; }
    const std::string& ApplicationName() const { return applicationName; }
    const std::string& ProfileName() const { return profileName; }
    void SetProfileName(std::string name) { profileName = std::move(name); }
    // None until the program sets one.
    const std::optional<std::string>& RegistryKey() const { return registryKey; }
    void SetRegistryKey(std::string key) { registryKey = std::move(key); }
    const std::string& HelpFilePath() const { return helpFilePath; }
    void SetHelpFilePath(std::string path) { helpFilePath = std::move(path); }
    // The program's id on the desktop, by which it shows the program's windows with the icon and
    // name of its menu entry or shortcut: on Linux the desktop entry's name without ".desktop",
    // on Windows the AppUserModelID. One per process, set before the first window.
    static void SetDesktopFileName(const std::string& name);
    // The platform's own texts in the program's windows (an edit field's context menu, standard
    // buttons) in `language` ("de"), where the platform has translations of them to load; Windows
    // shows its own in the user's language.
    static void LoadStandardTexts(const std::string& language);

    // The application object of the process: the one made last and not yet gone.
    static Application* Current();

  private:
    Application* previous;
    ModuleInstance instance;
    std::string applicationName;
    std::string profileName;
    std::optional<std::string> registryKey;
    std::string helpFilePath;
};

// The entry point: makes the window system's application (the command line is not handed on, so
// arguments change nothing), attaches the process's module, runs InitInstance, the event loop if it
// asks for one, and ExitInstance, whose result it returns. When no display can be opened, it prints
// `noDisplayMessage` alone on standard error and ends the process with exit code 1.
int RunApplication(int argc, char** argv, Application& application,
                   std::string_view noDisplayMessage);

}  // namespace platform
