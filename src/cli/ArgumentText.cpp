// Quoting arguments in messages.
#include "cli/ArgumentText.h"

#include <algorithm>
#include <array>

namespace schattwerk {
namespace {

constexpr std::size_t kShownCharacters = 32;
constexpr std::size_t kShownArguments = 4;

struct CodePointRange {
    char32_t first;
    char32_t last;
};

// Characters that a terminal acts on, draws as nothing or lets reorder the line: C0, DEL and C1
// (some terminals obey C1 as they do ESC sequences), every format character (Unicode's category
// Cf: the bidirectional embeddings, overrides and isolates, the marks, zero widths, tags), the
// line and paragraph separators, and the non-characters U+FDD0..U+FDEF. The other
// non-characters, the last two of every plane, follow a rule of their own.
constexpr std::array<CodePointRange, 25> kNotShown{{
    {0x0000, 0x001F},   {0x007F, 0x009F},   {0x00AD, 0x00AD},   {0x0600, 0x0605},
    {0x061C, 0x061C},   {0x06DD, 0x06DD},   {0x070F, 0x070F},   {0x0890, 0x0891},
    {0x08E2, 0x08E2},   {0x180E, 0x180E},   {0x200B, 0x200F},   {0x2028, 0x2029},
    {0x202A, 0x202E},   {0x2060, 0x2064},   {0x2066, 0x206F},   {0xFDD0, 0xFDEF},
    {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD}, {0x110CD, 0x110CD},
    {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
    {0xE0020, 0xE007F},
}};

bool IsShown(char32_t codePoint) {
    if ((codePoint & 0xFFFE) == 0xFFFE) {
        return false;
    }
    return std::none_of(kNotShown.begin(), kNotShown.end(), [codePoint](const CodePointRange& r) {
        return codePoint >= r.first && codePoint <= r.last;
    });
}

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

// The code point of one well-formed UTF-8 character.
char32_t CodePoint(std::string_view character) {
    const auto lead = static_cast<unsigned char>(character[0]);
    if (character.size() == 1) {
        return lead;
    }
    char32_t value = lead & (0x7F >> character.size());
    for (const char byte : character.substr(1)) {
        value = value << 6 | (static_cast<unsigned char>(byte) & 0x3F);
    }
    return value;
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
        quoted += length != 0 && IsShown(CodePoint(character)) ? character : std::string_view("?");
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
