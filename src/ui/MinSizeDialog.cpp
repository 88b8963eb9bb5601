// The minimum-size rule of the program's dialogs.
#include "ui/MinSizeDialog.h"

namespace schattwerk {

using platform::SizingEdge;

bool MinSizeDialog::OnInitDialog() {
    platform::Dialog::OnInitDialog();
    RecordInitialSizes();
    return true;
}

void MinSizeDialog::RecordInitialSizes() {
    const platform::PixelRect window = WindowRect();
    const platform::PixelRect client = ClientRect();
    initialWindowSize = {window.Width(), window.Height()};
    initialClientSize = {client.Width(), client.Height()};
}

// The dragged edge is held back so that the opposite one stays where it is.
void MinSizeDialog::OnSizing(SizingEdge edge, platform::PixelRect& proposed) {
    if (proposed.Width() < initialWindowSize.width) {
        if (edge == SizingEdge::Left || edge == SizingEdge::TopLeft ||
            edge == SizingEdge::BottomLeft) {
            proposed.left = proposed.right - initialWindowSize.width;
        } else if (edge == SizingEdge::Right || edge == SizingEdge::TopRight ||
                   edge == SizingEdge::BottomRight) {
            proposed.right = proposed.left + initialWindowSize.width;
        }
    }
    if (proposed.Height() < initialWindowSize.height) {
        if (edge == SizingEdge::Top || edge == SizingEdge::TopLeft ||
            edge == SizingEdge::TopRight) {
            proposed.top = proposed.bottom - initialWindowSize.height;
        } else if (edge == SizingEdge::Bottom || edge == SizingEdge::BottomLeft ||
                   edge == SizingEdge::BottomRight) {
            proposed.bottom = proposed.top + initialWindowSize.height;
        }
    }
}

void MinSizeDialog::OnSize(int clientWidth, int clientHeight) {
    LayoutClient(clientWidth, clientHeight);
}

void MinSizeDialog::RelayoutClient() {
    const platform::PixelRect client = ClientRect();
    LayoutClient(client.Width(), client.Height());
}

void MinSizeDialog::LayoutClient(int /*clientWidth*/, int /*clientHeight*/) {
    Invalidate();
}

}  // namespace schattwerk
