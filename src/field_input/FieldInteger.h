// The rule by which a typed field holds a whole number, and what a field that holds none is told;
// one rule for the program's dialogs and the web page.
#pragma once

#include <optional>
#include <string_view>

namespace schattwerk {

inline constexpr std::string_view FieldIntegerRefusal = "Geben Sie bitte eine ganze Zahl ein.";

// The integer a field's text holds: blanks and tabs, an optional sign with decimal digits, blanks
// and tabs. Zero only when the first non-blank is the digit 0, so "", "-", "+0" and "-0" hold none;
// neither does a number beyond the integer range.
std::optional<int> ParseFieldInteger(std::string_view text);

}  // namespace schattwerk
