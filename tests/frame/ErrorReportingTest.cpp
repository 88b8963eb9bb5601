// Error messages from the string table in the frame's message box, with their help.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "frame/Trace.h"
#include "frame/WinApp.h"
#include "platform/window/Sound.h"
#include "support/ModalScript.h"
#include "support/StandInOpener.h"

namespace qel::Windows {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::EndsWith;
using testsupport::ModalScript;

const platform::StringResource kStrings[] = {
    {1, "FEHLER 100: %d ist keine gültige Hinweisnummer für %s."},
    {2, "FEHLER 101: Diese Hinweisnummern ergeben keinen gültigen Fall."},
    {3, "%s"},
};

class ErrorReportingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::Resources::Install({{}, {}, {}, {}, kStrings});
        platform::SetBeepSink([](platform::BeepSound) {});
        fs::create_directories(opener.Folder() / "help");
        for (const char* page : {"index.html", "ref_meldungen.html"}) {
            std::ofstream(opener.Folder() / "help" / page) << "<p/>";
        }
        application.AttachModule(platform::ModuleInstance((opener.Folder() / "Gen").string()));
        application.InitInstance();
        application.SetUseBrowserHelp(true);
        application.HelpMap().AddTopic(1, "ref_meldungen.html#l_e100");
        application.HelpMap().AddTopic(2, "ref_meldungen.html#l_e101");
    }
    void TearDown() override {
        platform::Resources::Install({});
        platform::SetBeepSink({});
    }

    testsupport::StandInOpener opener;
    WinApp application;
};

TEST_F(ErrorReportingTest, ErrorHundredShowsItsTextAndHelpAndOwnsHelpWhileOpen) {
    platform::Dialog owner(platform::DialogTemplate{0, "Haupt", 100, 50, 0, 0, {}}, nullptr);
    application.SetMainWindow(&owner);
    ModalScript script;
    script.Expect("FEHLER", [this](platform::Dialog& box) {
        EXPECT_EQ(box.ItemText(MessageBoxDialog::TextControl),
                  "FEHLER 100: 12 ist keine gültige Hinweisnummer für Professor Quillon.");
        EXPECT_EQ(box.ItemIcon(MessageBoxDialog::IconControl),
                  platform::Icon::FromSystem(platform::SystemIcon::Stop));
        EXPECT_EQ(application.MainWindow(), &box);
        testsupport::Click(box, MessageBoxDialog::HelpButton);
        EXPECT_THAT(opener.WaitForArguments(),
                    ElementsAre(EndsWith("/help/ref_meldungen.html#l_e100")));
        box.EndDialog(1);
    });
    application.ReportError(1, 12, std::string("Professor Quillon"));
    EXPECT_EQ(application.MainWindow(), &owner);
    EXPECT_EQ(application.MessageContext(), 1U);
}

TEST_F(ErrorReportingTest, TwoReportsEachOfferTheirOwnTopicAndUnknownIdsTheStartPage) {
    ModalScript script;
    for (const char* anchor : {"#l_e101", "#l_e100"}) {
        script.Expect("FEHLER", [this, anchor](platform::Dialog& box) {
            testsupport::PressKey(box, platform::KeyF1);
            EXPECT_THAT(opener.WaitForArguments(), ElementsAre(EndsWith(anchor)));
            box.EndDialog(1);
        });
    }
    script.Expect("FEHLER", [this](platform::Dialog& box) {
        EXPECT_EQ(box.ItemText(MessageBoxDialog::TextControl), "") << "no text for id 7";
        testsupport::PressKey(box, platform::KeyF1);
        EXPECT_THAT(opener.WaitForArguments(), ElementsAre(EndsWith("/help/index.html")));
        box.EndDialog(1);
    });
    application.ReportError(2);
    application.ReportError(1, 50, std::string("Dr. Trellin"));
    application.ReportError(7);
}

TEST_F(ErrorReportingTest, LongMessagesAreCutAtACharacterBoundary) {
    std::string umlauts;
    for (int i = 0; i < 700; ++i) {
        umlauts += "ä";  // two bytes each
    }
    ModalScript script;
    script.Expect("FEHLER", [](platform::Dialog& box) {
        const std::string text = box.ItemText(MessageBoxDialog::TextControl);
        EXPECT_EQ(text.size(), 2000U) << "1000 whole characters";
        EXPECT_EQ(text.substr(text.size() - 2), "ä");
        box.EndDialog(1);
    });
    application.ReportError(3, umlauts + umlauts);
}

TEST(Trace, WritesTheFormattedTextUnchanged) {
    testing::internal::CaptureStderr();
    Trace("[a::B::C] name=\"%s\" count=\"%d\"\n", std::string("x y"), 3);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "[a::B::C] name=\"x y\" count=\"3\"\n");
}

}  // namespace
}  // namespace qel::Windows
