// The program as a player uses it, run by its application object with every modal dialog
// scripted: the main dialog's states, generating, decoding with its errors, help, the About box
// and the settings store that it makes but leaves untouched; and the built program without a
// display.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "app/GeneratorApp.h"
#include "case_engine/CaseEngine.h"
#include "frame/RegistrySettings.h"
#include "platform/registry/HiveKey.h"
#include "platform/window/Sound.h"
#include "platform/window/WaitCursor.h"
#include "support/ModalScript.h"
#include "support/ProgramRun.h"
#include "support/StandInOpener.h"
#include "support/TestFiles.h"
#include "ui/ResourceIds.h"
#include "version/ProgramVersion.h"

namespace schattwerk {
namespace {

using platform::Dialog;
using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using testsupport::ModalScript;

constexpr const char* kMain = "Dornak-Schattwerk-Generator";
constexpr const char* kEntry = "Hinweise eingeben";
const std::vector<std::string> kWitnessNames{
    "Professor Quillon", "Baronin v. Orvath", "Fräulein Livana", "Oberst v. Kallmer",
    "Frau Sorrak",       "Reverend Ambrel",   "Dr. Trellin",     "Kommissar Morvek"};

std::vector<std::string> Texts(const Dialog& dialog, int first) {
    std::vector<std::string> texts;
    for (int i = 0; i < WitnessCount; ++i) {
        texts.push_back(dialog.ItemText(first + i));
    }
    return texts;
}

void TypeHints(Dialog& entry, const std::vector<std::string>& hints) {
    for (int i = 0; i < WitnessCount; ++i) {
        entry.SetItemText(HintFieldFirst + i, hints.at(static_cast<std::size_t>(i)));
    }
}

// Every key below `path` of the user's registry, depth first.
std::vector<std::string> KeyTree(const std::string& path) {
    std::vector<std::string> tree;
    platform::HiveKey key;
    if (platform::HiveKey::CurrentUser().Open(path, platform::kKeyRead, key) ==
        platform::kRegistrySuccess) {
        std::string name;
        for (std::uint32_t i = 0; key.EnumKey(i, name) == platform::kRegistrySuccess; ++i) {
            tree.push_back(path + "\\" + name);
            const std::vector<std::string> below = KeyTree(path + "\\" + name);
            tree.insert(tree.end(), below.begin(), below.end());
        }
    }
    return tree;
}

class Silent : public ErrorReporter {
  public:
    void ReportError(const CaseError&) override {}
};

// The solution that the numbers on screen decode to.
std::pair<std::string, std::string> SolutionOf(const Dialog& main) {
    Silent silent;
    CaseEngine engine(silent);
    engine.BuildCatalogues();
    HintNumbers numbers{};
    for (int i = 0; i < WitnessCount; ++i) {
        numbers.at(static_cast<std::size_t>(i)) = std::stoi(main.ItemText(HintLabelFirst + i));
    }
    EXPECT_TRUE(engine.Decode(numbers));
    return {std::string(engine.Culprit().Name()),
            std::string(engine.PlaceStatement().GetClue().Identifier())};
}

class ProgramTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::SetBeepSink([this](platform::BeepSound) { ++beeps; });
        application.AttachModule(platform::ModuleInstance(PROGRAM_FILE));
    }
    void TearDown() override { platform::SetBeepSink({}); }

    // The program's first modal run: `main` acts on the main dialog and must end it. The steps of
    // the runs it starts follow.
    ModalScript& Program(ModalScript::Action main) { return script.Expect(kMain, std::move(main)); }
    void Run() { EXPECT_FALSE(application.InitInstance()); }
    void RunProgram(ModalScript::Action main) {
        Program(std::move(main));
        Run();
    }

    testsupport::ConfigFolder config;
    testsupport::StandInOpener opener;
    GeneratorApp application;
    ModalScript script;
    int beeps = 0;
};

