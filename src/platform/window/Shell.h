// Opening a document in the program that the desktop registers for it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// The program that opens `file`: the desktop's opener found on the search path. Nothing when the
// file does not exist or no opener is installed.
std::optional<std::string> FindOpener(const std::string& file);

// Starts `program` with `arguments`, each passed as it is (no shell), and does not wait for it.
bool StartDetached(const std::string& program, const std::vector<std::string>& arguments);

// Starts `program` like StartDetached, then watches it without blocking: when it has ended,
// `onEnded` runs on the UI thread, with true when it exited with status 0 and false when it
// exited otherwise or died by a signal. False, and no call, when it cannot be started at all.
// A program still running when the Qt application ends is left to run, unwatched.
bool StartWatched(const std::string& program, const std::vector<std::string>& arguments,
                  std::function<void(bool exitedWithZero)> onEnded);

class Dialog;

// Shows `request`, a topic of the compiled help file `file`, in a viewer owned by `owner` where
// the system has owners (else by none); false when the file does not exist or no viewer is
// installed.
bool OpenCompiledHelp(const std::string& file, const std::string& request, const Dialog* owner);

}  // namespace platform
