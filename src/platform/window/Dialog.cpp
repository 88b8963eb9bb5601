// The modal dialog's behaviour that is the same on every window system: its modal run, the
// default handlers, data exchange and accelerators. The window itself is the backend's.
#include "platform/window/Dialog.h"

#include <algorithm>
#include <utility>
#include <vector>

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

const std::vector<Dialog*>& Dialog::Running() {
    return running;
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
