// Help topics as files and file URLs.
#include "frame/HelpDisplay.h"

#include <algorithm>

#include "platform/module/Paths.h"

namespace qel::Windows {
namespace {

// `text` with each control character, and each of `alsoEscaped`, as "%XX".
std::string UrlEscaped(std::string_view text, std::string_view alsoEscaped) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string escaped;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || alsoEscaped.find(c) != std::string_view::npos) {
            escaped += '%';
            escaped += kHex[byte >> 4];
            escaped += kHex[byte & 0xF];
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string UrlPath(const std::string& file) {
    std::string path;
    if (platform::PathSeparator == '\\') {
        // On Windows a backslash separates, and a URL separates with slashes: C:/Spiele/help/...,
        // and a share's path keeps both of its own before the server: file://///Server/Spiele/...
        path = UrlEscaped(file, "%#?");
        std::replace(path.begin(), path.end(), '\\', '/');
    } else {
        path = UrlEscaped(file, "\\%#?");
        // "file:///" already ends with the slash that starts an absolute path here.
        if (!path.empty() && path.front() == '/') {
            path.erase(0, 1);
        }
    }
    return path;
}

}  // namespace

BrowserHelpTarget MakeBrowserHelpTarget(const std::string& helpDir, std::string_view topic) {
    if (topic.empty()) {
        topic = "index.html";
    }
    const std::size_t hash = topic.rfind('#');
    const std::string_view page = topic.substr(0, hash);
    const std::string_view anchor = hash == std::string_view::npos ? "" : topic.substr(hash);
    BrowserHelpTarget target;
    target.file = helpDir + std::string(page);
    target.address = "file:///" + UrlPath(target.file) + UrlEscaped(anchor, "");
    return target;
}

}  // namespace qel::Windows
