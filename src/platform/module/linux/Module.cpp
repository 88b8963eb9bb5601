// Finding the running executable.
#include "platform/module/Module.h"

#include <filesystem>
#include <system_error>

namespace platform {

ModuleInstance ModuleInstance::OfProcess() {
    std::error_code error;
    const std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return ModuleInstance(error ? std::string() : path.string());
}

}  // namespace platform
