// Help topics: how they become files and URLs, how the browser is started, and what a user sees
// when it cannot be.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>

#include "frame/HelpDisplay.h"
#include "frame/WinApp.h"
#include "platform/module/Paths.h"
#include "support/ModalScript.h"
#include "support/NativePaths.h"
#include "support/StandInOpener.h"

namespace qel::Windows {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testsupport::ModalScript;
using testsupport::NativePath;

// "file:///opt/gen/help/..." on Linux, "file:///C:/opt/gen/help/..." on Windows.
std::string FileUrl(const std::string& path) {
    std::string url = path.front() == '/' ? "file://" : "file:///";
    url += path;
    std::replace(url.begin(), url.end(), '\\', '/');
    return url;
}

TEST(BrowserHelpTarget, TopicsSplitAtTheLastHashIntoFileAndUrl) {
    const std::string dir = NativePath("opt/gen/help/");
    EXPECT_EQ(MakeBrowserHelpTarget(dir, "").file, dir + "index.html");
    EXPECT_EQ(MakeBrowserHelpTarget(dir, "").address, FileUrl(dir + "index.html"));

    const BrowserHelpTarget main = MakeBrowserHelpTarget(dir, "ref_dlg_main.html#content");
    EXPECT_EQ(main.file, dir + "ref_dlg_main.html");
    EXPECT_EQ(main.address, FileUrl(dir + "ref_dlg_main.html") + "#content");

    const BrowserHelpTarget twice = MakeBrowserHelpTarget(dir, "a#b.html#c");
    EXPECT_EQ(twice.file, dir + "a#b.html");
    EXPECT_EQ(twice.address, FileUrl(dir + "a%23b.html") + "#c");
}

TEST(BrowserHelpTarget, BlanksStayAndUrlSyntaxInThePathIsEscaped) {
    EXPECT_EQ(MakeBrowserHelpTarget(NativePath("u/Meine Spiele/help/"), "index.html").address,
              FileUrl(NativePath("u/Meine Spiele/help/index.html")));
    EXPECT_EQ(MakeBrowserHelpTarget(NativePath("u/C#/100%/Lösung?/help/"), "x.html#l").address,
              FileUrl(NativePath("u/C%23/100%25/Lösung%3F/help/x.html")) + "#l");
}

// A backslash is a letter of a name on Linux, where a browser would take it for a separator; on
// Windows it is the separator, and the two before a share's server follow "file:///" as slashes.
TEST(BrowserHelpTarget, ABackslashIsEscapedOnLinuxAndASlashOnWindows) {
    const bool windows = platform::PathSeparator == '\\';
    const std::string address =
        MakeBrowserHelpTarget(windows ? "\\\\Server\\a\\help\\" : "/u/a\\b/help/", "x.html")
            .address;
    EXPECT_EQ(address, windows ? "file://///Server/a/help/x.html" : "file:///u/a%5Cb/help/x.html");
}

// An application on a clock that the test moves.
class ClockedApp : public WinApp {
  public:
    std::chrono::steady_clock::time_point now;

  protected:
    std::chrono::steady_clock::time_point Now() const override { return now; }
};

// A program at <temp>/Spiel mit Blanks/Gen with a help folder holding index.html.
class HelpDisplayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const fs::path folder = opener.Folder() / "Spiel mit Blanks";
        fs::create_directories(folder / "help");
        std::ofstream(folder / "help" / "index.html") << "<p/>";
        std::ofstream(folder / "help" / "ref_meldungen.html") << "<p/>";
        application.AttachModule(platform::ModuleInstance(platform::Utf8Path(folder / "Gen")));
        application.InitInstance();
        application.SetUseBrowserHelp(true);
    }

    testsupport::StandInOpener opener;
    ClockedApp application;
};

TEST_F(HelpDisplayTest, TheBrowserGetsTheUrlAsOneArgument) {
    application.DisplayHelp("ref_meldungen.html#l_e100");
    EXPECT_THAT(opener.WaitForArguments(),
                ElementsAre(FileUrl(application.HelpDir() + "ref_meldungen.html") + "#l_e100"));
    application.DisplayHelp();
    EXPECT_THAT(opener.WaitForArguments(), ElementsAre(HasSubstr("Blanks/help/index.html")));
}

