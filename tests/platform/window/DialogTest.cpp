// Dialogs from templates: where controls stand, how input becomes commands, focus, keys before
// controls, nested modal runs and placement.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/window/Dialog.h"
#include "platform/window/StandardMessageBox.h"
#include "support/ModalScript.h"

namespace platform {
namespace {

using ::testing::ElementsAre;
using testsupport::ModalScript;

constexpr int kLabel = 10;
constexpr int kEdit = 11;
constexpr int kDigits = 12;
constexpr int kGo = 20;
constexpr int kHelp = 9;

DialogTemplate ProbeTemplate(std::string_view caption) {
    return {0,
            caption,
            200,
            100,
            DialogCaption | DialogSystemMenu | DialogModalFrame,
            0,
            {{kLabel, ControlKind::Label, {7, 7, 60, 10}, "Name:"},
             {kEdit, ControlKind::Edit, {70, 7, 40, 12}, "", StyleBorder | StyleTabStop},
             {kDigits, ControlKind::Edit, {70, 25, 40, 12}, "", StyleTabStop | StyleDigitsOnly},
             {kGo, ControlKind::Button, {7, 80, 50, 14}, "Los", StyleTabStop},
             {CommandOk, ControlKind::DefaultButton, {70, 80, 50, 14}, "OK", StyleTabStop},
             {CommandCancel, ControlKind::Button, {130, 80, 50, 14}, "Abbrechen", StyleTabStop}}};
}

class ProbeDialog : public Dialog {
  public:
    explicit ProbeDialog(std::string_view caption = "Probe", Dialog* parent = nullptr)
        : Dialog(ProbeTemplate(caption), parent) {}

    std::vector<int> commands;
    std::vector<int> keys;
    int focusAtInit = 0;

