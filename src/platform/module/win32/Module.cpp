// Finding the running executable through the module file name.
#include "platform/module/Module.h"

#include <windows.h>

#include "platform/module/win32/WideText.h"

namespace platform {

ModuleInstance ModuleInstance::OfProcess() {
    // Paths may be longer than MAX_PATH; the buffer grows until the name fits.
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) {
            return ModuleInstance();
        }
        if (length < name.size()) {
            name.resize(length);
            return ModuleInstance(Narrowed(name));
        }
        name.resize(name.size() * 2);
    }
}

}  // namespace platform
