// The browser route's target for a help topic: the page file and its address.
#pragma once

#include <string>
#include <string_view>

namespace qel::Windows {

struct BrowserHelpTarget {
    std::string file;     // the page in the help folder, with native separators
    std::string address;  // "file:///…#anchor", one argument for the browser as it is
};

// Splits `topic` at its last "#" into page and anchor (an empty topic is "index.html") and makes
// the page's file in `helpDir` and its URL. Blanks pass unchanged; "%", "#" and "?" in the path
// are escaped, since a browser would otherwise read them as URL syntax and open another page. A
// backslash separates on Windows and becomes "/"; on Linux it is a letter of a name and is
// escaped, as a browser would take it for a separator. Control characters are escaped anywhere in
// the URL: raw, a browser drops or cuts at them.
BrowserHelpTarget MakeBrowserHelpTarget(const std::string& helpDir, std::string_view topic);

}  // namespace qel::Windows
