// printf-style formatting of the frame's messages and trace lines into a string.
#pragma once

#include <string>
#include <type_traits>

namespace qel::Windows {
namespace detail {

std::string FormatVariadic(const char* format, ...);

template <class Value>
auto PrintfArgument(const Value& value) {
    if constexpr (std::is_same_v<Value, std::string>) {
        return value.c_str();
    } else {
        return value;
    }
}

}  // namespace detail

// `format` filled with the values by printf rules; strings may be given as std::string.
template <class... Values>
std::string FormatPrintf(const std::string& format, const Values&... values) {
    return detail::FormatVariadic(format.c_str(), detail::PrintfArgument(values)...);
}

}  // namespace qel::Windows
