// Reading the program file's resources with the system's calls.
#include "platform/window/win32/ProgramFileResources.h"

#include "platform/module/win32/WideText.h"
#include "platform/window/Backend.h"

namespace platform {

std::optional<std::vector<WORD>> ProgramFileTemplate(int id) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = id > 0 ? FindResourceW(module, MAKEINTRESOURCEW(id), RT_DIALOG) : nullptr;
    const auto* words = found != nullptr
                            ? static_cast<const WORD*>(LockResource(LoadResource(module, found)))
                            : nullptr;
    if (words == nullptr) {
        return std::nullopt;
    }
    return std::vector<WORD>(words, words + SizeofResource(module, found) / sizeof(WORD));
}

void MakeHidden(std::vector<WORD>& dialogTemplate) {
    // The style's high word: after version, signature, help id and extended style in an extended
    // template, first in the other.
    const bool extended = dialogTemplate.size() > 1 && dialogTemplate[1] == 0xFFFF;
    const std::size_t styleHigh = extended ? 7 : 1;
    if (dialogTemplate.size() > styleHigh) {
        dialogTemplate[styleHigh] &= static_cast<WORD>(~HIWORD(WS_VISIBLE));
    }
}

namespace backend {

std::optional<std::string> ProgramFileString(unsigned id) {
    const wchar_t* text = nullptr;
    // With no buffer, the call points at the text in the file.
    const int length =
        LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || text == nullptr) {
        return std::nullopt;
    }
    return Narrowed(std::wstring_view(text, static_cast<std::size_t>(length)));
}

std::optional<AcceleratorTable> ProgramFileAccelerators(int id) {
    HACCEL loaded =
        id > 0 ? LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id)) : nullptr;
    if (loaded == nullptr) {
        return std::nullopt;
    }
    std::vector<ACCEL> entries(static_cast<std::size_t>(CopyAcceleratorTableW(loaded, nullptr, 0)));
    CopyAcceleratorTableW(loaded, entries.data(), static_cast<int>(entries.size()));
    AcceleratorTable table{id, {}};
    for (const ACCEL& entry : entries) {
        // The program's keys are virtual keys; a character accelerator means nothing to it.
        if (entry.fVirt & FVIRTKEY) {
            table.entries.push_back({entry.key,
                                     (entry.fVirt & FSHIFT ? unsigned{ModifierShift} : 0u) |
                                         (entry.fVirt & FCONTROL ? unsigned{ModifierControl} : 0u) |
                                         (entry.fVirt & FALT ? unsigned{ModifierAlt} : 0u),
                                     entry.cmd});
        }
    }
    return table;
}

}  // namespace backend
}  // namespace platform
