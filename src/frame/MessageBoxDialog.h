// The frame's own message box: an optional icon, a text, "&Schließen" and, when its owner gives a
// help callback, "&Hilfe" (also F1), which keeps the box open.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/window/Dialog.h"
#include "platform/window/Sound.h"

namespace qel::Windows {

class MessageBoxDialog;

// Any other value counts as MessagePlain.
enum MessageKind : int {
    MessagePlain = 0,
    MessageStop = 1,
    MessageExclamation = 2,
    MessageInformation = 3,
};

enum MessageEvent : int {
    MessageBoxDestroyed = 0,
    MessageHelpRequested = 5,
};

// Called with a MessageEvent, the owner's context and data values and the box.
using MessageHelpCallback = void (*)(int event, std::uint32_t context, void* data,
                                     MessageBoxDialog& box);

class MessageBoxDialog : public platform::Dialog {
  public:
    static constexpr int CloseButton = 1;
    static constexpr int HelpButton = 9;
    static constexpr int IconControl = 0xFFF0;
    static constexpr int TextControl = 0xFFF1;

    MessageBoxDialog(platform::Dialog* parent, std::string text, std::string caption, int kind);

    void SetHelpCallback(MessageHelpCallback callback, std::uint32_t context, void* data);
    const std::string& Text() const { return text; }

  protected:
    bool OnInitDialog() override;
    void OnCommand(int id) override;
    bool PreTranslateKey(const platform::KeyPress& key) override;
    void OnDestroy() override;

  private:
    void CreateControl(int id, platform::ControlKind kind, platform::DialogRect rect,
                       unsigned styles, std::string_view label = {});

    std::string text;
    std::string caption;
    platform::Icon icon;
    std::optional<platform::BeepSound> beepSound;  // set with the icon
    MessageHelpCallback helpCallback = nullptr;
    std::uint32_t contextValue = 0;
    void* dataValue = nullptr;
};

}  // namespace qel::Windows
