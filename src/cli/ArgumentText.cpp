// Quoting arguments in messages.
#include "cli/ArgumentText.h"

#include <algorithm>

namespace schattwerk {
namespace {

constexpr std::size_t kShownCharacters = 32;
constexpr std::size_t kShownArguments = 4;

bool StartsCharacter(unsigned char byte) {
    return (byte & 0xC0) != 0x80;
}

// U+0080..U+009F, which some terminals obey as they do ESC sequences.
bool IsC1Control(unsigned char byte, unsigned char next) {
    return byte == 0xC2 && next >= 0x80 && next <= 0x9F;
}

}  // namespace

std::string QuoteArgument(std::string_view text) {
    std::string quoted = "\"";
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (StartsCharacter(byte) && characters++ == kShownCharacters) {
            quoted += "...";
            break;
        }
        const auto next = static_cast<unsigned char>(i + 1 < text.size() ? text[i + 1] : 0);
        if (IsC1Control(byte, next)) {
            quoted += '?';
            ++i;
        } else {
            quoted += byte < 0x20 || byte == 0x7F ? '?' : text[i];
        }
    }
    return quoted + "\"";
}

std::string QuoteArguments(std::span<const std::string> arguments) {
    const std::size_t shown = std::min(arguments.size(), kShownArguments);
    std::string quoted;
    for (std::size_t i = 0; i < shown; ++i) {
        quoted += (i > 0 ? ", " : "") + QuoteArgument(arguments[i]);
    }
    const std::size_t more = arguments.size() - shown;
    if (more > 0) {
        quoted += " und " + std::to_string(more) + (more == 1 ? " weiteres" : " weitere");
    }
    return quoted;
}

}  // namespace schattwerk
