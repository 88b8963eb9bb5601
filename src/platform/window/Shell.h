// Opening a document in the program that the desktop registers for it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// The program that the desktop opens `file` with. Nothing when the file does not exist or no such
// program is known.
std::optional<std::string> FindOpener(const std::string& file);

// Starts `program` with `arguments`, each arriving as it is given (no shell reads them), and
// watches it without waiting: when it has ended, `onEnded` runs on the UI thread, with true when
// it exited with status 0 and false when it exited otherwise or was killed. False, and no call,
// when it cannot be started at all. A program still running when the application ends runs on,
// unwatched.
bool StartWatched(const std::string& program, const std::vector<std::string>& arguments,
                  std::function<void(bool exitedWithZero)> onEnded);

class Dialog;

// Shows `request`, a topic of the compiled help file `file`, in a viewer owned by `owner` where
// the system has owners (else by none); false when the file does not exist or no viewer is
// installed.
bool OpenCompiledHelp(const std::string& file, const std::string& request, const Dialog* owner);

}  // namespace platform
