// Resource-script text.
#include "platform/module/ResourceScript.h"

namespace platform {

std::string ResourceScriptHeader(std::uint16_t language) {
    return "#pragma code_page(65001)\nLANGUAGE " + std::to_string(language & 0x3FF) + ", " +
           std::to_string(language >> 10) + "\n";
}

std::string ResourceScriptString(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                quoted += "\"\"";
                break;
            case '\\':
                quoted += "\\\\";
                break;
            case '\t':
                quoted += "\\t";
                break;
            case '\n':
                quoted += "\\n";
                break;
            default:
                quoted += c;
        }
    }
    return quoted + '"';
}

}  // namespace platform
