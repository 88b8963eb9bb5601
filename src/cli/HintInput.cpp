// Reading and checking typed hint numbers.
#include "cli/HintInput.h"

#include <charconv>
#include <istream>
#include <optional>
#include <string_view>
#include <vector>

#include "cli/ArgumentText.h"

namespace schattwerk {
namespace {

// Eight numbers with generous white space fit many times over.
constexpr std::size_t kMaxInputBytes = 4096;

constexpr std::size_t kHintCount = std::tuple_size_v<HintNumbers>;

enum class Source { Arguments, StandardInput };

std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

std::string_view Place(Source source) {
    return source == Source::Arguments ? "" : " on standard input";
}

// "argument 3 ("x")" or "number 3 on standard input": the input's bytes are not echoed, they may
// be anything.
std::string Naming(Source source, std::size_t index, std::string_view token) {
    const std::string position = std::to_string(index + 1);
    return source == Source::Arguments ? "argument " + position + " (" + QuoteArgument(token) + ")"
                                       : "number " + position + std::string(Place(source));
}

HintInput FromTokens(std::span<const std::string> tokens, Source source) {
    HintInput input;
    for (std::size_t i = 0; i < tokens.size() && i < kHintCount; ++i) {
        const std::optional<int> number = WholeNumber(tokens[i]);
        if (!number) {
            input.error = Naming(source, i, tokens[i]) +
                          " is not a whole number from -2147483648 to 2147483647";
            return input;
        }
        input.numbers.at(i) = *number;
    }
    const std::string expected = "expected 8 hint numbers, one for each witness";
    if (tokens.size() < kHintCount) {
        input.error = expected + ", got " + std::to_string(tokens.size()) +
                      std::string(Place(source)) + ": witness " +
                      std::to_string(tokens.size() + 1) + " has none";
    } else if (tokens.size() > kHintCount) {
        input.error =
            expected + ": " + Naming(source, kHintCount, tokens[kHintCount]) + " is one too many";
    }
    return input;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

}  // namespace

HintInput ParseHintArguments(std::span<const std::string> arguments) {
    return FromTokens(arguments, Source::Arguments);
}

HintInput ReadHintNumbers(std::istream& in) {
    std::vector<std::string> tokens;
    bool inToken = false;
    std::size_t bytes = 0;
    for (char c = 0; tokens.size() <= kHintCount && in.get(c);) {
        if (++bytes > kMaxInputBytes) {
            return {.numbers = {},
                    .error = "standard input is longer than " + std::to_string(kMaxInputBytes) +
                             " bytes"};
        }
        if (IsSpace(c)) {
            inToken = false;
        } else if (inToken) {
            tokens.back() += c;
        } else {
            tokens.emplace_back(1, c);
            inToken = true;
        }
    }
    if (in.bad()) {
        return {.numbers = {}, .error = "cannot read standard input"};
    }
    return FromTokens(tokens, Source::StandardInput);
}

}  // namespace schattwerk
