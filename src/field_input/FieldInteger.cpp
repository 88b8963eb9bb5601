// Reading a field's text as a whole number.
#include "field_input/FieldInteger.h"

#include <charconv>

namespace schattwerk {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

std::optional<int> ParseFieldInteger(std::string_view text) {
    const std::string_view number = TrimBlanks(text);
    std::string_view digits = number;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        digits.remove_prefix(1);
    }
    if (digits.empty() || digits.front() < '0' || digits.front() > '9') {
        return std::nullopt;
    }
    // from_chars takes a minus sign but no plus sign.
    const std::string_view parsed = number.front() == '+' ? digits : number;
    int value = 0;
    const auto [end, error] = std::from_chars(parsed.data(), parsed.data() + parsed.size(), value);
    if (error != std::errc() || end != parsed.data() + parsed.size()) {
        return std::nullopt;
    }
    if (value == 0 && number.front() != '0') {
        return std::nullopt;
    }
    return value;
}

}  // namespace schattwerk
