// Reading whole numbers and saying why one is refused.
#include "cli/WholeNumber.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace schattwerk {

std::string RangeText(NumberRange range) {
    return "von " + std::to_string(range.min) + " bis " + std::to_string(range.max);
}

WholeNumber ReadWholeNumber(std::string_view text, NumberRange range) {
    const bool negative = text.starts_with('-');
    const std::string_view digits = text.substr(negative ? 1 : 0);
    std::string_view problem;
    std::int64_t value = 0;
    if (digits.empty() ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        problem = "ist keine ganze Zahl";
    } else {
        // Only digits, so the one way to fail is a number too long for 64 bits: far beyond any
        // range here.
        if (std::from_chars(digits.data(), digits.data() + digits.size(), value).ec !=
            std::errc()) {
            value = std::numeric_limits<std::int64_t>::max();
        }
        value = negative ? -value : value;
        problem = value < range.min ? "ist zu klein" : value > range.max ? "ist zu groß" : "";
    }
    if (problem.empty()) {
        return {.value = value, .error = {}};
    }
    return {
        .value = 0,
        .error = std::string(problem) + "; erlaubt sind ganze Zahlen " + RangeText(range) + "."};
}

}  // namespace schattwerk