TEST_F(ProgramTest, StartsWithNoCaseAndEndsWhenTheMainDialogCloses) {
    RunProgram([this](Dialog& main) {
        EXPECT_EQ(application.MainWindow(), &main);
        EXPECT_EQ(Texts(main, WitnessLabelFirst), std::vector<std::string>(8, "-"));
        EXPECT_EQ(Texts(main, HintLabelFirst), std::vector<std::string>(8, ""));
        EXPECT_EQ(main.ItemText(CulpritLabel), "-");
        EXPECT_EQ(main.ItemText(PlaceLabel), "-");
        EXPECT_EQ(main.ItemText(ToggleSolutionButton), "Anzeigen");
        EXPECT_FALSE(main.IsItemEnabled(ToggleSolutionButton));
        EXPECT_EQ(main.FocusedItem(), GenerateButton);
        EXPECT_EQ(main.WindowIcon(), platform::Icon::FromResource(IdIcon));
        testsupport::PressKey(main, platform::KeyEscape);
    });
    EXPECT_TRUE(application.UseBrowserHelp());
    EXPECT_EQ(application.HelpMap().TopicFor(1), "ref_meldungen.html#l_e100");
    EXPECT_EQ(application.HelpMap().TopicFor(2), "ref_meldungen.html#l_e101");
    EXPECT_EQ(application.HelpMap().TopicFor(3), "");
    EXPECT_EQ(application.MainWindow(), nullptr);

    RunProgram([](Dialog& main) { testsupport::Click(main, platform::CommandCancel); });
    RunProgram([](Dialog& main) { testsupport::TriggerMenuItem(main, "B&eenden\tAlt-F4"); });
    RunProgram([](Dialog& main) { testsupport::CloseWindow(main); });
}

TEST_F(ProgramTest, MakesItsSettingsStoreButWritesNothingInAWholeRun) {
    const std::vector<std::string> before = KeyTree("Software");
    Program([this](Dialog& main) {
        const auto* store = dynamic_cast<qel::Windows::RegistrySettings*>(application.Settings());
        ASSERT_NE(store, nullptr);
        EXPECT_EQ(store->ProgramKeyPath(), "Software\\QelApps\\schattwerk-generator");
        EXPECT_FALSE(store->IsOpen());
        testsupport::Click(main, GenerateButton);
        testsupport::Click(main, ToggleSolutionButton);
        testsupport::Click(main, DecodeButton);
        testsupport::PressKey(main, platform::KeyEscape);
    }).Expect(kEntry, [](Dialog& entry) {
        TypeHints(entry, {"74", "34", "55", "22", "86", "60", "47", "21"});
        testsupport::PressKey(entry, platform::KeyReturn);
    });
    Run();
    EXPECT_EQ(KeyTree("Software"), before);
    EXPECT_TRUE(std::filesystem::is_empty(config.Path())) << "no hive file either";
}

TEST_F(ProgramTest, GenerateShowsANewCaseWithItsSolutionHidden) {
    RunProgram([](Dialog& main) {
        testsupport::PressKey(main, platform::KeyReturn);
        EXPECT_EQ(Texts(main, WitnessLabelFirst), kWitnessNames);
        EXPECT_EQ(main.ItemText(CulpritLabel), "???");
        EXPECT_EQ(main.ItemText(PlaceLabel), "???");
        EXPECT_EQ(main.ItemText(ToggleSolutionButton), "Anzeigen");
        EXPECT_TRUE(main.IsItemEnabled(ToggleSolutionButton));
        EXPECT_TRUE(main.IsItemEnabled(GenerateButton));
        EXPECT_EQ(main.FocusedItem(), GenerateButton);
        EXPECT_FALSE(platform::IsWaitCursorShown());

        testsupport::Click(main, ToggleSolutionButton);
        const auto [culprit, place] = SolutionOf(main);
        EXPECT_EQ(main.ItemText(CulpritLabel), culprit);
        EXPECT_EQ(main.ItemText(PlaceLabel), place);
        EXPECT_EQ(main.ItemText(ToggleSolutionButton), "Verstecken");
        testsupport::Click(main, ToggleSolutionButton);
        EXPECT_EQ(main.ItemText(CulpritLabel), "???");
        EXPECT_EQ(main.ItemText(ToggleSolutionButton), "Anzeigen");

        const std::vector<std::string> first = Texts(main, HintLabelFirst);
        testsupport::TriggerMenuItem(main, "&Generieren");
        EXPECT_NE(Texts(main, HintLabelFirst), first) << "a second case right away is new";
        main.EndDialog(2);
    });
}