TEST_F(HelpDisplayTest, APageNameWithShellSyntaxReachesTheBrowserAsOneArgumentAndRunsNothing) {
    const fs::path marker = fs::current_path() / "pwned";
    // Windows names hold no quotation marks; its command interpreter's syntax is "&", "%", "^".
    const std::string page = platform::PathSeparator == '\\'
                                 ? "a & copy nul pwned ^& %PATH% (ver) c.html"
                                 : "a \"b\"; $(touch pwned) `touch pwned` c.html";
    std::ofstream(platform::FileSystemPath(application.HelpDir() + page)) << "<p/>";
    application.DisplayHelp(page + "#content");
    std::string inUrl = FileUrl(application.HelpDir() + page);
    for (std::size_t at = inUrl.find('%'); at != std::string::npos; at = inUrl.find('%', at + 1)) {
        inUrl.insert(at + 1, "25");
    }
    EXPECT_THAT(opener.WaitForArguments(), ElementsAre(inUrl + "#content"));
    EXPECT_FALSE(fs::exists(marker));
}

TEST_F(HelpDisplayTest, AMissingPageIsReportedWithItsFilePath) {
    ModalScript script;
    script.Expect("Gen", [this](platform::Dialog& d) {
        EXPECT_THAT(d.ItemText(101), HasSubstr("Die Hilfedatei \"" + application.HelpDir() +
                                               "fehlt.html\" kann nicht angezeigt werden."));
        d.EndDialog(1);
    });
    application.DisplayHelp("fehlt.html#content");
    EXPECT_FALSE(opener.WasStarted());
}

TEST_F(HelpDisplayTest, NoOpenerIsReportedToo) {
    fs::remove(opener.Program());
    opener.SearchOnlyHere();
    ModalScript script;
    script.Expect("Gen", [](platform::Dialog& d) {
        EXPECT_THAT(d.ItemText(101), HasSubstr("index.html\" kann nicht angezeigt werden."));
        d.EndDialog(1);
    });
    application.DisplayHelp("");
}

// The opener hands the page on and ends; only its exit status tells whether that worked.
TEST_F(HelpDisplayTest, OnlyAFailingOpenerIsReportedOnceItEndsWithoutHoldingUpTheWindow) {
    application.DisplayHelp();
    EXPECT_TRUE(opener.WaitUntilReaped()) << "the opener was left a zombie";

    testsupport::StandInOpener failing("xdg-open", 3);
    ModalScript script;
    script.Expect("Gen", [this](platform::Dialog& d) {
        EXPECT_THAT(d.ItemText(101), HasSubstr("Die Hilfedatei \"" + application.HelpDir() +
                                               "index.html\" kann nicht angezeigt werden."));
        d.EndDialog(1);
    });
    application.DisplayHelp();
    EXPECT_FALSE(script.Done()) << "help waited for the opener";
    EXPECT_TRUE(failing.WaitUntilReaped()) << "the opener was left a zombie";
    EXPECT_TRUE(script.Done());
}

// The real opener runs the browser in the foreground: its end after a while is the browser's.
TEST_F(HelpDisplayTest, AnOpenerHasFailedOnlyWhenItFailsWithinTheGracePeriod) {
    testsupport::StandInOpener failing("xdg-open", 3);
    application.DisplayHelp();
    application.now += WinApp::HelpOpenerGrace + std::chrono::milliseconds(1);
    EXPECT_TRUE(failing.WaitUntilReaped());

    ModalScript script;
    script.Expect("Gen", [](platform::Dialog& d) { d.EndDialog(1); });
    application.DisplayHelp();
    application.now += WinApp::HelpOpenerGrace;
    EXPECT_TRUE(failing.WaitUntilReaped());
}

