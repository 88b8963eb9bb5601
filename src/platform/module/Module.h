// The module a program runs from: its executable file.
#pragma once

#include <string>

namespace platform {

class ModuleInstance {
  public:
    ModuleInstance() = default;
    explicit ModuleInstance(std::string fileName) : fileName(std::move(fileName)) {}

    // The running process's executable, by its full path; empty when it cannot be found.
    static ModuleInstance OfProcess();

    // Full path of the module's file.
    const std::string& FileName() const { return fileName; }

  private:
    std::string fileName;
};

}  // namespace platform