TEST_F(ProgramTest, DecodeShowsTheSolvedCaseAtOnce) {
    Program([](Dialog& main) {
        testsupport::Click(main, DecodeButton);
        EXPECT_THAT(Texts(main, HintLabelFirst),
                    ElementsAre("74", "34", "55", "22", "86", "60", "47", "21"));
        EXPECT_EQ(main.ItemText(CulpritLabel), "Frau Sorrak");
        EXPECT_EQ(main.ItemText(PlaceLabel), "Kirmes");
        EXPECT_EQ(main.ItemText(ToggleSolutionButton), "Verstecken");
        EXPECT_TRUE(main.IsItemEnabled(ToggleSolutionButton));
        EXPECT_TRUE(main.IsItemEnabled(GenerateButton));
        EXPECT_TRUE(main.IsItemEnabled(DecodeButton));
        EXPECT_EQ(main.FocusedItem(), DecodeButton);
        EXPECT_FALSE(platform::IsWaitCursorShown());
        main.EndDialog(2);
    }).Expect(kEntry, [](Dialog& entry) {
        EXPECT_EQ(Texts(entry, WitnessLabelFirst), kWitnessNames);
        EXPECT_EQ(Texts(entry, HintFieldFirst), std::vector<std::string>(8, "0"));
        EXPECT_EQ(entry.FocusedItem(), HintFieldFirst);
        EXPECT_EQ(entry.SelectedItemText(HintFieldFirst), "0");
        EXPECT_TRUE(platform::IsWaitCursorShown()) << "the command waits";
        EXPECT_FALSE(testsupport::ShowsWaitCursor())
            << "but the window for the user shows the normal cursor";
        TypeHints(entry, {"74", "34", "55", "22", "86", "60", "47", "21"});
        testsupport::PressKey(entry, platform::KeyReturn);
    });
    Run();
}

// The screen pairs names and numbers by rows; a screen reader reads the controls one by one, the
// main dialog's eight numbers only after all eight names.
TEST_F(ProgramTest, AScreenReaderHearsEachNumberWithItsWitness) {
    Program([](Dialog& main) {
        EXPECT_EQ(testsupport::AccessibleName(main, CulpritLabel), "Täter: -");
        testsupport::Click(main, DecodeButton);
        EXPECT_EQ(testsupport::AccessibleName(main, HintLabelFirst), "Professor Quillon: 74");
        EXPECT_EQ(testsupport::AccessibleName(main, HintLabelFirst + 7), "Kommissar Morvek: 21");
        EXPECT_EQ(main.ItemText(HintLabelFirst), "74") << "the screen shows the number alone";
        EXPECT_EQ(testsupport::AccessibleName(main, CulpritLabel), "Täter: Frau Sorrak");
        EXPECT_EQ(testsupport::AccessibleName(main, PlaceLabel), "Versteck: Kirmes");
        testsupport::Click(main, ToggleSolutionButton);
        EXPECT_EQ(testsupport::AccessibleName(main, PlaceLabel), "Versteck: ???");
        testsupport::Click(main, GenerateButton);
        EXPECT_EQ(testsupport::AccessibleName(main, HintLabelFirst + 3),
                  "Oberst v. Kallmer: " + main.ItemText(HintLabelFirst + 3));
        main.EndDialog(2);
    }).Expect(kEntry, [](Dialog& entry) {
        for (int i = 0; i < WitnessCount; ++i) {
            EXPECT_EQ(testsupport::AccessibleName(entry, HintFieldFirst + i),
                      kWitnessNames.at(static_cast<std::size_t>(i)));
        }
        TypeHints(entry, {"74", "34", "55", "22", "86", "60", "47", "21"});
        testsupport::PressKey(entry, platform::KeyReturn);
    });
    Run();
}

TEST_F(ProgramTest, AWrongNumberIsReportedWithHelpAndTheEntryOpensAgainAsTyped) {
    Program([](Dialog& main) {
        testsupport::Click(main, DecodeButton);
        EXPECT_EQ(main.ItemText(CulpritLabel), "Frau Sorrak");
        main.EndDialog(2);
    })
        .Expect(kEntry,
                [](Dialog& entry) {
                    TypeHints(entry, {"12", "34", "55", "22", "86", "60", "47", "99"});
                    testsupport::Click(entry, platform::CommandOk);
                })
        .Expect("FEHLER",
                [this](Dialog& box) {
                    EXPECT_EQ(box.ItemText(qel::Windows::MessageBoxDialog::TextControl),
                              "FEHLER 100: 12 ist keine gültige Hinweisnummer für "
                              "Professor Quillon.");
                    testsupport::Click(box, qel::Windows::MessageBoxDialog::HelpButton);
                    EXPECT_THAT(opener.WaitForArguments(),
                                ElementsAre(EndsWith("/help/ref_meldungen.html#l_e100")));
                    testsupport::Click(box, qel::Windows::MessageBoxDialog::CloseButton);
                })
        .Expect(kEntry,
                [](Dialog& entry) {
                    EXPECT_THAT(Texts(entry, HintFieldFirst),
                                ElementsAre("12", "34", "55", "22", "86", "60", "47", "99"));
                    EXPECT_EQ(entry.FocusedItem(), HintFieldFirst);
                    entry.SetItemText(HintFieldFirst, "74");
                    testsupport::PressKey(entry, platform::KeyReturn);
                })
        .Expect("FEHLER",
                [](Dialog& box) {
                    EXPECT_THAT(box.ItemText(qel::Windows::MessageBoxDialog::TextControl),
                                HasSubstr("99 ist keine gültige Hinweisnummer für Kommissar"));
                    box.EndDialog(1);
                })
        .Expect(kEntry, [](Dialog& entry) {
            entry.SetItemText(HintFieldFirst + 7, "21");
            testsupport::PressKey(entry, platform::KeyReturn);
        });
    Run();
    EXPECT_EQ(beeps, 2) << "each error box beeps once";
}

