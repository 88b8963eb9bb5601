// The framework's application class: the program's file locations, help display with its
// message-to-topic map, and error messages in the frame's message box.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "frame/HelpTopicMap.h"
#include "frame/MessageBoxDialog.h"
#include "frame/Printf.h"
#include "frame/SettingsStore.h"
#include "platform/window/Application.h"
#include "platform/window/Resources.h"

namespace qel::Windows {

class WinApp : public platform::Application {
  public:
    static constexpr std::size_t MaxMessageCharacters = 1000;
    // A help opener that fails later than this after its start has shown the page: the desktop's
    // opener may run the browser in the foreground, and its end is then the browser's.
    static constexpr std::chrono::seconds HelpOpenerGrace{5};

    WinApp();
    ~WinApp() override;

    // Framework start-up: paths and names, then the settings store; returns what SetUpPaths
    // returned.
    bool InitInstance() override;
    // Sets the paths and names from the executable's path; false when it could not be found.
    virtual bool SetUpPaths();
    // The owner of message boxes and of compiled help; RunModal puts the dialog it runs here.
    void SetMainWindow(platform::Dialog* window) { mainWindow = window; }
    // Makes a new settings store under the registry key name, in place of any former one.
    void CreateSettings();

    // Shows a help topic ("page" or "page#anchor"; empty for the start page) by the route that
    // UseBrowserHelp selects. A failure is shown over the dialog that asked, while it is still in
    // front; a browser's opener has failed only when it fails within HelpOpenerGrace, and openers
    // started before a help failure was last shown fail unreported: the user has been told.
    void DisplayHelp(std::string_view topic = {});
    void DisplayBrowserHelp(std::string_view topic);
    void DisplayHHelp(std::string_view topic);
    // The help callback of message boxes: help for the message whose id is `context`.
    static void OnMessageHelp(int event, std::uint32_t context, void* data, MessageBoxDialog& box);

    // Shows string-table message `id`, filled printf-style with the values, captioned "FEHLER",
    // with a stop icon and the message's help.
    template <class... Values>
    void ReportError(std::uint32_t id, const Values&... values) {
        messageContext = id;
        ShowMessage(platform::Resources::String(id), "FEHLER", MessageStop, values...);
    }
    // Shows `format` filled with the values in a message box; returns the box's result.
    template <class... Values>
    int ShowMessage(const std::string& format, std::string_view caption, int kind,
                    const Values&... values) {
        return ShowMessageText(FormatPrintf(format, values...), caption, kind);
    }
    // Runs the dialog modally as the current main window.
    int RunModal(platform::Dialog& dialog);

    platform::Dialog* MainWindow() const { return mainWindow; }
    bool UseBrowserHelp() const { return useBrowserHelp; }
    void SetUseBrowserHelp(bool browser) { useBrowserHelp = browser; }
    HelpTopicMap& HelpMap() { return helpMap; }
    std::uint32_t MessageContext() const { return messageContext; }
    SettingsStore* Settings() const { return settings.get(); }
    const std::string& ModulePath() const { return modulePath; }
    const std::string& ModuleDir() const { return moduleDir; }
    const std::string& HelpDir() const { return helpDir; }
    const std::string& AppName() const { return appName; }

    // The application object of the running program.
    static WinApp* Current();

  protected:
    // The time by which help openers are judged.
    virtual std::chrono::steady_clock::time_point Now() const;

    // A program may keep a store of its own kind here. It goes first when the object goes, while
    // the paths and names are still there.
    std::unique_ptr<SettingsStore> settings;

  private:
    int ShowMessageText(std::string text, std::string_view caption, int kind);

    platform::Dialog* mainWindow = nullptr;
    bool useBrowserHelp = false;
    HelpTopicMap helpMap;
    const MessageHelpCallback helpCallback = &WinApp::OnMessageHelp;
    std::uint32_t messageContext = 0;
    void* const callbackData = this;
    std::string modulePath;
    std::string moduleDir;
    std::string helpDir;
    std::string appName;
};

}  // namespace qel::Windows
