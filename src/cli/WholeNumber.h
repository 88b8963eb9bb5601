// Whole numbers as the command line reads them, and the one wording for one that does not fit.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace schattwerk {

struct NumberRange {
    std::int64_t min;
    std::int64_t max;
};

// "von 1 bis 2147483647"
std::string RangeText(NumberRange range);

struct WholeNumber {
    std::int64_t value = 0;
    // Empty when the text is a number within the range; else what is wrong, as the end of a
    // sentence that begins with the argument: "ist zu groß; erlaubt sind ganze Zahlen von ...".
    std::string error;
};

// Decimal digits after an optional "-"; leading zeros change nothing.
WholeNumber ReadWholeNumber(std::string_view text, NumberRange range);

}  // namespace schattwerk