TEST_F(ProgramTest, NumbersThatMakeNoCaseAreReportedAsErrorHundredAndOne) {
    Program([](Dialog& main) {
        testsupport::Click(main, DecodeButton);
        EXPECT_EQ(main.ItemText(CulpritLabel), "-") << "nothing is shown as solved";
        EXPECT_FALSE(main.IsItemEnabled(ToggleSolutionButton));
        main.EndDialog(2);
    })
        .Expect(kEntry,
                [](Dialog& entry) {
                    TypeHints(entry, {"20", "34", "55", "22", "86", "60", "47", "24"});
                    testsupport::PressKey(entry, platform::KeyReturn);
                })
        .Expect("FEHLER",
                [this](Dialog& box) {
                    EXPECT_EQ(box.ItemText(qel::Windows::MessageBoxDialog::TextControl),
                              "FEHLER 101: Diese Hinweisnummern ergeben keinen gültigen Fall.");
                    testsupport::PressKey(box, platform::KeyF1);
                    EXPECT_THAT(opener.WaitForArguments(),
                                ElementsAre(EndsWith("/help/ref_meldungen.html#l_e101")));
                    box.EndDialog(1);
                })
        .Expect(kEntry, [](Dialog& entry) {
            EXPECT_EQ(entry.ItemText(HintFieldFirst), "20");
            testsupport::PressKey(entry, platform::KeyEscape);
        });
    Run();
}

TEST_F(ProgramTest, CancellingTheEntryLeavesTheCaseAsItWas) {
    Program([](Dialog& main) {
        testsupport::Click(main, GenerateButton);
        const std::vector<std::string> hints = Texts(main, HintLabelFirst);
        testsupport::Click(main, DecodeButton);
        EXPECT_EQ(Texts(main, HintLabelFirst), hints);
        EXPECT_EQ(main.ItemText(CulpritLabel), "???");
        EXPECT_EQ(main.ItemText(ToggleSolutionButton), "Anzeigen");
        EXPECT_TRUE(main.IsItemEnabled(ToggleSolutionButton));
        EXPECT_EQ(main.FocusedItem(), DecodeButton);
        main.EndDialog(2);
    }).Expect(kEntry, [](Dialog& entry) {
        TypeHints(entry, {"74", "34", "55", "22", "86", "60", "47", "21"});
        testsupport::Click(entry, platform::CommandCancel);
    });
    Run();
}

TEST_F(ProgramTest, HintFieldsTakeTwoDigitsAndAnEmptyFieldIsRefused) {
    Program([](Dialog& main) {
        testsupport::Click(main, DecodeButton);
        main.EndDialog(2);
    })
        .Expect(kEntry,
                [](Dialog& entry) {
                    testsupport::TypeText(entry, HintFieldFirst, "7a4x9");
                    EXPECT_EQ(entry.ItemText(HintFieldFirst), "74") << "the 0 was selected";
                    entry.SetItemText(HintFieldFirst + 3, "");
                    testsupport::PressKey(entry, platform::KeyReturn);
                    EXPECT_TRUE(testsupport::IsShown(entry));
                    EXPECT_EQ(entry.FocusedItem(), HintFieldFirst + 3);
                    TypeHints(entry, {"07", "34", "55", "22", "86", "60", "47", "21"});
                    testsupport::PressKey(entry, platform::KeyReturn);
                })
        .Expect("schattwerk-generator",
                [](Dialog& message) {
                    EXPECT_THAT(message.ItemText(101),
                                HasSubstr("Geben Sie bitte eine ganze Zahl ein."));
                    message.EndDialog(1);
                })
        .Expect("FEHLER", [](Dialog& box) { box.EndDialog(1); })
        .Expect(kEntry, [](Dialog& entry) {
            EXPECT_EQ(entry.ItemText(HintFieldFirst), "7") << "07 was read as 7";
            entry.EndDialog(2);
        });
    Run();
}

