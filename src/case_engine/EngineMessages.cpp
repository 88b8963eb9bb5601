// The engine's message table.
#include "case_engine/EngineMessages.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace schattwerk {
namespace {

struct MessageText {
    unsigned id;
    const char* text;
};

constexpr std::array kMessages{
    MessageText{MessageInvalidHint, "FEHLER 100: %d ist keine gültige Hinweisnummer für %s."},
    MessageText{MessageUnsoundCase,
                "FEHLER 101: Diese Hinweisnummern ergeben keinen gültigen Fall."},
};

}  // namespace

std::string_view EngineMessageText(unsigned messageId) {
    const auto* entry =
        std::find_if(kMessages.begin(), kMessages.end(),
                     [messageId](const MessageText& m) { return m.id == messageId; });
    return entry == kMessages.end() ? std::string_view() : entry->text;
}

std::string FormatCaseError(const CaseError& error) {
    const std::string format(EngineMessageText(error.messageId));
    const char* name = error.witnessName.c_str();
    const int length = std::snprintf(nullptr, 0, format.c_str(), error.hintNumber, name);
    std::string text(static_cast<std::size_t>(std::max(length, 0)), '\0');
    std::snprintf(text.data(), text.size() + 1, format.c_str(), error.hintNumber, name);
    return text;
}

}  // namespace schattwerk
