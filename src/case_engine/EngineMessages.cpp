// The engine's message table.
#include "case_engine/EngineMessages.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace schattwerk {
namespace {

struct Message {
    unsigned id;
    const char* text;
    const char* helpTopic;
};

constexpr std::array kMessages{
    Message{MessageInvalidHint, "FEHLER 100: %d ist keine gültige Hinweisnummer für %s.",
            "ref_meldungen.html#l_e100"},
    Message{MessageUnsoundCase, "FEHLER 101: Diese Hinweisnummern ergeben keinen gültigen Fall.",
            "ref_meldungen.html#l_e101"},
};

const Message* FindMessage(unsigned messageId) {
    const auto* entry = std::find_if(kMessages.begin(), kMessages.end(),
                                     [messageId](const Message& m) { return m.id == messageId; });
    return entry == kMessages.end() ? nullptr : entry;
}

}  // namespace

std::string_view EngineMessageText(unsigned messageId) {
    const Message* message = FindMessage(messageId);
    return message ? message->text : std::string_view();
}

std::string_view EngineMessageHelpTopic(unsigned messageId) {
    const Message* message = FindMessage(messageId);
    return message ? message->helpTopic : std::string_view();
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
