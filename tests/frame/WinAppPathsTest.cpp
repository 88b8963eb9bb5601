// The application's file locations and names, from the executable's path, and its settings store.
#include <gtest/gtest.h>

#include "frame/RegistrySettings.h"
#include "frame/WinApp.h"
#include "support/NativePaths.h"

namespace qel::Windows {
namespace {

using testsupport::NativePath;

struct Locations {
    std::string modulePath, moduleDir, profile, registryKey, helpFile, helpDir, appName;
};

Locations SetUpFor(const std::string& executable) {
    WinApp application;
    application.AttachModule(platform::ModuleInstance(executable));
    application.InitInstance();
    return {application.ModulePath(),   application.ModuleDir(),
            application.ProfileName(),  application.RegistryKey().value_or("(none)"),
            application.HelpFilePath(), application.HelpDir(),
            application.AppName()};
}

TEST(WinAppPaths, EverythingFollowsTheExecutablesNameAndFolder) {
    const Locations gen = SetUpFor(NativePath("opt/gen/Gen"));
    EXPECT_EQ(gen.modulePath, NativePath("opt/gen/Gen"));
    EXPECT_EQ(gen.moduleDir, NativePath("opt/gen/"));
    EXPECT_EQ(gen.profile, NativePath("opt/gen/Gen.ini"));
    EXPECT_EQ(gen.registryKey, "QelApps\\Gen");
    EXPECT_EQ(gen.helpFile, NativePath("opt/gen/Gen.chm"));
    EXPECT_EQ(gen.helpDir, NativePath("opt/gen/help/"));
    EXPECT_EQ(gen.appName, "Gen");

    const Locations renamed = SetUpFor(NativePath("opt/gen/Other"));
    EXPECT_EQ(renamed.profile, NativePath("opt/gen/Other.ini"));
    EXPECT_EQ(renamed.helpFile, NativePath("opt/gen/Other.chm"));
    EXPECT_EQ(renamed.registryKey, "QelApps\\Other");
    EXPECT_EQ(renamed.helpDir, NativePath("opt/gen/help/"));
}

TEST(WinAppPaths, DotsInFoldersStayAndOnlyTheFileExtensionChanges) {
    const Locations dotted = SetUpFor(NativePath("a.b/Gen.bin"));
    EXPECT_EQ(dotted.moduleDir, NativePath("a.b/"));
    EXPECT_EQ(dotted.profile, NativePath("a.b/Gen.ini"));
    EXPECT_EQ(dotted.helpFile, NativePath("a.b/Gen.chm"));
    EXPECT_EQ(dotted.appName, "Gen");
}

TEST(WinAppPaths, AnUnknownExecutableLeavesPathsEmptyAndStartsAnyway) {
    WinApp application;
    application.AttachModule(platform::ModuleInstance(""));
    EXPECT_FALSE(application.InitInstance());
    EXPECT_EQ(application.ModuleDir(), "");
    EXPECT_EQ(application.HelpDir(), "");
    EXPECT_FALSE(application.RegistryKey().has_value());
    EXPECT_EQ(dynamic_cast<RegistrySettings&>(*application.Settings()).ProgramKeyPath(),
              "Software\\QelApps\\(ohne Namen)");
}

// A store that reads the application's paths and names when it goes, as one that saved them at
// the end would. Names longer than a short string's inline buffer make reading them after they
// are freed visible.
class NameReadingStore : public RegistrySettings {
  public:
    NameReadingStore(const WinApp& application, std::string& seen)
        : application(application), seen(seen) {}
    ~NameReadingStore() override {
        seen = application.ModulePath() + "|" + application.HelpDir() + "|" + application.AppName();
    }

  private:
    const WinApp& application;
    std::string& seen;
};

class AppWithNameReadingStore : public WinApp {
  public:
    void UseNameReadingStore(std::string& seen) {
        settings = std::make_unique<NameReadingStore>(*this, seen);
    }
};

TEST(WinAppSettings, TheStoreGoesBeforeThePathsAndNames) {
    const std::string program =
        NativePath("opt/a-folder-with-a-long-name/schattwerk-long-program-name");
    std::string seen;
    {
        AppWithNameReadingStore application;
        application.AttachModule(platform::ModuleInstance(program));
        application.InitInstance();
        application.UseNameReadingStore(seen);
    }
    EXPECT_EQ(seen, program + "|" + NativePath("opt/a-folder-with-a-long-name/help/") +
                        "|schattwerk-long-program-name");
}

}  // namespace
}  // namespace qel::Windows
