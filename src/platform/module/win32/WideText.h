// UTF-8 text inside the program, UTF-16 at the wide Windows calls: the conversions, shared by the
// Windows backends of every platform library.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Ill-formed input becomes U+FFFD in either direction.
std::wstring Widened(std::string_view utf8);
std::string Narrowed(std::wstring_view utf16);

}  // namespace platform
