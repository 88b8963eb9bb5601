// Resource scripts as windres reads them: the lines that begin a script, and texts as its string
// literals.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The script's code page, UTF-8, and the language of what follows, a Windows language id (0x0407
// is German: 7, 1).
std::string ResourceScriptHeader(std::uint16_t language);

// `text` as a string literal: in quotation marks, quotation marks doubled, backslashes, tabs and
// line feeds escaped.
std::string ResourceScriptString(std::string_view text);

}  // namespace platform
