// The modal dialog's behaviour that is the same on every window system: its modal run, the
// default handlers, data exchange and accelerators. The window itself is the backend's.
#include "platform/window/Dialog.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/window/Application.h"
#include "platform/window/Backend.h"
#include "platform/window/DataExchange.h"

namespace platform {
namespace {

ModalHook* modalHook = nullptr;
// The dialogs whose modal runs go on, the innermost last, and how many runs have started.
std::vector<Dialog*> running;
std::uint64_t runsStarted = 0;

}  // namespace

Dialog::Dialog(int templateId, Dialog* parent)
    : dialogTemplate(Resources::Dialog(templateId)), parent(parent) {
}

Dialog::Dialog(DialogTemplate inMemory, Dialog* parent)
    : dialogTemplate(nullptr), inMemoryTemplate(std::move(inMemory)), parent(parent) {
    dialogTemplate = &inMemoryTemplate;
}

Dialog::~Dialog() = default;

int Dialog::DoModal() {
    if (dialogTemplate == nullptr || window != nullptr) {
        return -1;
    }
    ended = false;
    result = 0;
    runNumber = ++runsStarted;
    running.push_back(this);
    BuildWindow();
    if (OnInitDialog()) {
        FocusFirstTabStop();
    }
    if (!ended) {
        const backend::NormalCursor normalCursor;
        ShowWindow();
        if (modalHook != nullptr) {
            modalHook->Run(*this);
            if (!ended) {
                EndDialog(-1);
            }
        } else {
            RunEventLoop();
        }
    }
    OnDestroy();
    if (Application* application = Application::Current();
        application != nullptr && application->MainWnd() == this) {
        application->SetMainWnd(nullptr);
    }
    window.reset();
    itemIcons.clear();
    windowIcon = {};
    running.pop_back();
    runNumber = 0;
    return result;
}

bool Dialog::IsRunning() const {
    return window != nullptr;
}

Icon Dialog::ItemIcon(int id) const {
    const auto found = itemIcons.find(id);
    return found == itemIcons.end() ? Icon() : found->second;
}

Icon Dialog::WindowIcon() const {
    return windowIcon;
}

Dialog* Dialog::Foremost() {
    return running.empty() ? nullptr : running.back();
}

bool Dialog::OnInitDialog() {
    UpdateData(false);
    CenterWindow();
    return true;
}

void Dialog::OnCommand(int id) {
    if (id == CommandOk) {
        OnOK();
    } else if (id == CommandCancel) {
        OnCancel();
    }
}

void Dialog::OnOK() {
    if (UpdateData(true)) {
        EndDialog(CommandOk);
    }
}

void Dialog::OnCancel() {
    EndDialog(CommandCancel);
}

void Dialog::DoDataExchange(DataExchange& /*exchange*/) {
}

bool Dialog::PreTranslateKey(const KeyPress& /*key*/) {
    return false;
}

void Dialog::OnSizing(SizingEdge /*edge*/, PixelRect& /*proposed*/) {
}

void Dialog::OnSize(int /*clientWidth*/, int /*clientHeight*/) {
}

void Dialog::OnDestroy() {
}

bool Dialog::UpdateData(bool saveAndValidate) {
    DataExchange exchange(*this, saveAndValidate);
    DoDataExchange(exchange);
    return !exchange.Failed();
}

namespace backend {

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

int GiveTextsRoom(std::vector<PixelRect>& controls, const std::vector<int>& neededWidths,
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
        const int shift = (captionWidth - width) / 2;
        for (PixelRect& control : controls) {
            control.left += shift;
            control.right += shift;
        }
        width = captionWidth;
    }
    return width;
}

}  // namespace backend

ModalHook* SetModalHook(ModalHook* hook) {
    return std::exchange(modalHook, hook);
}

int TranslateAccelerator(const AcceleratorTable& table, const KeyPress& key) {
    const auto found =
        std::find_if(table.entries.begin(), table.entries.end(), [&key](const Accelerator& entry) {
            return entry.virtualKey == key.virtualKey && entry.modifiers == key.modifiers;
        });
    return found == table.entries.end() ? 0 : found->command;
}

}  // namespace platform
