// Help topics as files and file URLs.
#include "frame/HelpDisplay.h"

namespace qel::Windows {
namespace {

std::string UrlPath(const std::string& file) {
    std::string path;
    for (char c : file) {
        switch (c) {
            case '\\':
                path += "%5C";
                break;
            case '%':
                path += "%25";
                break;
            case '#':
                path += "%23";
                break;
            case '?':
                path += "%3F";
                break;
            default:
                path += c;
        }
    }
    // "file:///" already ends with the slash that starts an absolute path here.
    if (!path.empty() && path.front() == '/') {
        path.erase(0, 1);
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
    target.argument = "\"file:///" + UrlPath(target.file) + std::string(anchor) + "\"";
    return target;
}

std::string Unquoted(const std::string& argument) {
    if (argument.size() >= 2 && argument.front() == '"' && argument.back() == '"') {
        return argument.substr(1, argument.size() - 2);
    }
    return argument;
}

}  // namespace qel::Windows
