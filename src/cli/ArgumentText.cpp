// Quoting arguments in messages.
#include "cli/ArgumentText.h"

#include <algorithm>

namespace schattwerk {
namespace {

constexpr std::size_t kShownCharacters = 32;
constexpr std::size_t kShownArguments = 4;

// The length of the well-formed UTF-8 character at the start of `text`, or 0 when its bytes are
// none: a stray continuation byte, a cut or overlong sequence, a surrogate, beyond U+10FFFF.
std::size_t CharacterLength(std::string_view text) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return 1;
    }
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || text.size() < length) {
        return 0;
    }
    // The second byte's range rules out overlong forms, surrogates and code points past U+10FFFF.
    const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    if (byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

// C0 controls, DEL and the C1 controls U+0080..U+009F, which some terminals obey as they do ESC
// sequences.
bool IsControl(std::string_view character) {
    const auto lead = static_cast<unsigned char>(character[0]);
    return lead < 0x20 || lead == 0x7F ||
           (lead == 0xC2 && static_cast<unsigned char>(character[1]) <= 0x9F);
}

}  // namespace

std::string QuoteArgument(std::string_view text) {
    std::string quoted = "\"";
    std::size_t characters = 0;
    while (!text.empty()) {
        if (characters++ == kShownCharacters) {
            quoted += "...";
            break;
        }
        const std::size_t length = CharacterLength(text);
        const std::string_view character = text.substr(0, std::max<std::size_t>(length, 1));
        quoted += length == 0 || IsControl(character) ? std::string_view("?") : character;
        text.remove_prefix(character.size());
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