// Presses that come before the first opener's failure is known are one request, told once; a
// request after the message is told again.
TEST_F(HelpDisplayTest, RequestsWhileAnOpenerRunsGiveOneMessage) {
    testsupport::StandInOpener failing("xdg-open", 3);
    ModalScript script;
    script.Expect("Gen", [](platform::Dialog& d) { d.EndDialog(1); });
    for (int i = 0; i < 5; ++i) {
        application.DisplayHelp();
    }
    EXPECT_TRUE(failing.WaitUntilReaped(5));
    EXPECT_TRUE(script.Done());

    script.Expect("Gen", [](platform::Dialog& d) { d.EndDialog(1); });
    application.DisplayHelp();
    EXPECT_TRUE(failing.WaitUntilReaped());
}

TEST_F(HelpDisplayTest, AFailureShowsOnlyOverTheDialogThatAskedWhileItIsInFront) {
    testsupport::StandInOpener failing("xdg-open", 3);
    platform::Dialog asking(platform::DialogTemplate{0, "Haupt", 100, 50, 0, 0, {}}, nullptr);
    platform::Dialog other(platform::DialogTemplate{0, "Anderes", 100, 50, 0, 0, {}}, nullptr);
    ModalScript script;
    script
        .Expect("Haupt",
                [this](platform::Dialog& d) {
                    application.DisplayHelp();
                    d.EndDialog(1);
                })
        .Expect("Anderes",
                [&failing](platform::Dialog& d) {
                    EXPECT_TRUE(failing.WaitUntilReaped()) << "the failure comes here";
                    d.EndDialog(1);
                })
        .Expect("Haupt",
                [this, &failing](platform::Dialog& d) {
                    application.DisplayHelp();
                    EXPECT_TRUE(failing.WaitUntilReaped());
                    d.EndDialog(1);
                })
        .Expect("Gen", [&asking](platform::Dialog& box) {
            EXPECT_EQ(box.Parent(), &asking);
            box.EndDialog(1);
        });
    asking.DoModal();
    other.DoModal();
    asking.DoModal();
}

TEST_F(HelpDisplayTest, CompiledHelpOpensInTheViewerOnlyWhenItsFileExists) {
    testsupport::StandInOpener viewer("xchm");
    application.SetUseBrowserHelp(false);
    const std::string request = application.HelpFilePath() + "a.html#b";
    ModalScript script;
    script.Expect("Gen", [&request](platform::Dialog& d) {
        EXPECT_THAT(d.ItemText(101),
                    HasSubstr("Die Online-Hilfe \"" + request + "\" kann nicht angezeigt werden."));
        d.EndDialog(1);
    });
    application.DisplayHelp("a.html#b");
    EXPECT_FALSE(viewer.WasStarted());
    std::ofstream(application.HelpFilePath()) << "ITSF";
    application.DisplayHelp("a.html#b");
    EXPECT_THAT(viewer.WaitForArguments(), ElementsAre(request));
}

TEST_F(HelpDisplayTest, CompiledHelpTracesItsRequestThenReportsThatNoViewerExists) {
    std::ofstream(application.HelpFilePath()) << "ITSF";
    opener.SearchOnlyHere();
    application.SetUseBrowserHelp(false);
    ModalScript script;
    script.Expect("Gen", [this](platform::Dialog& d) {
        EXPECT_THAT(d.ItemText(101),
                    HasSubstr("Die Online-Hilfe \"" + application.HelpFilePath() +
                              "ref_dlg_main.html#content\" kann nicht angezeigt werden."));
        d.EndDialog(1);
    });
    testing::internal::CaptureStderr();
    application.DisplayHelp("ref_dlg_main.html#content");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "[qel::Windows::WinApp::DisplayHHelp] helpFile=\"" + application.HelpFilePath() +
                  "ref_dlg_main.html#content\"\n");
}

TEST(HelpTopicMap, TheFirstTopicOfAnIdStays) {
    HelpTopicMap map;
    map.AddTopic(1, "ref_meldungen.html#l_e100");
    map.AddTopic(2, "ref_meldungen.html#l_e101");
    map.AddTopic(1, "anders.html");
    EXPECT_EQ(map.Count(), 2);
    EXPECT_EQ(map.FindTopic(2), 1);
    EXPECT_EQ(map.FindTopic(3), -1);
    EXPECT_EQ(map.TopicFor(1), "ref_meldungen.html#l_e100");
    EXPECT_EQ(map.TopicFor(3), "");
}

}  // namespace
}  // namespace qel::Windows
