// The dialog base: window icon, accelerators ahead of the controls, the minimum size, and the
// engine's errors shown by the application.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/IconImages.h"
#include "frame/WinApp.h"
#include "platform/window/Sound.h"
#include "support/ModalScript.h"
#include "ui/AppDialog.h"
#include "ui/EngineErrorReporter.h"

namespace schattwerk {
namespace {

using ::testing::ElementsAre;
using testsupport::ModalScript;

constexpr int kTemplate = 500;
constexpr int kSizable = 501;
constexpr int kIcon = 128;
constexpr int kAccelerators = 133;
constexpr int kEdit = 1022;

class AppDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        icons = {{kIcon, ProgramIconImages()}};
        platform::Resources::Install({dialogs, {}, accelerators, icons, strings});
    }
    void TearDown() override { platform::Resources::Install({}); }

    std::vector<platform::IconResource> icons;
    const std::vector<platform::DialogTemplate> dialogs{
        {kTemplate,
         "Basis",
         120,
         60,
         platform::DialogCaption | platform::DialogSystemMenu,
         0,
         {{kEdit, platform::ControlKind::Edit, {7, 7, 30, 12}, "", platform::StyleTabStop}}},
        {kSizable, "Groß", 120, 60, platform::DialogCaption | platform::DialogSizingBorder, 0, {}},
    };
    const std::vector<platform::AcceleratorTable> accelerators{
        {kAccelerators, {{platform::KeyF1, platform::ModifierNone, 9}}}};
    const std::vector<platform::StringResource> strings{
        {1, "FEHLER 100: %d ist keine gültige Hinweisnummer für %s."}};
};

class Probe : public AppDialog {
  public:
    Probe(int iconId, int acceleratorId, int templateId = kTemplate)
        : AppDialog(iconId, acceleratorId, templateId, nullptr) {}
    std::vector<int> commands;
    platform::PixelRect laidOut;
    using MinSizeDialog::OnSizing;

  protected:
    void OnCommand(int id) override {
        commands.push_back(id);
        AppDialog::OnCommand(id);
    }
    void LayoutClient(int clientWidth, int clientHeight) override {
        laidOut = {0, 0, clientWidth, clientHeight};
        AppDialog::LayoutClient(clientWidth, clientHeight);
    }
};

TEST_F(AppDialogTest, WithoutResourcesThereIsNoIconAndF1IsAnOrdinaryKey) {
    Probe plain(0, 0);
    ModalScript script;
    script.Expect("Basis", [](platform::Dialog& d) {
        EXPECT_TRUE(d.WindowIcon().IsNull());
        testsupport::PressKey(d, platform::KeyF1);
        d.EndDialog(0);
    });
    plain.DoModal();
    EXPECT_TRUE(plain.commands.empty());
    EXPECT_FALSE(plain.SetIconResource(999));
    EXPECT_FALSE(plain.SetAcceleratorResource(999));
}

TEST_F(AppDialogTest, IconsShowAtTheStartOrAtOnceAndF1ComesThroughTheTable) {
    Probe dialog(kIcon, kAccelerators);
    ModalScript script;
    script.Expect("Basis", [&dialog](platform::Dialog& d) {
        EXPECT_EQ(d.WindowIcon(), platform::Icon::FromResource(kIcon));
        d.FocusItem(kEdit);
        testsupport::PressKey(d, platform::KeyF1);
        EXPECT_THAT(dialog.commands, ElementsAre(9));
        EXPECT_EQ(d.ItemText(kEdit), "");
        d.EndDialog(0);
    });
    dialog.DoModal();

    Probe late(0, 0);
    ModalScript lateScript;
    lateScript.Expect("Basis", [&late](platform::Dialog& d) {
        EXPECT_TRUE(d.WindowIcon().IsNull());
        EXPECT_TRUE(late.SetIconResource(kIcon));
        EXPECT_EQ(d.WindowIcon(), platform::Icon::FromResource(kIcon));
        d.EndDialog(0);
    });
    late.DoModal();
}

TEST_F(AppDialogTest, DraggingNeverMakesTheWindowSmallerAndTheOppositeEdgeStays) {
    Probe dialog(0, 0, kSizable);
    ModalScript script;
    script.Expect("Groß", [&dialog](platform::Dialog& d) {
        const Size initial = dialog.InitialWindowSize();
        ASSERT_GT(initial.width, 0);
        const platform::PixelRect start = d.WindowRect();

        platform::PixelRect fromLeft = start;
        fromLeft.left += 40;
        dialog.OnSizing(platform::SizingEdge::Left, fromLeft);
        EXPECT_EQ(fromLeft.right, start.right);
        EXPECT_EQ(fromLeft.Width(), initial.width);

        platform::PixelRect fromBottomRight = start;
        fromBottomRight.right -= 30;
        fromBottomRight.bottom -= 30;
        dialog.OnSizing(platform::SizingEdge::BottomRight, fromBottomRight);
        EXPECT_EQ(fromBottomRight, start);

        platform::PixelRect larger = start;
        larger.top -= 20;
        dialog.OnSizing(platform::SizingEdge::Top, larger);
        EXPECT_EQ(larger.Height(), start.Height() + 20) << "growing is free";

        testsupport::ResizeWindow(d, initial.width / 2, initial.height / 2);
        EXPECT_GE(d.WindowRect().Width(), initial.width) << "a real resize follows the rule";
        d.EndDialog(0);
    });
    dialog.DoModal();
}

TEST_F(AppDialogTest, TheClientAreaOfASizableDialogFollowsTheWindow) {
    Probe dialog(0, 0, kSizable);
    ModalScript script;
    script.Expect("Groß", [&dialog](platform::Dialog& d) {
        const platform::PixelRect start = d.ClientRect();
        EXPECT_EQ(start, d.MapDialogRect({0, 0, 120, 60})) << "it opens at the template's size";
        testsupport::ResizeWindow(d, d.WindowRect().Width() + 40, d.WindowRect().Height() + 30);
        EXPECT_EQ(d.ClientRect(), (platform::PixelRect{0, 0, start.right + 40, start.bottom + 30}));
        EXPECT_EQ(dialog.laidOut, d.ClientRect());
        testsupport::ResizeWindow(d, 1, 1);
        EXPECT_EQ(dialog.laidOut, start) << "never smaller than at the start";
        d.EndDialog(0);
    });
    dialog.DoModal();
}

TEST_F(AppDialogTest, EngineErrorsAreShownByTheApplication) {
    qel::Windows::WinApp application;
    platform::SetBeepSink([](platform::BeepSound) {});
    ModalScript script;
    script.Expect("FEHLER", [](platform::Dialog& box) {
        EXPECT_EQ(box.ItemText(qel::Windows::MessageBoxDialog::TextControl),
                  "FEHLER 100: 12 ist keine gültige Hinweisnummer für Professor Quillon.");
        box.EndDialog(1);
    });
    EngineErrorReporter reporter;
    reporter.ReportError({1, 12, "Professor Quillon"});
    platform::SetBeepSink({});
}

}  // namespace
}  // namespace schattwerk
