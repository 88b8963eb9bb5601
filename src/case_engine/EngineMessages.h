// The texts of the errors that a case engine reports, by message id.
#pragma once

#include <string>
#include <string_view>

#include "case_engine/ErrorReporter.h"

namespace schattwerk {

// A hint number that its witness has no statement for; filled with the number and the
// witness's display name.
inline constexpr unsigned MessageInvalidHint = 1;
// Hint numbers that are each their witness's but together make no case that a game can hold.
inline constexpr unsigned MessageUnsoundCase = 2;

// The printf-style text of a message id; empty for an id without one.
std::string_view EngineMessageText(unsigned messageId);
// The help page and anchor that explain a message id; empty for an id without one.
std::string_view EngineMessageHelpTopic(unsigned messageId);

// The message text of `error` filled with its values.
std::string FormatCaseError(const CaseError& error);

}  // namespace schattwerk
