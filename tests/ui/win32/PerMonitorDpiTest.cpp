// The program's dialogs moved to a monitor of another resolution, as the system tells a window
// when it is dragged there: icons at that resolution's size, font and layout with them, and, back
// on the first monitor, everything as it was.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/ProgramResources.h"
#include "support/ModalScript.h"
#include "ui/AboutDialog.h"
#include "ui/ResourceIds.h"

namespace schattwerk {
namespace {

using platform::Dialog;
using platform::PixelRect;

// The side of the icon that the dialog's icon control shows; 0 for none.
int IconSide(const Dialog& dialog) {
    for (HWND child = GetWindow(reinterpret_cast<HWND>(dialog.Handle()), GW_CHILD);
         child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (auto icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0))) {
            ICONINFO info{};
            GetIconInfo(icon, &info);
            BITMAP bitmap{};
            GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
            return bitmap.bmWidth;
        }
    }
    return 0;
}

void MoveToMonitor(Dialog& dialog, int dpi, RECT suggested) {
    SendMessageW(reinterpret_cast<HWND>(dialog.Handle()), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
}

TEST(PerMonitorDpi, TheAboutBoxTakesEachMonitorsSizesAndComesBackAsItWas) {
    platform::Resources::Install(ProgramResources());
    AboutDialog about(nullptr);
    testsupport::ModalScript script;
    script.Expect("Info", [](Dialog& d) {
        const PixelRect window = d.WindowRect();
        const PixelRect button = d.ItemRect(platform::CommandOk);
        const PixelRect units = d.MapDialogRect({0, 0, 4, 8});
        EXPECT_EQ(IconSide(d), 32);

        const RECT larger{window.left, window.top, window.left + window.Width() * 3 / 2,
                          window.top + window.Height() * 3 / 2};
        MoveToMonitor(d, 144, larger);
        EXPECT_EQ(IconSide(d), 48);
        EXPECT_GT(d.MapDialogRect({0, 0, 4, 8}).Height(), units.Height() * 5 / 4);
        EXPECT_EQ(d.ItemRect(platform::CommandOk), d.MapDialogRect({92, 55, 50, 14}));
        EXPECT_EQ(d.WindowRect().left, larger.left);
        EXPECT_GE(d.WindowRect().Width(), larger.right - larger.left);
        EXPECT_GE(d.ClientRect().Width(), d.MapDialogRect({0, 0, 236, 76}).Width());

        MoveToMonitor(d, 96, {window.left, window.top, window.right, window.bottom});
        EXPECT_EQ(IconSide(d), 32);
        EXPECT_EQ(d.MapDialogRect({0, 0, 4, 8}), units);
        EXPECT_EQ(d.ItemRect(platform::CommandOk), button);
        EXPECT_EQ(d.WindowRect(), window);
        d.EndDialog(1);
    });
    about.DoModal();
    platform::Resources::Install({});
}

}  // namespace
}  // namespace schattwerk
