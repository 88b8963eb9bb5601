// An argument as error messages quote it: short, and without bytes that a terminal would act on.
#pragma once

#include <string>
#include <string_view>

namespace schattwerk {

// `text` in quotation marks, cut after 32 characters (marked "...") and with control characters
// shown as "?", so a pasted page or an escape sequence neither floods nor drives the terminal.
std::string QuoteArgument(std::string_view text);

}  // namespace schattwerk