  protected:
    bool OnInitDialog() override {
        Dialog::OnInitDialog();
        if (focusAtInit != 0) {
            FocusItem(focusAtInit);
            return false;
        }
        return true;
    }
    void OnCommand(int id) override {
        commands.push_back(id);
        Dialog::OnCommand(id);
    }
    bool PreTranslateKey(const KeyPress& key) override {
        keys.push_back(key.virtualKey);
        if (key.virtualKey == KeyF1) {
            OnCommand(kHelp);
            return true;
        }
        return false;
    }
};

TEST(Dialog, ControlsStandAtTheirDialogUnitsMappedFromTheFont) {
    ProbeDialog dialog;
    ModalScript script;
    script.Expect("Probe", [](Dialog& d) {
        EXPECT_EQ(d.ItemRect(kEdit), d.MapDialogRect({70, 7, 40, 12}));
        EXPECT_EQ(d.ClientRect(), d.MapDialogRect({0, 0, 200, 100}));
        const PixelRect unit = d.MapDialogRect({0, 0, 4, 8});
        EXPECT_GT(unit.Width(), 2) << "4 units across are one average character";
        EXPECT_GT(unit.Height(), 8) << "8 units down are one character height";
        EXPECT_EQ(d.ItemText(kLabel), "Name:");
        EXPECT_EQ(d.ItemText(999), "") << "an id without a control reads empty";
        d.EndDialog(7);
    });
    EXPECT_EQ(dialog.DoModal(), 7);
    EXPECT_FALSE(dialog.IsRunning());
}

TEST(Dialog, EnterEscTheCloseBoxAndButtonsAllBecomeCommands) {
    ProbeDialog enter;
    ProbeDialog esc;
    ProbeDialog closed;
    ModalScript script;
    script
        .Expect("Probe",
                [](Dialog& d) {
                    testsupport::Click(d, kGo);
                    EXPECT_TRUE(testsupport::IsShown(d)) << "a plain command ends nothing";
                    d.FocusItem(kEdit);
                    testsupport::PressKey(d, platform::KeyReturn);
                })
        .Expect("Probe", [](Dialog& d) { testsupport::PressKey(d, platform::KeyEscape); })
        .Expect("Probe", [](Dialog& d) { testsupport::CloseWindow(d); });
    EXPECT_EQ(enter.DoModal(), CommandOk);
    EXPECT_THAT(enter.commands, ElementsAre(kGo, CommandOk));
    EXPECT_EQ(esc.DoModal(), CommandCancel);
    EXPECT_THAT(esc.commands, ElementsAre(CommandCancel));
    EXPECT_EQ(closed.DoModal(), CommandCancel);
    EXPECT_THAT(closed.commands, ElementsAre(CommandCancel));
}

TEST(Dialog, KeyHookSeesEveryKeyOnceBeforeTheControls) {
    ProbeDialog dialog;
    ModalScript script;
    script.Expect("Probe", [&dialog](Dialog& d) {
        d.FocusItem(kEdit);
        testsupport::PressKey(d, platform::KeyF1);
        EXPECT_THAT(dialog.commands, ElementsAre(kHelp));
        testsupport::TypeText(d, kEdit, "ab");
        EXPECT_EQ(d.ItemText(kEdit), "ab");
        testsupport::PressKey(d, platform::KeyEscape);
    });
    dialog.DoModal();
    EXPECT_THAT(dialog.keys, ElementsAre(KeyF1, 'A', 'B', KeyEscape));
}

TEST(Dialog, FocusGoesToTheFirstTabStopUnlessInitialisationSetsIt) {
    ProbeDialog byDefault;
    ProbeDialog chosen;
    chosen.focusAtInit = kGo;
    ModalScript script;
    script
        .Expect("Probe",
                [](Dialog& d) {
                    EXPECT_EQ(d.FocusedItem(), kEdit);
                    d.EndDialog(0);
                })
        .Expect("Probe", [](Dialog& d) {
            EXPECT_EQ(d.FocusedItem(), kGo);
            d.EndDialog(0);
        });
    byDefault.DoModal();
    chosen.DoModal();
}

TEST(Dialog, EditFieldsKeepTheirLimitAndDigitsOnly) {
    ProbeDialog dialog;
    ModalScript script;
    script.Expect("Probe", [](Dialog& d) {
        d.LimitItemText(kEdit, 2);
        testsupport::TypeText(d, kEdit, "123");
        EXPECT_EQ(d.ItemText(kEdit), "12");
        d.LimitItemText(kDigits, 3);
        testsupport::TypeText(d, kDigits, "a1-b2");
        EXPECT_EQ(d.ItemText(kDigits), "12");
        // Of a paste, what the limit leaves room for beside the field's text must be digits.
        testsupport::PasteAtCaret(d, kDigits, "3x");
        EXPECT_EQ(d.ItemText(kDigits), "123");
        d.SelectItemText(kDigits);
        EXPECT_EQ(d.SelectedItemText(kDigits), "123");
        d.EnableItem(kGo, false);
        EXPECT_FALSE(d.IsItemEnabled(kGo));
        d.EndDialog(0);
    });
    dialog.DoModal();
}

TEST(Dialog, NestedRunsTakeTheirStepsInOrderAndCentreOverTheirOwner) {
    ProbeDialog outer("Außen");
    std::vector<std::string> order;
    ModalScript script;
    script
        .Expect("Außen",
                [&](Dialog& d) {
                    order.push_back("outer");
                    ProbeDialog inner("Innen", &d);
                    EXPECT_EQ(inner.DoModal(), 5);
                    order.push_back("outer again");
                    d.EndDialog(1);
                })
        .Expect("Innen", [&](Dialog& d) {
            order.push_back("inner");
            const PixelRect inner = d.WindowRect();
            const PixelRect owner = d.Parent()->WindowRect();
            EXPECT_NEAR(inner.left + inner.Width() / 2, owner.left + owner.Width() / 2, 1);
            EXPECT_NEAR(inner.top + inner.Height() / 2, owner.top + owner.Height() / 2, 1);
            d.EndDialog(5);
        });
    EXPECT_EQ(outer.DoModal(), 1);
    EXPECT_THAT(order, ElementsAre("outer", "inner", "outer again"));
}

TEST(Dialog, ResourceTemplatesBringTheirMenuAndAMissingOneFails) {
    static const DialogTemplate dialogs[] = {
        {77, "Mit Menü", 100, 50, DialogCaption, 5, {}},
    };
    static const MenuTemplate menus[] = {
        {5, {{"&Datei", {{"B&eenden\tAlt-F4", CommandCancel}}}, {"&Hilfe", {{"&Hilfe ...", 9}}}}},
    };
    Resources::Install({dialogs, menus, {}, {}, {}});
    class MenuDialog : public Dialog {
      public:
        MenuDialog() : Dialog(77, nullptr) {}
        std::vector<int> commands;

      protected:
        void OnCommand(int id) override {
            commands.push_back(id);
            Dialog::OnCommand(id);
        }
    } dialog;
    ModalScript script;
    script.Expect("Mit Menü", [](Dialog& d) {
        testsupport::TriggerMenuItem(d, "&Hilfe ...");
        testsupport::TriggerMenuItem(d, "B&eenden\tAlt-F4");
    });
    EXPECT_EQ(dialog.DoModal(), CommandCancel);
    EXPECT_THAT(dialog.commands, ElementsAre(9, CommandCancel));

    Dialog missing(78, nullptr);
    EXPECT_EQ(missing.DoModal(), -1);
    Resources::Install({});
}

// A template is written in dialog units for one font; in another, a text may need more room than
// its rectangle gives, and a label's text must still stand level with the field beside it.
TEST(Dialog, TextsGetTheRoomTheyNeedAndEachRowStandsOnOneLine) {
    constexpr int kName = 13;
    constexpr int kPlace = 14;
    Dialog dialog(
        DialogTemplate{0,
                       "Hinweise zum ganzen Fall eingeben",
                       60,
                       60,
                       DialogCaption | DialogSystemMenu | DialogModalFrame,
                       0,
                       {{kLabel, ControlKind::Label, {4, 4, 24, 10}, "Name"},
                        {kEdit, ControlKind::Edit, {30, 4, 26, 12}, "74", StyleBorder},
                        {kName, ControlKind::Label, {4, 20, 24, 10}, "Wer"},
                        {kPlace, ControlKind::Label, {30, 20, 26, 10}, "Bus", StyleSunken},
                        {kGo, ControlKind::Button, {4, 40, 30, 14}, "Entschlüsseln"}}},
        nullptr);
    ModalScript script;
    script.Expect("Hinweise zum ganzen Fall eingeben", [](Dialog& d) {
        EXPECT_TRUE(testsupport::ShowsWholeText(d, kGo));
        const PixelRect client = d.ClientRect();
        EXPECT_GT(client.Width(), d.MapDialogRect({0, 0, 60, 60}).Width()) << "for the caption";
        EXPECT_EQ(client.Height(), d.MapDialogRect({0, 0, 60, 60}).Height());
        EXPECT_GT(testsupport::TextBottom(d, kLabel), d.ItemRect(kLabel).top);
        EXPECT_EQ(testsupport::TextBottom(d, kLabel), testsupport::TextBottom(d, kEdit));
        EXPECT_EQ(testsupport::TextBottom(d, kName), testsupport::TextBottom(d, kPlace));
        d.EndDialog(0);
    });
    dialog.DoModal();

    // Where a button's text, not the caption, widens the dialog, the template's right margin stays.
    constexpr DialogRect kButton{24, 8, 30, 14};
    Dialog widened(DialogTemplate{0,
                                  "Weit",
                                  60,
                                  30,
                                  DialogCaption | DialogSystemMenu | DialogModalFrame,
                                  0,
                                  {{kGo, ControlKind::Button, kButton,
                                    "Entschlüsseln und alle Hinweise zeigen"}}},
                   nullptr);
    script.Expect("Weit", [&kButton](Dialog& d) {
        EXPECT_TRUE(testsupport::ShowsWholeText(d, kGo));
        const int margin = d.MapDialogRect({0, 0, 60, 30}).right - d.MapDialogRect(kButton).right;
        EXPECT_GT(d.ItemRect(kGo).right, d.MapDialogRect(kButton).right);
        EXPECT_EQ(d.ClientRect().right - d.ItemRect(kGo).right, margin);
        d.EndDialog(0);
    });
    widened.DoModal();
}

// A path has no blanks to break a line at, and a long folder name is longer than any line.
TEST(StandardMessageBox, ShowsAllOfALongMessageOnTheScreen) {
    const std::string folder(200, 'x');
    const std::string path = "/" + folder + "/" + folder + "/" + folder;
    const std::string message =
        "Die Hilfedatei \"" + path + "/index.html\" kann nicht angezeigt werden.";
    std::string flood;
    for (int i = 0; i < 40; ++i) {
        flood += message + " ";
    }
    const PixelRect screen = testsupport::ScreenWorkArea();
    const auto onScreen = [&screen](const PixelRect& rect) {
        return rect.left >= screen.left && rect.top >= screen.top && rect.right <= screen.right &&
               rect.bottom <= screen.bottom;
    };
    ProbeDialog owner;
    ModalScript script;
    script
        .Expect("Probe",
                [&](Dialog& d) {
                    // Centred over this owner, a box would stick out.
                    testsupport::MoveWindow(d, screen.left, screen.top);
                    EXPECT_EQ(ShowStandardMessage(&d, message, SystemIcon::Exclamation), CommandOk);
                    ShowStandardMessage(&d, flood, SystemIcon::None);
                    d.EndDialog(0);
                })
        .Expect("",
                [&](Dialog& box) {
                    EXPECT_TRUE(onScreen(box.WindowRect()));
                    const PixelRect text = box.ItemRect(101);
                    const PixelRect client = box.ClientRect();
                    EXPECT_TRUE(text.right <= client.right && text.bottom <= client.bottom);
                    EXPECT_TRUE(testsupport::ShowsWholeText(box, 101))
                        << "the last words show and no line is cut off at the right";
                    box.FocusItem(101);
                    testsupport::PressKey(box, platform::KeyReturn);
                })
        .Expect("", [&](Dialog& box) {
            EXPECT_TRUE(onScreen(box.WindowRect()));
            EXPECT_FALSE(testsupport::ShowsWholeText(box, 101))
                << "what the screen cannot hold scrolls";
            box.EndDialog(1);
        });
    owner.DoModal();
}

// Else a screen reader hears the caption, which is the application's name, and an unnamed text.
TEST(StandardMessageBox, IsAnnouncedAsAnAlertNamedByItsText) {
    const std::string message = "Die Hilfedatei \"/a/index.html\" kann nicht angezeigt werden.";
    ProbeDialog owner;
    ModalScript script;
    script
        .Expect("Probe",
                [&message](Dialog& d) {
                    EXPECT_FALSE(testsupport::IsAnnouncedAsAlert(d));
                    EXPECT_EQ(testsupport::AccessibleName(d, 0), "Probe");
                    ShowStandardMessage(&d, message, SystemIcon::None);
                    d.EndDialog(0);
                })
        .Expect("", [&message](Dialog& box) {
            EXPECT_TRUE(testsupport::IsAnnouncedAsAlert(box));
            EXPECT_EQ(testsupport::AccessibleName(box, 0), message);
            box.EndDialog(1);
        });
    owner.DoModal();
}

// As the system's own message boxes do, Ctrl+C copies caption, text and button between rules; a
// selection in the text is copied as it stands.
TEST(StandardMessageBox, CtrlCCopiesTheBoxOrWhatIsSelected) {
    ProbeDialog owner;
    ModalScript script;
    script
        .Expect("Probe",
                [](Dialog& d) {
                    ShowStandardMessage(&d, "Zeile eins\nZeile zwei", SystemIcon::Stop);
                    d.EndDialog(0);
                })
        .Expect("", [](Dialog& box) {
            testsupport::PressKey(box, KeyC, ModifierControl);
            EXPECT_EQ(testsupport::ClipboardText(),
                      "---------------------------\n\n---------------------------\n"
                      "Zeile eins\nZeile zwei\n---------------------------\nOK   \n"
                      "---------------------------\n");
            box.FocusItem(101);
            box.SelectItemText(101);
            testsupport::PressKey(box, KeyC, ModifierControl);
            EXPECT_EQ(testsupport::ClipboardText(), "Zeile eins\nZeile zwei");
            box.EndDialog(1);
        });
    owner.DoModal();
}

TEST(Dialog, AcceleratorsMatchKeyAndModifiersExactly) {
    const AcceleratorTable table{1, {{KeyF1, ModifierNone, 9}}};
    EXPECT_EQ(TranslateAccelerator(table, {KeyF1, ModifierNone}), 9);
    EXPECT_EQ(TranslateAccelerator(table, {KeyF1, ModifierShift}), 0);
    EXPECT_EQ(TranslateAccelerator(table, {KeyReturn, ModifierNone}), 0);
}

}  // namespace
}  // namespace platform
