// The framework's application class.
#include "frame/WinApp.h"

#include "frame/HelpDisplay.h"
#include "frame/PathParts.h"
#include "frame/RegistrySettings.h"
#include "frame/Trace.h"
#include "platform/window/Shell.h"
#include "platform/window/StandardMessageBox.h"

namespace qel::Windows {
namespace {

constexpr const char* kBrowserHelpFailed = "Die Hilfedatei \"%s\" kann nicht angezeigt werden.";
constexpr const char* kCompiledHelpFailed = "Die Online-Hilfe \"%s\" kann nicht angezeigt werden.";

// A request for help as remembered until its failure is known.
struct HelpRequest {
    std::uint64_t number;
    std::uint64_t askingRun;  // the run of the dialog in front when it was asked; 0 for none
    std::chrono::steady_clock::time_point time;
};

// Help requests are counted over the process; those up to `toldUpTo` had been made when a help
// failure was last shown, so the user has been told of theirs.
std::uint64_t helpRequests = 0;
std::uint64_t toldUpTo = 0;

std::uint64_t ForemostRun() {
    const platform::Dialog* front = platform::Dialog::Foremost();
    return front == nullptr ? 0 : front->RunNumber();
}

HelpRequest NewHelpRequest(std::chrono::steady_clock::time_point now) {
    return {++helpRequests, ForemostRun(), now};
}

// Over the dialog that asked, and only while it is still in front.
void ShowHelpFailure(const HelpRequest& request, const char* format, const std::string& what) {
    if (request.number <= toldUpTo || ForemostRun() != request.askingRun) {
        return;
    }
    toldUpTo = helpRequests;
    platform::ShowStandardMessage(platform::Dialog::Foremost(), FormatPrintf(format, what),
                                  platform::SystemIcon::Stop);
}

// Cuts `text` after `count` characters, never inside one.
void KeepCharacters(std::string& text, std::size_t count) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == count) {
            text.resize(i);
            return;
        }
    }
}

}  // namespace

WinApp::WinApp() = default;

WinApp::~WinApp() {
    settings.reset();
}

bool WinApp::InitInstance() {
    const bool found = SetUpPaths();
    CreateSettings();
    return found;
}

bool WinApp::SetUpPaths() {
    modulePath = GetModulePath(Instance());
    if (!modulePath.empty()) {
        PathParts parts(modulePath);
        moduleDir = parts.Directory();
        parts.SetExtension(".ini");
        SetProfileName(parts.ComposeFull());
        // Registry paths keep the backslash on every platform.
        SetRegistryKey("QelApps\\" + ApplicationName());
        parts.SetExtension(".chm");
        SetHelpFilePath(parts.ComposeFull());
        helpDir = moduleDir + "help" + platform::PathSeparator;
    }
    appName = ApplicationName();
    return !modulePath.empty();
}

void WinApp::CreateSettings() {
    settings.reset();
    auto store = std::make_unique<RegistrySettings>();
    store->SetKeyName(RegistryKey() ? RegistryKey()->c_str() : nullptr);
    settings = std::move(store);
}

void WinApp::DisplayHelp(std::string_view topic) {
    if (useBrowserHelp) {
        DisplayBrowserHelp(topic);
    } else {
        DisplayHHelp(topic);
    }
}

void WinApp::DisplayBrowserHelp(std::string_view topic) {
    const HelpRequest asked = NewHelpRequest(Now());
    const BrowserHelpTarget target = MakeBrowserHelpTarget(helpDir, topic);
    const std::optional<std::string> opener = platform::FindOpener(target.file);
    const auto opened = [asked, file = target.file](bool exitedWithZero) {
        const WinApp* application = Current();
        if (!exitedWithZero && application != nullptr &&
            application->Now() - asked.time <= HelpOpenerGrace) {
            ShowHelpFailure(asked, kBrowserHelpFailed, file);
        }
    };
    if (!opener || !platform::StartWatched(*opener, {target.address}, opened)) {
        ShowHelpFailure(asked, kBrowserHelpFailed, target.file);
    }
}

void WinApp::DisplayHHelp(std::string_view topic) {
    const HelpRequest asked = NewHelpRequest(Now());
    const std::string request = HelpFilePath() + std::string(topic);
    Trace("[qel::Windows::WinApp::DisplayHHelp] helpFile=\"%s\"\n", request);
    if (!platform::OpenCompiledHelp(HelpFilePath(), request, mainWindow)) {
        ShowHelpFailure(asked, kCompiledHelpFailed, request);
    }
}

void WinApp::OnMessageHelp(int event, std::uint32_t context, void* data,
                           MessageBoxDialog& /*box*/) {
    if (event == MessageHelpRequested) {
        auto* application = static_cast<WinApp*>(data);
        application->DisplayHelp(application->helpMap.TopicFor(static_cast<std::int32_t>(context)));
    }
}

int WinApp::ShowMessageText(std::string text, std::string_view caption, int kind) {
    KeepCharacters(text, MaxMessageCharacters);
    MessageBoxDialog box(mainWindow, std::move(text), std::string(caption), kind);
    box.SetHelpCallback(helpCallback, messageContext, callbackData);
    return RunModal(box);
}

int WinApp::RunModal(platform::Dialog& dialog) {
    platform::Dialog* remembered = mainWindow;
    mainWindow = &dialog;
    const int result = dialog.DoModal();
    mainWindow = remembered;
    return result;
}

std::chrono::steady_clock::time_point WinApp::Now() const {
    return std::chrono::steady_clock::now();
}

WinApp* WinApp::Current() {
    return dynamic_cast<WinApp*>(platform::Application::Current());
}

}  // namespace qel::Windows
