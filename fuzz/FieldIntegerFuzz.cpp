// Arbitrary text as a dialog field's content: the integer read from it must be exactly the one that
// a plain reading of the rule gives (blanks, an optional sign, decimal digits, blanks; in range;
// zero only from a leading digit 0), and every accepted value must read back from its own text.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "field_input/FieldInteger.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::optional<int> ByTheRule(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    const std::string_view field = text.substr(begin, end - begin);
    std::size_t at = 0;
    const bool negative = !field.empty() && field[0] == '-';
    if (!field.empty() && (field[0] == '-' || field[0] == '+')) {
        ++at;
    }
    if (at == field.size()) {
        return std::nullopt;
    }
    std::int64_t magnitude = 0;
    for (; at < field.size(); ++at) {
        if (field[at] < '0' || field[at] > '9') {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + (field[at] - '0');
        if (magnitude > std::int64_t{1} << 32) {
            return std::nullopt;
        }
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < INT32_MIN || value > INT32_MAX || (value == 0 && field[0] != '0')) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<int> read = schattwerk::ParseFieldInteger(text);
    Require(read == ByTheRule(text));
    if (read) {
        Require(schattwerk::ParseFieldInteger(std::to_string(*read)) == read);
    }
    return 0;
}
