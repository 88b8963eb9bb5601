// Arguments as error messages quote them: short, and without bytes that a terminal would act on.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace schattwerk {

// `text` in quotation marks, cut after 32 characters (marked "...") and with "?" for each
// character that is not printable or that reorders text (controls, format characters such as the
// bidirectional overrides, line separators, non-characters) and for each byte that is no part of a
// well-formed UTF-8 character, so that a pasted page, an escape sequence, a right-to-left override
// or a stray byte neither floods nor drives nor rearranges the terminal.
std::string QuoteArgument(std::string_view text);

// The first few of `arguments`, each quoted, in their order, then how many more there are:
// "a", "b", "c", "d" und 3 weitere (Argumente)
std::string QuoteArguments(std::span<const std::string> arguments);

}  // namespace schattwerk
