// The program installed where names are awkward: folders and help pages with blanks, quotation
// marks, "#", "%", control characters and non-ASCII letters. Help must reach the browser as a URL
// that leads back to the very page, a missing page must be named as it is, and the version block
// must still be read.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "TestFiles.h"
#include "frame/VersionInfo.h"
#include "frame/WinApp.h"
#include "platform/module/Paths.h"
#include "support/ModalScript.h"
#include "support/StandInOpener.h"

namespace qel::Windows {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::SizeIs;

// What a browser makes of a file URL: the path with %XX decoded (on Windows from its drive on),
// and the anchor.
std::pair<std::string, std::string> FileAndAnchor(const std::string& url) {
    const std::string prefix = platform::PathSeparator == '\\' ? "file:///" : "file://";
    EXPECT_EQ(url.substr(0, prefix.size()), prefix);
    const std::size_t hash = url.find('#');
    const std::string encoded = url.substr(prefix.size(), hash - prefix.size());
    std::string path;
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        if (encoded[i] == '%' && i + 2 < encoded.size()) {
            path += static_cast<char>(std::stoi(encoded.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            path += encoded[i];
        }
    }
    return {path, hash == std::string::npos ? "" : url.substr(hash + 1)};
}

struct AwkwardFolder {
    const char* name;
    const char* folder;
};

// Windows allows no quotation marks, "?", "\\" or control characters in names, and drops blanks
// at their end: those folders are for Linux alone (tests/frame/CMakeLists.txt).
const AwkwardFolder kAwkwardFolders[]{
    {"Blanks", "Meine Spiele"},
    {"BlanksAround", "  blanks  "},
    {"BlanksAndUmlauts", "Spiele/Schattwerk Prüfung"},
    {"Quotes", "\"Zitat\" und 'so'"},
    {"Hashes", "C# #2"},
    {"Percent", "100% sicher"},
    {"EscapedLooking", "a%23b"},
    {"QuestionMark", "Fragen?ja"},
    {"Umlauts", "Lösungen für Jäger"},
    {"OtherScripts", "漢字 ∑"},
    {"Backslashes", "\\Rück\\strich"},
    {"AllAtOnce", "x#y%z?\"w\" ü\\"},
    {"NewlineAndTab", "Zeile\nneu\tSpalte"},
    {"OtherControls", "\x01\x1b[2J\x7f"},
};

class HostilePathsTest : public ::testing::TestWithParam<AwkwardFolder> {
  protected:
    void SetUp() override {
        folder = (opener.Folder() / platform::FileSystemPath(GetParam().folder)).lexically_normal();
        fs::create_directories(folder / "help");
        for (const std::string& page : {std::string("index.html"), std::string("ref_dlg_main.html"),
                                        std::string("ref_meldungen.html"), AwkwardPage()}) {
            std::ofstream(folder / "help" / platform::FileSystemPath(page)) << "<p/>";
        }
        application.AttachModule(platform::ModuleInstance(platform::Utf8Path(folder / "Gen")));
        application.InitInstance();
        application.SetUseBrowserHelp(true);
    }

    // A page named like the folder, for topics as awkward as the paths.
    static std::string AwkwardPage() {
        std::string page = GetParam().folder;
        std::replace(page.begin(), page.end(), '\\', '_');
        std::replace(page.begin(), page.end(), '/', '_');
        return page + ".html";
    }

    testsupport::StandInOpener opener;
    fs::path folder;
    WinApp application;
};

TEST_P(HostilePathsTest, HelpUrlsLeadBackToThePageAndAnchor) {
    for (const auto& [topic, page, anchor] :
         std::vector<std::tuple<std::string, std::string, std::string>>{
             {"", "index.html", ""},
             {"ref_dlg_main.html#content", "ref_dlg_main.html", "content"},
             {"ref_meldungen.html#l_e100", "ref_meldungen.html", "l_e100"},
             {AwkwardPage() + "#Abschnitt 2", AwkwardPage(), "Abschnitt 2"}}) {
        application.DisplayHelp(topic);
        const std::vector<std::string> arguments = opener.WaitForArguments();
        ASSERT_THAT(arguments, SizeIs(1)) << topic;
        EXPECT_EQ(std::count_if(arguments[0].begin(), arguments[0].end(),
                                [](unsigned char c) { return c < 0x20 || c == 0x7F; }),
                  0)
            << arguments[0];
        const auto [file, urlAnchor] = FileAndAnchor(arguments[0]);
        EXPECT_TRUE(fs::equivalent(platform::FileSystemPath(file),
                                   folder / "help" / platform::FileSystemPath(page)))
            << arguments[0];
        EXPECT_EQ(urlAnchor, anchor) << arguments[0];
    }
}

TEST_P(HostilePathsTest, AMissingPageIsNamedAsItIs) {
    testsupport::ModalScript script;
    script.Expect("Gen", [this](platform::Dialog& box) {
        EXPECT_THAT(box.ItemText(101),
                    HasSubstr("\"" + platform::Utf8Path(folder / "help" / "fehlt.html") + "\""));
        box.EndDialog(1);
    });
    application.DisplayHelp("fehlt.html#content");
    EXPECT_TRUE(script.Done());
    EXPECT_FALSE(opener.WasStarted());
}

TEST_P(HostilePathsTest, TheVersionBlockIsReadFromTheProgramsFile) {
    fs::copy_file(SCHATTWERK_CLI_PATH, folder / "Gen");
    VersionInfo info;
    ASSERT_TRUE(info.Load(application.ModulePath(), 0)) << application.ModulePath();
    EXPECT_EQ(info.VersionText(), "v1.02");
    EXPECT_EQ(info.QueryString("OriginalFilename"),
              fs::path(SCHATTWERK_CLI_PATH).filename().string());
}

INSTANTIATE_TEST_SUITE_P(Folders, HostilePathsTest, ::testing::ValuesIn(kAwkwardFolders),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qel::Windows