TEST_F(ProgramTest, F1AndTheHelpMenuOpenEachWindowsPage) {
    Program([this](Dialog& main) {
        testsupport::PressKey(main, platform::KeyF1);
        EXPECT_THAT(opener.WaitForArguments(),
                    ElementsAre(EndsWith("/help/ref_dlg_main.html#content")));
        testsupport::TriggerMenuItem(main, "&Hilfe ...\tF1");
        EXPECT_THAT(opener.WaitForArguments(),
                    ElementsAre(EndsWith("/help/ref_dlg_main.html#content")));
        testsupport::TriggerMenuItem(main, "Hilfe-&Startseite ...");
        EXPECT_THAT(opener.WaitForArguments(), ElementsAre(EndsWith("/help/index.html")));
        testsupport::TriggerMenuItem(main, "&Entschlüsseln ...");
        testsupport::TriggerMenuItem(main, "I&nfo ...");
        main.EndDialog(2);
    })
        .Expect(kEntry,
                [this](Dialog& entry) {
                    testsupport::PressKey(entry, platform::KeyF1);
                    EXPECT_THAT(opener.WaitForArguments(),
                                ElementsAre(EndsWith("/help/ref_dlg_hinweise.html#content")));
                    EXPECT_TRUE(testsupport::IsShown(entry));
                    entry.EndDialog(2);
                })
        .Expect("Info", [this](Dialog& about) {
            testsupport::PressKey(about, platform::KeyF1);
            EXPECT_THAT(opener.WaitForArguments(),
                        ElementsAre(EndsWith("/help/ref_dlg_info.html#content")));
            testsupport::PressKey(about, platform::KeyEscape);
        });
    Run();
}

TEST_F(ProgramTest, TheAboutBoxReadsTheProgramsOwnFile) {
    Program([](Dialog& main) {
        testsupport::TriggerMenuItem(main, "I&nfo ...");
        main.EndDialog(2);
    }).Expect("Info", [](Dialog& about) {
        EXPECT_EQ(about.ItemText(ProductLabel), "Dornak-Schattwerk-Generator v1.02");
        const auto* copyright = std::find_if(
            std::begin(kVersionStrings), std::end(kVersionStrings),
            [](const VersionString& entry) { return std::string(entry.name) == "LegalCopyright"; });
        EXPECT_EQ(about.ItemText(CopyrightLabel), copyright->value);
        EXPECT_EQ(about.FocusedItem(), platform::CommandOk);
        testsupport::PressKey(about, platform::KeyReturn);
    });
    Run();
}

TEST_F(ProgramTest, WithoutVersionInformationTheAboutBoxKeepsItsTemplateTexts) {
    const std::filesystem::path bare = opener.Folder() / "bare";
    std::ofstream(bare) << "no version block here";
    application.AttachModule(platform::ModuleInstance(bare.string()));
    Program([](Dialog& main) {
        testsupport::TriggerMenuItem(main, "I&nfo ...");
        main.EndDialog(2);
    }).Expect("Info", [](Dialog& about) {
        EXPECT_EQ(about.ItemText(ProductLabel), "Dornak-Schattwerk-Generator vX.XX");
        testsupport::Click(about, platform::CommandOk);
    });
    Run();
}

// Qt alone would abort with an English text. XDG_SESSION_TYPE goes too, lest Qt find a Wayland
// desktop's socket without WAYLAND_DISPLAY.
TEST(ProgramStartUp, WithoutADisplayItSaysSoInGermanAndEndsWithOne) {
    const std::vector<std::vector<std::string>> withoutDisplay{
        {"DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "QT_QPA_PLATFORM"},
        {"DISPLAY=:4711", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "QT_QPA_PLATFORM"},
        {"QT_QPA_PLATFORM=nonesuch"}};
    for (const std::vector<std::string>& environment : withoutDisplay) {
        const testsupport::ProgramRun run =
            testsupport::RunProgram(PROGRAM_FILE, {}, {}, {}, environment);
        EXPECT_EQ(run.exitCode, 1) << environment.front();
        EXPECT_EQ(run.err,
                  "schattwerk-generator: Keine Anzeige gefunden, auf der das Fenster geöffnet "
                  "werden kann. Das Befehlszeilenprogramm \"schattwerk\" arbeitet auch ohne "
                  "Anzeige.\n")
            << environment.front();
    }
}

}  // namespace
}  // namespace schattwerk
