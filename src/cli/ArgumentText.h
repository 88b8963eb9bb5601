// Arguments as error messages quote them: short, and without bytes that a terminal would act on.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace schattwerk {

// `text` in quotation marks, cut after 32 characters (marked "...") and with control characters
// (C0, DEL and C1) and each byte that is no part of a well-formed UTF-8 character shown as "?",
// so that a pasted page, an escape sequence or a stray byte neither floods nor drives the
// terminal.
std::string QuoteArgument(std::string_view text);

// The first few of `arguments`, each quoted, in their order, then how many more there are:
// "a", "b", "c", "d" und 3 weitere (Argumente)
std::string QuoteArguments(std::span<const std::string> arguments);

}  // namespace schattwerk
