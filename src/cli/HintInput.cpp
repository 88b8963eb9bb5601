// Reading and checking typed hint numbers.
#include "cli/HintInput.h"

#include <istream>
#include <limits>
#include <string_view>
#include <vector>

#include "cli/ArgumentText.h"
#include "cli/WholeNumber.h"

namespace schattwerk {
namespace {

// Eight numbers with generous white space fit many times over.
constexpr std::size_t kMaxNumberBytes = 4096;
// White space after the eighth number counts only against this, so that no endless blank input
// keeps the command waiting for a ninth number.
constexpr std::size_t kMaxInputBytes = std::size_t{1} << 20;

constexpr std::size_t kHintCount = std::tuple_size_v<HintNumbers>;

constexpr NumberRange kHintRange{std::numeric_limits<int>::min(), std::numeric_limits<int>::max()};

enum class Source { Arguments, StandardInput };

std::string_view Place(Source source) {
    return source == Source::Arguments ? "" : " auf der Standardeingabe";
}

// "Argument 3 ("x")" or "Zahl 3 auf der Standardeingabe ("x")", quoted as every argument is.
std::string Naming(Source source, std::size_t index, std::string_view token) {
    const std::string position = std::to_string(index + 1);
    return (source == Source::Arguments ? "Argument " : "Zahl ") + position +
           std::string(Place(source)) + " (" + QuoteArgument(token) + ")";
}

HintInput FromTokens(std::span<const std::string> tokens, Source source) {
    HintInput input;
    for (std::size_t i = 0; i < tokens.size() && i < kHintCount; ++i) {
        const WholeNumber number = ReadWholeNumber(tokens[i], kHintRange);
        if (!number.error.empty()) {
            input.error = Naming(source, i, tokens[i]) + " " + number.error;
            return input;
        }
        input.numbers.at(i) = static_cast<int>(number.value);
    }
    const std::string expected = "erwartet sind 8 Hinweisnummern, eine je Zeuge";
    if (tokens.size() < kHintCount) {
        input.error = expected + ", erhalten " + std::to_string(tokens.size()) +
                      std::string(Place(source)) + ": für Zeuge " +
                      std::to_string(tokens.size() + 1) + " fehlt die Nummer.";
    } else if (tokens.size() > kHintCount) {
        input.error =
            expected + ": " + Naming(source, kHintCount, tokens[kHintCount]) + " ist eine zu viel.";
    }
    return input;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// The bytes of a stream, less a UTF-8 byte-order mark at its start.
class InputBytes {
  public:
    explicit InputBytes(std::istream& in) : in(in) {
        for (char c = 0; held.size() < kMark.size() && kMark.starts_with(held) && in.get(c);) {
            held += c;
        }
        if (held == kMark) {
            held.clear();
        }
    }

    bool Get(char& c) {
        if (next < held.size()) {
            c = held[next++];
            return true;
        }
        return static_cast<bool>(in.get(c));
    }

  private:
    static constexpr std::string_view kMark = "\xEF\xBB\xBF";
    std::istream& in;
    std::string held;  // bytes read while looking for the mark, handed out first
    std::size_t next = 0;
};

HintInput TooLong(std::string_view what) {
    return {.numbers = {}, .error = "die Standardeingabe ist zu lang: " + std::string(what) + "."};
}

}  // namespace

HintInput ParseHintArguments(std::span<const std::string> arguments) {
    return FromTokens(arguments, Source::Arguments);
}

HintInput ReadHintNumbers(std::istream& in, InputDevice device) {
    InputBytes input(in);
    std::vector<std::string> tokens;
    bool inToken = false;
    std::size_t bytes = 0;
    for (char c = 0; tokens.size() <= kHintCount && input.Get(c);) {
        const bool eightRead = tokens.size() == kHintCount && !inToken;
        if (++bytes > kMaxInputBytes) {
            return TooLong("mehr als " + std::to_string(kMaxInputBytes) + " Bytes");
        }
        if (!eightRead && bytes > kMaxNumberBytes) {
            return TooLong("mehr als " + std::to_string(kMaxNumberBytes) +
                           " Bytes bis zum Ende der achten Zahl");
        }
        if (IsSpace(c)) {
            inToken = false;
            if (c == '\n' && tokens.size() == kHintCount && device == InputDevice::Terminal) {
                break;
            }
        } else if (inToken) {
            tokens.back() += c;
        } else {
            tokens.emplace_back(1, c);
            inToken = true;
        }
    }
    if (in.bad()) {
        return {.numbers = {}, .error = "die Standardeingabe kann nicht gelesen werden."};
    }
    return FromTokens(tokens, Source::StandardInput);
}

}  // namespace schattwerk
