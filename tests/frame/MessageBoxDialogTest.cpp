// The frame's message box: its layout with and without icon, its keys, and its help callback.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "frame/MessageBoxDialog.h"
#include "platform/window/Sound.h"
#include "support/ModalScript.h"
#include "support/WindowInput.h"

namespace qel::Windows {
namespace {

using ::testing::ElementsAre;
using testsupport::ModalScript;

std::vector<int> events;

void RecordEvent(int event, std::uint32_t context, void* data, MessageBoxDialog& /*box*/) {
    EXPECT_EQ(context, 42U);
    EXPECT_EQ(data, &events);
    events.push_back(event);
}

class MessageBoxDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        events.clear();
        platform::SetBeepSink([this](platform::BeepSound sound) { beeps.push_back(sound); });
    }
    void TearDown() override { platform::SetBeepSink({}); }

    std::vector<platform::BeepSound> beeps;
};

// The box names no font: it is 260 x 70 units of the system font, and so are its controls.
TEST_F(MessageBoxDialogTest, StopBoxWithHelpHasIconTextAndBothButtons) {
    MessageBoxDialog box(nullptr, "Etwas ging schief.", "FEHLER", MessageStop);
    box.SetHelpCallback(&RecordEvent, 42, &events);
    ModalScript script;
    script.Expect("FEHLER", [](platform::Dialog& d) {
        EXPECT_EQ(d.MapDialogRect({0, 0, 4, 8}),
                  testsupport::SystemFontDialogUnits().Map({0, 0, 4, 8}));
        EXPECT_EQ(d.ClientRect(), d.MapDialogRect({0, 0, 260, 70}));
        EXPECT_EQ(d.ItemIcon(MessageBoxDialog::IconControl),
                  platform::Icon::FromSystem(platform::SystemIcon::Stop));
        EXPECT_EQ(d.ItemRect(MessageBoxDialog::TextControl), d.MapDialogRect({35, 7, 218, 42}));
        EXPECT_EQ(d.ItemRect(MessageBoxDialog::CloseButton), d.MapDialogRect({7, 49, 50, 14}));
        EXPECT_EQ(d.ItemRect(MessageBoxDialog::HelpButton), d.MapDialogRect({203, 49, 50, 14}));
        EXPECT_EQ(d.ItemText(MessageBoxDialog::TextControl), "Etwas ging schief.");
        EXPECT_EQ(d.ItemText(MessageBoxDialog::CloseButton), "&Schließen");
        EXPECT_EQ(d.ItemText(MessageBoxDialog::HelpButton), "&Hilfe");
        EXPECT_EQ(d.FocusedItem(), MessageBoxDialog::CloseButton);
        EXPECT_TRUE(testsupport::IsAnnouncedAsAlert(d));
        EXPECT_EQ(testsupport::AccessibleName(d, 0), "Etwas ging schief.");
        testsupport::PressKey(d, platform::KeyReturn);
    });
    EXPECT_EQ(box.DoModal(), 1);
    EXPECT_THAT(beeps, ElementsAre(platform::BeepSound::Stop));
    EXPECT_THAT(events, ElementsAre(MessageBoxDestroyed));
}

TEST_F(MessageBoxDialogTest, HelpKeepsTheBoxOpenAndTheDestroyNoticeComesOnce) {
    MessageBoxDialog box(nullptr, "Text", "", MessageInformation);
    box.SetHelpCallback(&RecordEvent, 42, &events);
    ModalScript script;
    script.Expect("", [](platform::Dialog& d) {
        testsupport::Click(d, MessageBoxDialog::HelpButton);
        testsupport::PressKey(d, platform::KeyF1);
        EXPECT_TRUE(testsupport::IsShown(d));
        EXPECT_THAT(events, ElementsAre(MessageHelpRequested, MessageHelpRequested));
        testsupport::PressKey(d, platform::KeyEscape);
    });
    EXPECT_EQ(box.DoModal(), 2);
    EXPECT_THAT(events,
                ElementsAre(MessageHelpRequested, MessageHelpRequested, MessageBoxDestroyed));
}

TEST_F(MessageBoxDialogTest, UnknownKindsArePlainWithoutHelpButtonOrBeep) {
    for (int kind : {static_cast<int>(MessagePlain), 4, -1}) {
        MessageBoxDialog box(nullptr, "Nur Text", "Hinweis", kind);
        ModalScript script;
        script.Expect("Hinweis", [](platform::Dialog& d) {
            EXPECT_TRUE(d.ItemIcon(MessageBoxDialog::IconControl).IsNull());
            EXPECT_EQ(d.ItemHandle(MessageBoxDialog::IconControl), nullptr);
            EXPECT_EQ(d.ItemRect(MessageBoxDialog::TextControl), d.MapDialogRect({7, 7, 246, 42}));
            EXPECT_EQ(d.ItemHandle(MessageBoxDialog::HelpButton), nullptr);
            testsupport::PressKey(d, platform::KeyF1);  // consumed, does nothing
            EXPECT_TRUE(testsupport::IsShown(d));
            testsupport::Click(d, MessageBoxDialog::CloseButton);
        });
        EXPECT_EQ(box.DoModal(), 1) << kind;
    }
    EXPECT_TRUE(beeps.empty());
}

}  // namespace
}  // namespace qel::Windows
