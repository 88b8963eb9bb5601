// Icon handles of the program's icon resources and the system's message icons.
#include "platform/window/Icon.h"

#include "platform/window/Resources.h"

namespace platform {

Icon Icon::FromResource(int resourceId) {
    Icon icon;
    if (Resources::Icon(resourceId) != nullptr) {
        icon.resourceId = resourceId;
    }
    return icon;
}

Icon Icon::FromSystem(SystemIcon which) {
    Icon icon;
    icon.system = which;
    return icon;
}

}  // namespace platform
