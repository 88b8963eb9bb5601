// Opening a document in the program that the desktop registers for it.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace platform {

// The program that opens `file`: the desktop's opener found on the search path. Nothing when the
// file does not exist or no opener is installed.
std::optional<std::string> FindOpener(const std::string& file);

// Starts `program` with `arguments`, each passed as it is (no shell), and does not wait for it.
bool StartDetached(const std::string& program, const std::vector<std::string>& arguments);

// Shows `request`, a topic of the compiled help file `file`, in a viewer; false when the file does
// not exist or no viewer is installed.
bool OpenCompiledHelp(const std::string& file, const std::string& request);

}  // namespace platform
