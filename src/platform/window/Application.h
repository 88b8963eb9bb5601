// The application base: the program's names and paths as the platform derives them, its main
// window, its start-up and exit, and the entry point that runs it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/module/Module.h"

namespace platform {

class Dialog;

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
    Dialog* MainWnd() const { return mainWnd; }
    void SetMainWnd(Dialog* window) { mainWnd = window; }
    // The name of the program's desktop entry, without ".desktop": the desktop shows that entry's
    // icon and name for the program's windows. One per process, set before the first window.
    static void SetDesktopFileName(const std::string& name);
    static std::string DesktopFileName();
    // Qt's own texts (the edit fields' context menu, standard buttons) in `language` ("de") from
    // Qt's installed translations; without them they stay English.
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
    Dialog* mainWnd = nullptr;
};

// The entry point: makes the Qt application (the command line is not handed on, so arguments
// change nothing), attaches the process's module, runs InitInstance, the event loop if it asks
// for one, and ExitInstance, whose result it returns. When no display can be opened, it prints
// `noDisplayMessage` alone on standard error and ends the process with exit code 1.
int RunApplication(int argc, char** argv, Application& application,
                   std::string_view noDisplayMessage);

}  // namespace platform
