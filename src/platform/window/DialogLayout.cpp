// The rules that place a dialog's window and give its controls' texts room, for both backends.
#include "platform/window/DialogLayout.h"

#include <algorithm>

namespace platform::backend {

std::optional<SizingEdge> SizingEdgeBetween(const PixelRect& before, const PixelRect& after) {
    const bool left = after.left != before.left;
    const bool top = after.top != before.top;
    const bool horizontal = after.Width() != before.Width();
    const bool vertical = after.Height() != before.Height();
    if (horizontal && vertical) {
        return top ? (left ? SizingEdge::TopLeft : SizingEdge::TopRight)
                   : (left ? SizingEdge::BottomLeft : SizingEdge::BottomRight);
    }
    if (horizontal) {
        return left ? SizingEdge::Left : SizingEdge::Right;
    }
    if (vertical) {
        return top ? SizingEdge::Top : SizingEdge::Bottom;
    }
    return std::nullopt;
}

PixelRect CentredWithin(const PixelRect& window, const PixelRect& area, const PixelRect& workArea) {
    PixelRect placed{0, 0, window.Width(), window.Height()};
    const auto moveBy = [&placed](int dx, int dy) {
        placed = {placed.left + dx, placed.top + dy, placed.right + dx, placed.bottom + dy};
    };
    moveBy(area.left + (area.Width() - window.Width()) / 2,
           area.top + (area.Height() - window.Height()) / 2);
    if (workArea.Width() <= 0 || workArea.Height() <= 0) {
        return placed;
    }
    moveBy(std::min(0, workArea.right - placed.right),
           std::min(0, workArea.bottom - placed.bottom));
    moveBy(std::max(0, workArea.left - placed.left), std::max(0, workArea.top - placed.top));
    return placed;
}

std::optional<std::size_t> FieldInRow(const std::vector<ControlTemplate>& controls,
                                      std::size_t label) {
    if (controls.at(label).kind != ControlKind::Label || (controls[label].styles & StyleSunken)) {
        return std::nullopt;
    }
    const auto isField = [&row = controls.at(label).rect](const ControlTemplate& control) {
        return control.rect.y == row.y && control.rect.height >= row.height &&
               (control.kind == ControlKind::Edit ||
                (control.kind == ControlKind::Label && (control.styles & StyleSunken)));
    };
    const auto found = std::find_if(controls.begin(), controls.end(), isField);
    if (found == controls.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - controls.begin());
}

TextRoom GiveTextsRoom(std::vector<PixelRect>& controls, const std::vector<int>& neededWidths,
                       int clientWidth, int captionWidth) {
    int rightmost = 0;
    for (const PixelRect& control : controls) {
        rightmost = std::max(rightmost, control.right);
    }
    const int margin = std::max(0, clientWidth - rightmost);
    int width = clientWidth;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        PixelRect& control = controls[i];
        control.right = std::max(control.right, control.left + neededWidths.at(i));
        width = std::max(width, control.right + margin);
    }
    if (captionWidth > width) {
        return {captionWidth, (captionWidth - width) / 2};
    }
    return {width, 0};
}

}  // namespace platform::backend
