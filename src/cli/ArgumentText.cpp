// Quoting arguments in messages.
#include "cli/ArgumentText.h"

namespace schattwerk {
namespace {

constexpr std::size_t kShownCharacters = 32;

bool StartsCharacter(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

}  // namespace

std::string QuoteArgument(std::string_view text) {
    std::string quoted = "\"";
    std::size_t characters = 0;
    for (const char c : text) {
        if (StartsCharacter(c) && characters++ == kShownCharacters) {
            quoted += "...";
            break;
        }
        const auto byte = static_cast<unsigned char>(c);
        quoted += byte < 0x20 || byte == 0x7F ? '?' : c;
    }
    return quoted + "\"";
}

}  // namespace schattwerk
